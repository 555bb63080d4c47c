#include "settings_ui/settings_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "core/apply_settings.h"
#include "core/host.h"
#include "core/hot_keys.h"
#include "features/help_file.h"
#include "features/tray_icon.h"
#include "resources/resource_ids.h"
#include "settings_ui/common_controls.h"
#include "settings_ui/feature_names.h"
#include "settings_ui/favorite_folders.h"
#include "settings_ui/settings_pages.h"

int SettingsDialogOpen;
HWND SettingsDialogWindow;
HCURSOR HandCursor;
HCURSOR ArrowCursor;

namespace {

constexpr UINT_PTR DeleteButtonTimer = 1010101;

// The check boxes and the flag each one shows.
struct CheckBox {
    int id;
    LONG SettingsRecord::*field;
};
constexpr CheckBox CheckBoxes[] = {{IDC_HOT_KEY, &SettingsRecord::HotKey},
                                   {IDC_FAST_FOLDERS, &SettingsRecord::FastFolders},
                                   {IDC_SHOW_INDICATOR, &SettingsRecord::ShowState},
                                   {IDC_LOAD_ON_STARTUP, &SettingsRecord::LoadOnStartUp},
                                   {IDC_DETECT_MIDDLE, &SettingsRecord::DetectMiddleButton},
                                   {IDC_SHOW_TRAY_ICON, &SettingsRecord::ShowTrayIcon},
                                   {IDC_TRAY_ON_MINIMIZE, &SettingsRecord::TrayOnMinimize},
                                   {IDC_ROLL_ON_MAXIMIZE, &SettingsRecord::RollUpOnMaximize},
                                   {IDC_CHORD, &SettingsRecord::Chord}};

// The file dialog's record and buffer live as long as the host.
OPENFILENAMEA BrowseRecord;
char BrowseFile[256];
HICON DialogIcons[2];

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

LRESULT SelectedRow(HWND dialog) {
    return SendDlgItemMessageA(dialog, IDC_CUSTOMIZED_LIST, LVM_GETNEXTITEM, WPARAM(-1),
                               LVNI_SELECTED);
}

void FillCustomizedList(HWND dialog) {
    HWND list = Item(dialog, IDC_CUSTOMIZED_LIST);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = 160;
    column.pszText = const_cast<char*>("Window title");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, LPARAM(&column));
    column.cx = 155, column.iSubItem = 1;
    column.pszText = const_cast<char*>("Class Name");
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, LPARAM(&column));
    auto* create = CommonControlsFunction<decltype(ImageList_Create)>("ImageList_Create");
    auto* add = CommonControlsFunction<decltype(ImageList_ReplaceIcon)>("ImageList_ReplaceIcon");
    if (create && add) {
        HIMAGELIST images = create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 0);
        HICON row = static_cast<HICON>(
            LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_WINDOW_ROW), IMAGE_ICON, 16, 16, 0));
        add(images, -1, row);
        DestroyIcon(row);
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(images));
    }
    for (int i = 0; i < CustomWindowCount; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        item.pszText = CustomWindowTable[i].Title;
        SendMessageA(list, LVM_INSERTITEMA, 0, LPARAM(&item));
        item.mask = LVIF_TEXT, item.iSubItem = 1;
        item.pszText = CustomWindowTable[i].ClassName;
        SendMessageA(list, LVM_SETITEMTEXTA, i, LPARAM(&item));
    }
}

void OnInitDialog(HWND dialog) {
    SetTimer(dialog, DeleteButtonTimer, 100, nullptr);
    SettingsDialogWindow = dialog;
    for (int big = 0; big < 2; ++big) {
        int size = big ? 32 : 16;
        DialogIcons[big] = static_cast<HICON>(LoadImageA(
            AppInstance, MAKEINTRESOURCEA(IDI_SETTINGS), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        SendMessageA(dialog, WM_SETICON, big ? ICON_BIG : ICON_SMALL, LPARAM(DialogIcons[big]));
    }
    HandCursor = LoadCursorA(AppInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    ArrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    FillFeatureLists(dialog);
    LoadSettingsIntoDialog(dialog);
    LoadCustomWindowTable();
    ShowCaptionPage(dialog);
    FillCustomizedList(dialog);
}

// The tray icon and the activation hot key, which only this caller changes.
void ApplyTrayIconAndHotKey() {
    if (Settings.ShowTrayIcon == 0) {
        TrayIconShown = 0;
        DeleteTrayIcon(MainWindow);
    } else if (Settings.ShowTrayIcon == 1 && TrayIconShown == 0) {
        TrayIconShown = 1;
        AddTrayIcon(MainWindow);
    }
    if (Settings.HotKey == 1) RegisterWindowFeaturesHotKey(MainWindow);
    if (Settings.HotKey == 0) UnregisterHotKey(MainWindow, int(WindowFeaturesHotKey));
}

void Close(HWND dialog) {
    SettingsDialogOpen = 0;
    KillTimer(dialog, DeleteButtonTimer);
    EndDialog(dialog, 1);
}

void Apply(HWND dialog) {
    SaveSettings(dialog);
    SettingsDialogOpen = 0;
    ApplySettings();
    ApplyTrayIconAndHotKey();
    Close(dialog);
}

// Loaded by name where it is first used: an import would load it with the host, and with it the
// common controls, which it imports under Wine.
HMODULE CommonDialogs;

decltype(GetOpenFileNameA)* OpenFileDialog() {
    if (!CommonDialogs) CommonDialogs = LoadLibraryA("comdlg32.dll");
    if (!CommonDialogs) return nullptr;
    return reinterpret_cast<decltype(GetOpenFileNameA)*>(
        reinterpret_cast<void*>(GetProcAddress(CommonDialogs, "GetOpenFileNameA")));
}

void Browse(HWND dialog, int edit) {
    BrowseRecord = {};
    BrowseRecord.lStructSize = sizeof BrowseRecord;
    BrowseRecord.hwndOwner = dialog;
    BrowseRecord.hInstance = AppInstance;
    BrowseRecord.lpstrFilter = "Program Files (*.exe;*.pif;*.com;*.bat)\0*.EXE;*.PIF;*.BAT;*.COM\0"
                               "All Files (*.*)\0*.*\0";
    BrowseRecord.nFilterIndex = 1;
    BrowseFile[0] = 0;
    BrowseRecord.lpstrFile = BrowseFile;
    BrowseRecord.nMaxFile = sizeof BrowseFile;
    BrowseRecord.lpstrTitle = "Browse";
    BrowseRecord.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    // An extension, not a pattern: it is appended to a name typed without one.
    BrowseRecord.lpstrDefExt = "exe";
    if (auto* open = OpenFileDialog(); open && open(&BrowseRecord))
        SetDlgItemTextA(dialog, edit, BrowseFile);
}

void WarnOfHiddenTrayIcon(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_SHOW_TRAY_ICON) == BST_UNCHECKED)
        MessageBoxA(dialog,
                    "You have selected \"hide tray icon\" option. Use Ctrl-Alt-R key combination "
                    "to popup Settings dialog later",
                    "Quillet 99", MB_OK | MB_ICONWARNING);
}

void DeleteSelectedEntry(HWND dialog) {
    HWND list = Item(dialog, IDC_CUSTOMIZED_LIST);
    LRESULT row = SelectedRow(dialog);
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) <= 0 || row < 0) return;
    if (MessageBoxA(dialog, "Are you sure you want to delete this item?", "Quillet 99",
                    MB_OKCANCEL | MB_ICONWARNING) != IDOK)
        return;
    char className[260] = {};
    LVITEMA item = {};
    item.iSubItem = 1, item.pszText = className, item.cchTextMax = sizeof className;
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), LPARAM(&item));
    SendMessageA(list, LVM_DELETEITEM, WPARAM(row), 0);
    DeleteCustomWindowEntry(className);
    SetWindowTextA(dialog, className);
}

void OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == CBN_SELCHANGE) {
        if (HWND(lParam) == Item(dialog, IDC_CAPTION_LIST))
            ShowCaptionFeatureSettings(
                dialog, SendDlgItemMessageA(dialog, IDC_CAPTION_LIST, CB_GETCURSEL, 0, 0));
        if (HWND(lParam) == Item(dialog, IDC_BODY_LIST))
            ShowBodyFeatureSettings(dialog,
                                    SendDlgItemMessageA(dialog, IDC_BODY_LIST, CB_GETCURSEL, 0, 0));
    }
    switch (wParam) {
    case IDOK: Apply(dialog); break;
    case IDCANCEL: Close(dialog); break;
    case IDC_RUN_BROWSE: Browse(dialog, IDC_RUN_COMMAND); break;
    case IDC_RUN_BODY_BROWSE: Browse(dialog, IDC_RUN_BODY_COMMAND); break;
    case IDC_SHOW_TRAY_ICON: WarnOfHiddenTrayIcon(dialog); break;
    case IDC_DELETE_ENTRY: DeleteSelectedEntry(dialog); break;
    case IDC_CONFIGURE_FOLDERS: OpenFavoriteFolders(dialog); break;
    case IDC_HELP_BUTTON: OpenHelpFile(dialog); break;
    default: break;
    }
}

void OnDestroy() {
    for (HICON& icon : DialogIcons)
        DestroyIcon(icon), icon = nullptr;
}

} // namespace

void OpenSettings(HWND mainWindow) {
    if (SettingsDialogOpen == 1) {
        SetForegroundWindow(SettingsDialogWindow);
        return;
    }
    EnsureCommonControls();
    SettingsDialogOpen = 1;
    // Shown by a thread that is not the foreground one, the dialog comes up active within it but
    // behind the window in front, without the keyboard.
    SetForegroundWindow(mainWindow);
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_SETTINGS), mainWindow, SettingsDlgProc, 0);
    // A dialog that could not be created must not block every later request.
    SettingsDialogOpen = 0;
}

void FillFeatureLists(HWND dialog) {
    AddFeatureNames(dialog, IDC_CAPTION_LIST, IDC_BODY_LIST);
}

void LoadSettingsIntoDialog(HWND dialog) {
    LoadSettings();
    // An index outside the list selects nothing.
    SendDlgItemMessageA(dialog, IDC_CAPTION_LIST, CB_SETCURSEL, WPARAM(Settings.CaptionFeature), 0);
    SendDlgItemMessageA(dialog, IDC_BODY_LIST, CB_SETCURSEL, WPARAM(Settings.BodyFeature), 0);
    for (const CheckBox& box : CheckBoxes)
        if (Settings.*box.field == 1) CheckDlgButton(dialog, box.id, BST_CHECKED);
    if (Settings.CtrlClipboard == 0 || Settings.CtrlClipboard == 1)
        CheckDlgButton(dialog, IDC_COPY_CHOICE + Settings.CtrlClipboard, BST_CHECKED);
    if (Settings.LogitechFeature == 0)
        CheckDlgButton(dialog, IDC_LOGITECH_DOUBLE_CLICK, BST_CHECKED);
    if (Settings.LogitechFeature == 1) CheckDlgButton(dialog, IDC_LOGITECH_DRAG_LOCK, BST_CHECKED);
    SendDlgItemMessageA(dialog, IDC_RUN_COMMAND, EM_LIMITTEXT, CommandSize - 1, 0);
    SendDlgItemMessageA(dialog, IDC_RUN_BODY_COMMAND, EM_LIMITTEXT, CommandSize - 1, 0);
    SetDlgItemTextA(dialog, IDC_RUN_COMMAND, Settings.RunCommand);
    SetDlgItemTextA(dialog, IDC_RUN_BODY_COMMAND, Settings.RunBodyCommand);
}

void SaveSettings(HWND dialog) {
    SettingsRecord values = {};
    values.CaptionFeature = LONG(SendDlgItemMessageA(dialog, IDC_CAPTION_LIST, CB_GETCURSEL, 0, 0));
    values.BodyFeature = LONG(SendDlgItemMessageA(dialog, IDC_BODY_LIST, CB_GETCURSEL, 0, 0));
    for (const CheckBox& box : CheckBoxes)
        values.*box.field = IsDlgButtonChecked(dialog, box.id) == BST_CHECKED;
    values.CtrlClipboard = IsDlgButtonChecked(dialog, IDC_PASTE_CHOICE) == BST_CHECKED;
    // Neither button checked stores no choice.
    values.LogitechFeature = IsDlgButtonChecked(dialog, IDC_LOGITECH_DRAG_LOCK) == BST_CHECKED ? 1
                             : IsDlgButtonChecked(dialog, IDC_LOGITECH_DOUBLE_CLICK) == BST_CHECKED
                                 ? 0
                                 : -1;
    GetDlgItemTextA(dialog, IDC_RUN_COMMAND, values.RunCommand, CommandSize);
    GetDlgItemTextA(dialog, IDC_RUN_BODY_COMMAND, values.RunBodyCommand, CommandSize);
    SaveSettingsValues(values);
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnCommand(dialog, wParam, lParam); break;
    case WM_TIMER:
        if (wParam == DeleteButtonTimer)
            EnableWindow(Item(dialog, IDC_DELETE_ENTRY), SelectedRow(dialog) >= 0);
        break;
    case WM_CLOSE:
        SettingsDialogOpen = 0;
        EndDialog(dialog, 1);
        break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_MOUSEMOVE: NavigatorHover(dialog); break;
    case WM_LBUTTONDOWN: NavigatorPress(dialog); break;
    case WM_LBUTTONUP: NavigatorRelease(dialog); break;
    default: break;
    }
    return FALSE;
}
