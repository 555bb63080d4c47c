#include "features/fast_folders.h"

#include "config/folders.h"
#include "config/settings.h"
#include "core/owned.h"
#include "features/foreign_window.h"
#include "features/popup_menu.h"
#include "resources/resource_ids.h"

HWND FastFoldersTarget;

HMENU BuildFoldersMenu() {
    HMENU menu = CreatePopupMenu();
    // All are listed; only the first sixteen have commands that act.
    for (int i = 0; i < FolderCount; ++i)
        AppendMenuA(menu, MF_STRING, IDM_FIRST_FOLDER + i, FolderList[i].path);
    if (FolderCount < 1) AppendMenuA(menu, MF_STRING, IDM_NO_FOLDERS, "[no items]");
    AppendMenuA(menu, MF_SEPARATOR, IDM_FOLDERS_SEPARATOR, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_FOLDERS_CANCEL, "Cancel");
    return menu;
}

void ShowFoldersMenu(HWND mainWindow, WPARAM, LPARAM) {
    FastFoldersTarget = GetForegroundWindow();
    // Without one (between two activations) the searches below would search the desktop.
    if (Settings.FastFolders != 1 || !FastFoldersTarget) return;
    // Only a dialog with a box to type into can take a folder.
    if (!FindWindowExA(FastFoldersTarget, nullptr, "Edit", nullptr) &&
        !FindWindowExA(FastFoldersTarget, nullptr, "RichEdit20W", nullptr))
        return;
    LoadFolderList();
    Owned<HMENU, DestroyMenu> menu(BuildFoldersMenu());
    TrackMenuAtCursor(menu, mainWindow);
    // The chosen command is still queued: the dialog is active again when it is typed in.
    if (IsWindow(FastFoldersTarget)) SetForegroundWindow(FastFoldersTarget);
}

void ApplyFolder(int number) {
    // The list may have been reloaded shorter since the menu was built.
    if (number < 0 || number >= FolderCount || !FolderList) return;
    const char* path = FolderList[number].path;
    if (HWND edit = FindWindowExA(FastFoldersTarget, nullptr, "Edit", nullptr)) {
        SendToWindow(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    }
    // Such dialogs name their file in the second rich edit box.
    HWND rich = FindWindowExA(FastFoldersTarget, nullptr, "RichEdit20W", nullptr);
    if (rich && (rich = FindWindowExA(FastFoldersTarget, rich, "RichEdit20W", nullptr))) {
        SendToWindow(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        for (const char* c = path; *c; ++c)
            PostMessageA(rich, WM_CHAR, static_cast<unsigned char>(*c), 0);
        PostMessageA(rich, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(rich, WM_KEYUP, VK_RETURN, 0);
    }
}
