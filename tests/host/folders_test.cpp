// The favourite folders inside the host: the store against a hostile registry, the Fast Folders
// menu as built, the folder typed into a dialog's boxes, and the "Favorite folders" dialog
// driven by real input.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <map>

#include "config/folders.h"
#include "core/main_window.h"
#include "features/commands.h"
#include "features/fast_folders.h"
#include "harness.h"
#include "settings_ui/favorite_folders.h"

namespace {

const std::string FoldersPath = ProductPath + "\\Folders";

std::string Listed() {
    std::string text;
    for (int i = 0; i < FolderCount; ++i)
        text += std::string(FolderList[i].path) + "|";
    return text;
}

// What the boxes of a dialog received: "[text]" set, characters typed, <down13> <up13> keys.
std::map<HWND, std::string> Received;
LRESULT CALLBACK Box(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::string& log = Received[window];
    if (message == WM_SETTEXT) log += "[" + std::string(reinterpret_cast<char*>(lParam)) + "]";
    if (message == WM_CHAR) log += wParam < 256 ? std::string(1, char(wParam)) : "<bad>";
    if (message == WM_KEYDOWN || message == WM_KEYUP)
        log += (message == WM_KEYDOWN ? "<down" : "<up") + std::to_string(wParam) + ">";
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI TypeFolder(void*) {
    return ApplyFolder(0), 0;
}

TEST(Folders, TheStoreListsValueNamesInRegistryOrderAndOnlyWhatItCanHold) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    LoadFolderList();
    HMENU menu = BuildFoldersMenu();
    char text[16];
    EXPECT_TRUE(GetMenuItemCount(menu) == 3 && GetMenuItemID(menu, 0) == 10104 &&
                GetMenuStringA(menu, 0, text, 16, MF_BYPOSITION) && !strcmp(text, "[no items]") &&
                GetMenuItemID(menu, 2) == 10103 && DestroyMenu(menu));
    const std::string fits = "C:\\" + std::string(252, 'l'), cut = "C:\\" + std::string(252, 'k');
    for (const char* path : {"C:\\c", "C:\\b", "C:\\a", "C:\\c"})
        EXPECT_TRUE(AddFolder(path));
    EXPECT_FALSE(AddFolder((cut + "k").c_str())) << "256 characters could never be listed";
    SetString(FoldersPath, (cut + "k").c_str(), "too long"); // by hand
    SetString(FoldersPath, fits.c_str(), "C:\\data"); // listed by its name
    SetRaw(FoldersPath, "C:\\d", REG_BINARY, std::string(70000, 'd').c_str(), 70000);
    RemoveFolder("C:\\b");
    RemoveFolder("C:\\nothing");
    LoadFolderList();
    EXPECT_EQ(Listed(), "C:\\a|C:\\c|C:\\d|" + fits + "|") << "Wine enumerates sorted by name";
    for (int i = 10; i < 70; ++i)
        SetString(FoldersPath, ("C:\\e" + std::to_string(i)).c_str(), "by hand");
    LoadFolderList();
    EXPECT_TRUE(FolderCount == 50 && Listed().find(cut) == std::string::npos);
    EXPECT_TRUE(AddFolder("C:\\a") && !AddFolder("C:\\new")) << "a full key takes no more";
    EXPECT_EQ(Stored(FoldersPath, "C:\\new"), "<none>");
    menu = BuildFoldersMenu();
    EXPECT_TRUE(GetMenuItemCount(menu) == 52 && GetMenuItemID(menu, 49) == 10049) << "all listed";
    DestroyMenu(menu);

    // A dialog with an "Edit" box and two rich edit boxes gets the folder both ways; the
    // folders past the sixteenth do nothing.
    HWND dialog = MakeWindow("QuilletFileDialog");
    HWND edit = CreateWindowA("EDIT", "old", WS_CHILD, 0, 0, 99, 20, dialog, 0, 0, 0),
         first = MakeWindow("RichEdit20W", WS_CHILD, dialog, Box),
         second = MakeWindow("RichEdit20W", WS_CHILD, dialog, Box);
    SetString(FoldersPath, "C:\\!Caf\xe9", ""); // the first, by name
    LoadFolderList();
    FastFoldersTarget = dialog;
    HandleCommand(nullptr, 10016);
    HandleCommand(nullptr, 10000);
    PumpFor(100);
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "C:\\!Caf\xe9");
    EXPECT_EQ(Received[second], "[]C:\\!Caf\xe9<down13><up13>");
    EXPECT_EQ(Received[first], "");
    DestroyWindow(dialog);

    // A program that hangs does not hang the host.
    Target hung;
    ASSERT_TRUE(hung.Start("hung"));
    PostMessageA(hung.window, WM_APP + 1, 0, 0);
    FastFoldersTarget = hung.window;
    HANDLE typing = CreateThread(nullptr, 0, TypeFolder, nullptr, 0, nullptr);
    EXPECT_EQ(WaitForSingleObject(typing, 8000), WAIT_OBJECT_0) << "hung with the program";
}

DWORD WINAPI RunDialog(void*) {
    return OpenFavoriteFolders(nullptr), 0;
}

TEST(Folders, TheDialogAddsThroughTheFolderBrowserAndRemovesOnlyWhenConfirmed) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    AddFolder("C:\\windows");
    LoadFolderList();
    AppInstance = GetModuleHandleA(nullptr);
    HWND box = nullptr, list = nullptr, remove = nullptr;
    auto open = [&] {
        HANDLE thread = CreateThread(nullptr, 0, RunDialog, nullptr, 0, nullptr);
        EXPECT_TRUE(WaitUntil([&] {
            box = FindWindowA("#32770", "Favorite folders");
            return IsWindowVisible(box) && GetForegroundWindow() == box;
        }));
        list = GetDlgItem(box, 1235), remove = GetDlgItem(box, 1138);
        return thread;
    };
    auto row = [&](int at) {
        char text[MAX_PATH] = {};
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE, item.iItem = at, item.pszText = text;
        item.cchTextMax = MAX_PATH, item.iImage = 5;
        SendMessageA(list, LVM_GETITEMA, 0, LPARAM(&item));
        return std::to_string(item.iImage) + text;
    };
    auto click = [&](HWND control) { ClickAt(Target::At(control, 10, 8), Left); };
    HANDLE dialog = open();
    HIMAGELIST images = HIMAGELIST(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_TRUE(row(0) == "0C:\\windows" && ImageList_GetImageCount(images) == 1);
    click(GetDlgItem(box, 1236));
    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { // once its tree is filled
        HWND tree = FindWindowExA(browser = GetLastActivePopup(box), 0, "SysTreeView32", 0);
        return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0) != 0;
    }));
    Type({VK_HOME, VK_RETURN}); // the desktop
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(browser); }));
    char desktop[MAX_PATH];
    SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    EXPECT_EQ(row(0), std::string("0") + desktop) << "at the top at once";
    EXPECT_EQ(Stored(ProductPath + "\\Folders", desktop), desktop);
    // "Remove" follows the selection; it asks first and removes on OK only.
    EXPECT_FALSE(IsWindowEnabled(remove));
    RECT first = {LVIR_LABEL, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, 0, LPARAM(&first));
    ClickAt(Target::At(list, first.left + 5, first.top + 5), Left);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(remove) != FALSE; }, 300));
    for (WORD answer : {VK_ESCAPE, VK_RETURN}) {
        click(remove);
        ASSERT_TRUE(WaitUntil([&] { return FindWindowA("#32770", "Quillet 99") != nullptr; }));
        HWND ask = FindWindowA("#32770", "Quillet 99");
        EXPECT_TRUE(FindWindowExA(ask, nullptr, nullptr,
                                  "Are you sure you want to delete this item?") != nullptr);
        Type({answer});
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(ask); }));
    }
    EXPECT_TRUE(row(0) == "0C:\\windows" && Stored(ProductPath + "\\Folders", desktop) == "<none>");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(remove); }, 300));
    // Closed by its button, Escape or the close box, the list is the store's again.
    for (int way = 0; way < 3; ++way) {
        if (way) dialog = open();
        SetString(ProductPath + "\\Folders", ("C:\\way" + std::to_string(way)).c_str(), "");
        if (way == 0) click(GetDlgItem(box, 2));
        if (way == 1) Type({VK_ESCAPE});
        if (way == 2) ClickAt(CaptionButton(box, HTCLOSE), Left);
        EXPECT_EQ(WaitForSingleObject(dialog, 5000), WAIT_OBJECT_0);
        EXPECT_EQ(FolderCount, 2 + way) << way;
    }
}

} // namespace
