#include "config/registry_value.h"

bool RegistryKey::Create(HKEY root, const char* path, REGSAM access, bool* created, DWORD options) {
    Close();
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, path, 0, nullptr, options, access, nullptr, &key_, &disposition) !=
        ERROR_SUCCESS) {
        key_ = nullptr;
        return false;
    }
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
    return true;
}

bool RegistryKey::Open(HKEY root, const char* path, REGSAM access) {
    Close();
    if (RegOpenKeyExA(root, path, 0, access, &key_) == ERROR_SUCCESS) return true;
    key_ = nullptr;
    return false;
}

void RegistryKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool ReadDwordValue(HKEY key, const char* name, LONG& field) {
    DWORD type = 0, value = 0, size = sizeof value;
    if (!key || RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                 &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof value) return false;
    field = static_cast<LONG>(value);
    return true;
}

bool ReadStringValue(HKEY key, const char* name, char* field, DWORD fieldSize) {
    if (!key || fieldSize == 0) return false;
    // Read behind the field first: the registry leaves a buffer that is too small undefined.
    char text[1024];
    DWORD type = 0, size = sizeof text;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_SZ) return false;
    // Stored with or without its terminating zero.
    DWORD length = 0;
    while (length < size && text[length])
        ++length;
    if (length >= fieldSize) return false;
    for (DWORD i = 0; i < length; ++i)
        field[i] = text[i];
    field[length] = 0;
    return true;
}

void WriteDwordValue(HKEY key, const char* name, LONG value) {
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void WriteStringValue(HKEY key, const char* name, const char* text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(lstrlenA(text) + 1));
}
