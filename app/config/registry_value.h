// Registry access for the store. Every read is checked for type and size: a missing or wrong
// value leaves the field untouched, and no read writes past its field, whatever another
// program stored.
#pragma once

#include <windows.h>

// An open key, closed when it goes out of scope.
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // RegCreateKeyEx, so that a missing key is created; returns whether it was new.
    bool Create(HKEY root, const char* path, REGSAM access, bool* created = nullptr,
                DWORD options = REG_OPTION_NON_VOLATILE);
    // An existing key only.
    bool Open(HKEY root, const char* path, REGSAM access);
    void Close();
    HKEY Handle() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

  private:
    HKEY key_ = nullptr;
};

bool ReadDwordValue(HKEY key, const char* name, LONG& field);
// Takes the text only when it fits the field with its terminating zero.
bool ReadStringValue(HKEY key, const char* name, char* field, DWORD fieldSize);
void WriteDwordValue(HKEY key, const char* name, LONG value);
void WriteStringValue(HKEY key, const char* name, const char* text);
