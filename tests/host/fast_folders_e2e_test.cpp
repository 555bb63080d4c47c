// Fast Folders as a user meets it: the real Quillet99.exe over a real file dialog in another
// program, a right press on the dialog's "?" button, a folder chosen with the keyboard.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(FastFolders, ARightPressOnAFileDialogsHelpButtonJumpsItToTheFolderChosen) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    for (const char* folder : {"C:\\windows", "C:\\windows\\system32"})
        SetString(ProductPath + "\\Folders", folder, folder);
    Target target;
    ASSERT_TRUE(target.Start("files"));
    Host host;
    ASSERT_TRUE(host.Start());
    PostMessageA(target.window, WM_APP + 2, 0, 0); // its file dialog, with a "?" button
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = FindWindowA("#32770", "Open");
        RECT r;
        return GetWindowRect(dialog, &r) && GetForegroundWindow() == dialog &&
               CaptionButton(dialog, HTHELP).x > r.left;
    }));
    POINT help = CaptionButton(dialog, HTHELP);
    auto menuOpens = [&] {
        MoveMouseTo(help), PumpFor(300); // under Wine a press at once after a move is lost
        ClickAt(help, Right);
        return WaitUntil([] { return OpenMenu() != nullptr; }, 1000);
    };
    // Switched off, or over a window without a box to type into: no menu.
    for (DWORD on : {0, 1}) {
        SetDword(SettingsPath, "FastFolders", on);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        HWND plain = MakeWindow("QuilletPlain");
        ASSERT_TRUE(BringToFront(on ? plain : dialog));
        EXPECT_FALSE(menuOpens()) << on;
        DestroyWindow(plain);
    }
    ASSERT_TRUE(BringToFront(dialog));
    ASSERT_TRUE(menuOpens());
    RECT menu;
    GetWindowRect(OpenMenu(), &menu);
    EXPECT_TRUE(menu.left == help.x && menu.top == help.y) << "at the cursor";
    Type({VK_DOWN, VK_DOWN, VK_RETURN}); // the second folder
    char shown[MAX_PATH] = {}; // the dialog's current folder, as the target sees it
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowTextA(target.window, shown, MAX_PATH);
        return !lstrcmpiA(shown, "C:\\windows\\system32");
    })) << shown;
}

} // namespace
