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
    // A box of its own, to be typed into by nothing; no window in front, as between activations.
    HWND box = CreateWindowA("EDIT", "", WS_POPUP | WS_VISIBLE, 700, 500, 200, 99, 0, 0, 0, 0);
    auto menuOpens = [&](HWND front) {
        BringToFront(front ? front : box), front || SetActiveWindow(nullptr);
        SettledClickAt(help, Right);
        return WaitUntil([&] { return GetWindowRect(OpenMenu(), &menu) != FALSE; }, 1000);
    };
    for (HWND front : {dialog, box, HWND()}) { // switched off; over a window without a box; none
        SetDword(SettingsPath, "FastFolders", front != dialog);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_FALSE(menuOpens(front)) << front;
    }
    ASSERT_TRUE(menuOpens(dialog) && menu.left == help.x && menu.top == help.y) << "at the button";
    Type({VK_DOWN, VK_DOWN, VK_RETURN}); // the second folder
    // The dialog's current folder becomes the target's title (FindWindow ignores case).
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("QuilletTarget", "C:\\windows\\system32"); }));
}
