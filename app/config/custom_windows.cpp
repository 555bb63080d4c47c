#include "config/custom_windows.h"

#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "config/settings.h"
#include "resources/resource_ids.h"

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

void SaveCustomWindowEntry(HWND target, HWND dialog) {
    char className[256] = "", title[25] = ""; // the title's first 24 characters
    GetWindowTextA(target, title, sizeof title);
    LRESULT caption = SendDlgItemMessageA(dialog, IDC_CUSTOM_CAPTION_FEATURE, CB_GETCURSEL, 0, 0);
    LRESULT body = SendDlgItemMessageA(dialog, IDC_CUSTOM_BODY_FEATURE, CB_GETCURSEL, 0, 0);
    if (caption == CB_ERR || body == CB_ERR) return;
    // A window that is gone has no class, and one with a backslash in it would make a deeper
    // key that no class matches and no delete removes. A double-byte character's second byte
    // may be a backslash's.
    if (!GetClassNameA(target, className, sizeof className)) return;
    for (const char* c = className; *c; c = CharNextA(c))
        if (*c == '\\') return;
    // Opened under the Windows key, not by its whole path: some ANSI registry calls take no path
    // longer than MAX_PATH, and a class name may have 255 characters.
    RegistryKey windows, key;
    if (!windows.Create(HKEY_CURRENT_USER, WindowsKey, KEY_WRITE) ||
        !key.Create(windows.Handle(), className, KEY_WRITE))
        return;
    WriteDwordValue(key.Handle(), "CaptionFeature", static_cast<LONG>(caption));
    WriteDwordValue(key.Handle(), "BodyFeature", static_cast<LONG>(body));
    WriteStringValue(key.Handle(), "Title", title);
}

void DeleteCustomWindowEntry(const char* className) {
    RegistryKey windows;
    // An empty name would be the Windows key itself.
    if (!className || !className[0] || !windows.Create(HKEY_CURRENT_USER, WindowsKey, KEY_WRITE))
        return;
    RegDeleteKeyA(windows.Handle(), className);
}
