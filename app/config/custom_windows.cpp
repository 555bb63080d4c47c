#include "config/custom_windows.h"

#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "config/settings.h"

CustomWindowEntry* CustomWindowTable;
int CustomWindowCount;

void FreeCustomWindowTable() {
    if (CustomWindowTable) HeapFree(GetProcessHeap(), 0, CustomWindowTable);
    CustomWindowTable = nullptr;
    CustomWindowCount = 0;
}

void LoadCustomWindowTable() {
    auto* table = static_cast<CustomWindowEntry*>(HeapAlloc(
        GetProcessHeap(), HEAP_ZERO_MEMORY, CustomWindowTableSize * sizeof(CustomWindowEntry)));
    if (!table) return;
    int count = 0;
    RegistryKey windows;
    windows.Create(HKEY_CURRENT_USER, WindowsKey, KEY_READ);
    // One record always stays free for the terminator.
    while (windows && count < CustomWindowTableSize - 1) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(windows.Handle(), count, name, &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            break;
        CustomWindowEntry& entry = table[count];
        lstrcpynA(entry.ClassName, name, ClassNameSize);
        // An entry without its features follows the global ones.
        entry.CaptionFeature = Settings.CaptionFeature;
        entry.BodyFeature = Settings.BodyFeature;
        RegistryKey key;
        if (key.Create(windows.Handle(), name, KEY_READ)) {
            ReadDwordValue(key.Handle(), "CaptionFeature", entry.CaptionFeature);
            ReadDwordValue(key.Handle(), "BodyFeature", entry.BodyFeature);
            ReadStringValue(key.Handle(), "Title", entry.Title, TitleSize);
        }
        ++count;
    }
    FreeCustomWindowTable();
    CustomWindowTable = table;
    CustomWindowCount = count;
}
