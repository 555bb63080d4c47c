// Stand-ins for what the indicator, the per-application table and the favourite folders bring
// with them, so that the settings dialog links and works until they land. Delete at merge.
#include "config/custom_windows.h"
#include "config/registry_keys.h"
#include "indicator/indicator.h"
#include "settings_ui/favorite_folders.h"

HWND IndicatorWindow;

void DeleteCustomWindowEntry(const char* className) {
    char path[sizeof WindowsKey + ClassNameSize + 1];
    wsprintfA(path, "%s\\%.259s", WindowsKey, className);
    RegDeleteKeyA(HKEY_CURRENT_USER, path);
}

namespace {

INT_PTR CALLBACK PendingFoldersProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) EndDialog(dialog, 1);
    if (message == WM_CLOSE) EndDialog(dialog, 1);
    return FALSE;
}

} // namespace

// An empty modal dialog under the real one's title.
void OpenFavoriteFolders(HWND owner) {
    struct {
        DLGTEMPLATE head;
        WORD menu, windowClass;
        WCHAR title[17];
    } form = {{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER, 0, 0, 0, 0, 160, 80},
              0,
              0,
              L"Favorite folders"};
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &form.head, owner, PendingFoldersProc, 0);
}
