#include "core/previous_versions.h"

#include <windows.h>

static void DeleteRunValue(HKEY root, const char* name) {
    HKEY key;
    if (RegCreateKeyExA(root, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

static void RetireVersion(const char* className, const char* title, const char* runValue) {
    // A hung old copy must not keep this one from starting.
    if (HWND old = FindWindowA(className, title))
        SendMessageTimeoutA(old, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    DeleteRunValue(HKEY_CURRENT_USER, runValue);
    DeleteRunValue(HKEY_LOCAL_MACHINE, runValue);
}

void RetirePreviousVersions() {
    RetireVersion("QUILLET97", "Quillet 97", "Quillet 97");
    RetireVersion("QUILLET98", "Quillet 98", "Quillet 98");
}
