// Fast Folders as a user meets it: the real Quillet99.exe over a real file dialog in another
// program, a right press on the dialog's "?" button, a folder chosen with the keyboard.
#include <gtest/gtest.h>

#include "harness.h"

TEST(FastFolders, ARightPressOnAFileDialogsHelpButtonJumpsItToTheFolderChosen) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    for (const char* folder : {"C:\\windows", "C:\\windows\\system32"})
        SetString(ProductPath + "\\Folders", folder, folder);
    Target target;
    Host host;
    ASSERT_TRUE(target.Start("files") && host.Start());
    PostMessageA(target.window, WM_APP + 2, 0, 0); // its file dialog
    HWND dialog = nullptr;
    POINT help = {};
    ASSERT_TRUE(WaitUntil([&] { // with its "?" button
        help = CaptionButton(dialog = FindWindowA("#32770", "Open"), HTHELP);
        return GetForegroundWindow() == dialog && help.x > 0;
    }));
    RECT menu = {};
    POINT at = {}; // by a right press on the "?" button, or else by Ctrl+Alt+F here
    auto menuOpens = [&](HWND front, bool hotKey = false, DWORD wait = 5000) {
        BringToFront(front), MoveMouseTo(at = hotKey ? Target::At(front, 40, 80) : help);
        if (!hotKey) PumpFor(300), ClickAt(at, Right); // once the cursor has settled there
        if (hotKey) PumpFor(300), HeldKey(VK_CONTROL), HeldKey(VK_MENU), Type({'F'});
        return WaitUntil([&] { return GetWindowRect(OpenMenu(), &menu) != FALSE; }, wait) &&
               menu.left == at.x && menu.top == at.y;
    };
    for (DWORD on : {0, 1}) { // switched off; over a window without a box to type into
        SetDword(SettingsPath, "FastFolders", on);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_FALSE(menuOpens(on ? MakeWindow("QuilletPlain") : dialog, on, 1000)) << on;
    }
    ASSERT_TRUE(menuOpens(dialog)) << "at the button";
    Type({VK_DOWN, VK_DOWN, VK_RETURN}); // the second folder
    // The dialog's current folder becomes the target's title (FindWindow ignores case).
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("QuilletTarget", "C:\\windows\\system32"); }));
    // A dialog without "?", its box nested: the first folder typed there and confirmed.
    PostMessageA(target.window, WM_APP + 3, 0, 0);
    ASSERT_TRUE(WaitUntil(
        [&] { return IsWindowVisible(dialog = FindWindowA(0, "Quillet Target nested")); }));
    ASSERT_TRUE(menuOpens(dialog, true)) << "at the cursor";
    Type({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("QuilletTarget", "C:\\windows"); }));
}
