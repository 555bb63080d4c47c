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
    auto menuOpens = [&](HWND front) {
        BringToFront(front), SettledClickAt(help, Right);
        return WaitUntil([&] { return GetWindowRect(OpenMenu(), &menu) != FALSE; }, 1000);
    };
    for (DWORD on : {0, 1}) { // switched off; over a window without a box to type into
        SetDword(SettingsPath, "FastFolders", on);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_FALSE(menuOpens(on ? MakeWindow("QuilletPlain") : dialog)) << on;
    }
    ASSERT_TRUE(menuOpens(dialog) && menu.left == help.x && menu.top == help.y) << "at the button";
    Type({VK_DOWN, VK_DOWN, VK_RETURN}); // the second folder
    // The dialog's current folder becomes the target's title (FindWindow ignores case).
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("QuilletTarget", "C:\\windows\\system32"); }));
}
