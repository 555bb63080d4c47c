#include "settings_ui/about_box.h"

#include <shellapi.h>

#include "resources/resource_ids.h"
#include "resources/version.h"

// Default dialog handling runs for every message as well.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    switch (wParam) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, 1); break;
    // The box stays open while the browser comes up.
    case IDC_HOME_PAGE:
        ShellExecuteA(nullptr, nullptr, QUILLET_HOME_PAGE, nullptr, nullptr, SW_SHOWMAXIMIZED);
        break;
    default: break;
    }
    return FALSE;
}
