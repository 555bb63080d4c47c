#include "settings_ui/favorite_folders.h"

#include <commctrl.h>
#include <shlobj.h>

#include "config/folders.h"
#include "core/host.h"
#include "resources/resource_ids.h"
#include "settings_ui/common_controls.h"

namespace {

constexpr UINT_PTR RemoveButtonTimer = 100991;

void InsertRow(HWND list, int row, const char* path) {
    char text[FolderPathLength + 1];
    lstrcpynA(text, path, sizeof text);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = text;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int SelectedRow(HWND list) {
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void OnInitDialog(HWND dialog) {
    SetTimer(dialog, RemoveButtonTimer, 10, nullptr);
    HWND list = GetDlgItem(dialog, IDC_FOLDER_LIST);
    char title[] = "Folder path";
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, column.fmt = LVCFMT_LEFT;
    column.cx = 160, column.pszText = title;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    // The list destroys its image list with itself.
    auto* create =
        CommonControlsFunction<HIMAGELIST WINAPI(int, int, UINT, int, int)>("ImageList_Create");
    auto* replace =
        CommonControlsFunction<int WINAPI(HIMAGELIST, int, HICON)>("ImageList_ReplaceIcon");
    HIMAGELIST images = create ? create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 0) : nullptr;
    auto icon = static_cast<HICON>(
        LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_FOLDER), IMAGE_ICON, 16, 16, 0));
    if (images && replace) replace(images, -1, icon); // -1: appended
    DestroyIcon(icon);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    for (int i = 0; i < FolderCount; ++i)
        InsertRow(list, i, FolderList[i].path);
}

void RemoveSelectedFolder(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_FOLDER_LIST);
    int row = SelectedRow(list);
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) < 1 || row < 0) return;
    if (MessageBoxA(dialog, "Are you sure you want to delete this item?", "Quillet 99",
                    MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    char path[256] = {};
    LVITEMA item = {};
    item.pszText = path;
    item.cchTextMax = sizeof path;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, LVM_DELETEITEM, row, 0);
    RemoveFolder(path);
    LoadFolderList();
}

void AddChosenFolder(HWND dialog) {
    char name[MAX_PATH], title[] = "Select the folder you want to add to your favorites folders "
                                   "list:";
    BROWSEINFOA browse = {dialog, nullptr, name, title, BIF_RETURNONLYFSDIRS, nullptr, 0, 0};
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen) return;
    char path[MAX_PATH];
    if (SHGetPathFromIDListA(chosen, path)) {
        HWND list = GetDlgItem(dialog, IDC_FOLDER_LIST);
        LVFINDINFOA find = {};
        find.flags = LVFI_STRING, find.psz = path;
        // A folder listed already, or one the store cannot take, gets no second row.
        bool listed = SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(&find)) >= 0;
        if (AddFolder(path) && !listed) InsertRow(list, 0, path);
        LoadFolderList();
    }
    // The shell's own allocator: Windows 95 has no other for item lists.
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc))) {
        shellMalloc->Free(chosen);
        shellMalloc->Release();
    }
}

void OnCommand(HWND dialog, WPARAM wParam) {
    switch (wParam) {
    case IDOK:
    case IDCANCEL:
        // Whatever was changed meanwhile, the list is the store's again.
        LoadFolderList();
        KillTimer(dialog, RemoveButtonTimer);
        EndDialog(dialog, 1);
        break;
    case IDC_REMOVE_FOLDER: RemoveSelectedFolder(dialog); break;
    case IDC_ADD_FOLDER: AddChosenFolder(dialog); break;
    default: break;
    }
}

} // namespace

INT_PTR CALLBACK FavoriteFoldersDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_TIMER:
        EnableWindow(GetDlgItem(dialog, IDC_REMOVE_FOLDER),
                     SelectedRow(GetDlgItem(dialog, IDC_FOLDER_LIST)) >= 0);
        break;
    case WM_COMMAND: OnCommand(dialog, wParam); break;
    default: break;
    }
    return FALSE;
}

void OpenFavoriteFolders(HWND owner) {
    EnsureCommonControls();
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_FAVORITE_FOLDERS), owner,
                    FavoriteFoldersDlgProc, 0);
}
