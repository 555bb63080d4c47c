// The favourite folders inside the host: the store against a hostile registry, the Fast Folders
// menu as built, the folder typed into a dialog's boxes, and the "Favorite folders" dialog
// driven by real input, in one scenario.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>
#include <shlobj.h>

#include "config/folders.h"
#include "core/main_window.h"
#include "features/commands.h"
#include "features/fast_folders.h"
#include "settings_ui/favorite_folders.h"

const std::string Folders = ProductPath + "\\Folders";

static std::string Menu() { // as built from a fresh load: each item's text and id
    HMENU menu = (LoadFolderList(), BuildFoldersMenu());
    std::string text;
    char label[300];
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        text += std::string(label, GetMenuStringA(menu, i, label, sizeof label, MF_BYPOSITION)) +
                "=" + std::to_string(GetMenuItemID(menu, i)) + "|";
    return DestroyMenu(menu), text;
}

// What the rich edit boxes of a dialog received: "[text]" set ("first[text]" in the first),
// characters.
static std::string Received;
static LRESULT CALLBACK RichBox(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && GetWindow(window, GW_HWNDNEXT)) Received += "first";
    if (message == WM_SETTEXT) Received += "[" + std::string(reinterpret_cast<char*>(lParam)) + "]";
    if (message == WM_CHAR) Received += wParam < 256 ? std::string(1, char(wParam)) : "<bad>";
    return DefWindowProcA(window, message, wParam, lParam);
}

// On a thread of its own: the dialog, or the first folder typed.
static DWORD WINAPI OnThread(void* dialog) {
    return dialog ? OpenFavoriteFolders(nullptr) : ApplyFolder(0), 0;
}

TEST(Folders, StoreMenuTypingAndDialogListValueNamesTypeAndAddOrRemoveOnlyWhenConfirmed) {
    EXPECT_EQ(Menu(), "[no items]=10104|=10102|Cancel=10103|");
    const std::string fits = "C:\\" + std::string(252, 'l'), cut = "C:\\" + std::string(253, 'k');
    for (const char* path : {"C:\\c", "C:\\b", "C:\\a", "C:\\c"})
        EXPECT_TRUE(AddFolder(path));
    SetString(Folders, cut.c_str(), ""); // by hand, as the next two: too long to be listed
    SetString(Folders, fits.c_str(), "C:\\data");
    SetRaw(Folders, "C:\\d", REG_BINARY, std::string(70000, 'd').c_str(), 70000);
    RemoveFolder("C:\\b");
    EXPECT_EQ(Menu(), "C:\\a=10000|C:\\c=10001|C:\\d=10002|" + fits + "=10003|=10102|Cancel=10103|")
        << "Wine enumerates sorted by name";
    for (int i = 10; i < 70; ++i)
        SetString(Folders, ("C:\\e" + std::to_string(i)).c_str(), "");
    EXPECT_NE(Menu().find("C:\\e56=10049|=10102|Cancel=10103|"), std::string::npos) << "fifty";
    EXPECT_TRUE(AddFolder("C:\\a") && !AddFolder("C:\\new")) << "a full list takes no more";

    // The second of two rich edit boxes gets the first folder, even beside an "Edit" box (which
    // the end-to-end test fills); the folders past the sixteenth do nothing.
    FastFoldersTarget = MakeWindow("QuilletFileDialog");
    CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 99, 20, FastFoldersTarget, 0, 0, 0);
    for (int box = 0; box < 2; ++box)
        MakeWindow("RichEdit20W", WS_CHILD, FastFoldersTarget, RichBox);
    SetString(Folders, "C:\\!Caf\xe9", ""), LoadFolderList();
    HandleCommand(nullptr, 10016), HandleCommand(nullptr, 10000), PumpFor(100);
    EXPECT_EQ(Received, "[]C:\\!Caf\xe9");
    // Windows Vista's Save dialog nests its box deeper, after the list of file types.
    HWND names = nullptr, view = FastFoldersTarget = MakeWindow("QuilletSaveDialog");
    for (const char* level : {"DUIViewWndClassName", "DirectUIHWND"})
        view = MakeWindow(level, WS_CHILD, view);
    for (DWORD style : {CBS_DROPDOWNLIST, CBS_DROPDOWN})
        names = CreateWindowA("ComboBox", "", WS_CHILD | style, 0, 0, 99, 99,
                              MakeWindow("FloatNotifySink", WS_CHILD, view), 0, 0, 0);
    char typed[MAX_PATH] = {};
    ApplyFolder(0), GetWindowTextA(FindWindowExA(names, 0, "Edit", 0), typed, MAX_PATH);
    EXPECT_STREQ(typed, "C:\\!Caf\xe9");
    Target hung; // a program that hangs does not hang the host
    ASSERT_TRUE(hung.Start("hung") && PostMessageA(hung.window, WM_APP + 1, 0, 0));
    FastFoldersTarget = hung.window;
    HANDLE typing = CreateThread(nullptr, 0, OnThread, nullptr, 0, nullptr);
    EXPECT_EQ(WaitForSingleObject(typing, 8000), WAIT_OBJECT_0) << "hung with the program";

    // The "Favorite folders" dialog adds through the folder browser at the top of its list.
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    AddFolder("C:\\windows"), LoadFolderList();
    AppInstance = GetModuleHandleA(nullptr);
    HWND box = nullptr, ask = nullptr;
    CreateThread(nullptr, 0, OnThread, &box, 0, nullptr);
    ASSERT_TRUE(WaitUntil([&] { // shown, its rows filled
        box = FindWindowA("#32770", "Favorite folders");
        return IsWindowVisible(box) && GetForegroundWindow() == box;
    }));
    HWND list = GetDlgItem(box, 1235), remove = GetDlgItem(box, 1138);
    auto top = [&] { // the first row
        char text[MAX_PATH] = {};
        ListView_GetItemText(list, 0, 0, text, MAX_PATH);
        return std::string(text);
    };
    auto click = [](HWND control, LONG y = 8) { ClickAt(Target::At(control, 10, y), Left); };
    click(GetDlgItem(box, 1236));
    ASSERT_TRUE(WaitUntil([&] { // once its tree is filled
        return TreeView_GetRoot(FindWindowExA(GetLastActivePopup(box), 0, "SysTreeView32", 0));
    }));
    Type({VK_HOME, VK_RETURN}); // the desktop
    char desktop[MAX_PATH];
    SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    EXPECT_TRUE(WaitUntil([&] { return top() == desktop && Stored(Folders, desktop) == desktop; }))
        << "at the top at once";
    // "Remove" follows the selection; it asks first and removes on OK only.
    click(list, 26); // the first row
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(remove) != FALSE; }, 300));
    for (WORD answer : {VK_ESCAPE, VK_RETURN}) {
        click(remove);
        ASSERT_TRUE(WaitUntil([&] { return (ask = FindWindowA("#32770", "Quillet 99")) != 0; }));
        Type({answer});
        std::string left = answer == VK_ESCAPE ? desktop : "<none>";
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(ask) && Stored(Folders, desktop) == left; }));
    }
    EXPECT_TRUE(top() == "C:\\windows" && WaitUntil([&] { return !IsWindowEnabled(remove); }));
    SetString(Folders, "C:\\meanwhile", ""); // closed, the list is the store's again
    click(GetDlgItem(box, 2));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }) && FolderCount == 2);
}
