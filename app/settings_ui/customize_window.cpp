#include "settings_ui/customize_window.h"

#include <cstring>

#include "config/custom_windows.h"
#include "config/folders.h"
#include "core/host.h"
#include "features/foreign_window.h"
#include "hook/quillet99hook.h"
#include "resources/resource_ids.h"
#include "settings_ui/feature_names.h"

HWND CustomizeWindowDialog;

namespace {

// Fixed each time the dialog is shown, whatever the user activates while it is open.
KnownWindow Target;

void SelectFeature(HWND dialog, int list, LONG code) {
    SendDlgItemMessageA(dialog, list, CB_SETCURSEL, static_cast<WPARAM>(code), 0);
}

void OnInitCustomize(HWND dialog) {
    CustomizeWindowDialog = dialog;
    AddFeatureNames(dialog, IDC_CUSTOM_CAPTION_FEATURE, IDC_CUSTOM_BODY_FEATURE);
}

// Still the user's window in the foreground: the dialog is not active yet.
void OnShowCustomize(HWND dialog) {
    Target = Remember(GetForegroundWindow());
    LoadCustomWindowTable();
    LoadFolderList();
    TellHookCustWin(CustomWindowTable);
    SelectFeature(dialog, IDC_CUSTOM_CAPTION_FEATURE, -1);
    SelectFeature(dialog, IDC_CUSTOM_BODY_FEATURE, -1);
    for (int i = 0; Target.className[0] && i < CustomWindowCount; ++i) {
        const CustomWindowEntry& entry = CustomWindowTable[i];
        if (strcmp(entry.ClassName, Target.className) != 0) continue;
        SelectFeature(dialog, IDC_CUSTOM_CAPTION_FEATURE, entry.CaptionFeature);
        SelectFeature(dialog, IDC_CUSTOM_BODY_FEATURE, entry.BodyFeature);
        break;
    }
    SetForegroundWindow(dialog);
}

// The user's window gets back the foreground that the dialog took.
void HideCustomize(HWND dialog) {
    ShowWindow(dialog, SW_HIDE);
    if (StillThere(Target)) SetForegroundWindow(Target.handle);
}

void OnCustomizeOk(HWND dialog) {
    // A window gone, or a stranger that took its handle, is not customized in its place.
    if (StillThere(Target)) SaveCustomWindowEntry(Target.handle, dialog);
    LoadCustomWindowTable();
    TellHookCustWin(CustomWindowTable);
    HideCustomize(dialog);
}

INT_PTR CALLBACK CustomizeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitCustomize(dialog); break;
    case WM_SHOWWINDOW:
        if (wParam && !lParam) OnShowCustomize(dialog);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnCustomizeOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) HideCustomize(dialog);
        break;
    case WM_CLOSE: HideCustomize(dialog); break;
    case WM_DESTROY: CustomizeWindowDialog = nullptr; break;
    default: break;
    }
    return FALSE;
}

} // namespace

void CreateCustomizeWindowDialog(HWND owner) {
    CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_CUSTOMIZE_WINDOW), owner, CustomizeDlgProc,
                       0);
}

void DestroyCustomizeWindowDialog() {
    if (CustomizeWindowDialog) DestroyWindow(CustomizeWindowDialog);
}

void ShowCustomize() {
    // Only a window with a caption: not the desktop, not a full-screen program without one.
    if (!(GetWindowLongA(GetForegroundWindow(), GWL_STYLE) & WS_DLGFRAME)) return;
    if (IsWindowVisible(CustomizeWindowDialog)) SetForegroundWindow(CustomizeWindowDialog);
    ShowWindow(CustomizeWindowDialog, SW_SHOW);
}
