// The real Quillet99.exe and real target programs, driven by real mouse and keyboard input and
// observed from outside.
#include <gtest/gtest.h>

#include "harness.h"
#include "resources/version.h"

// An icon of the notification area, counted from the right end of the taskbar, where the shell
// puts the first one: the host's own.
static POINT TrayIcon(int place) {
    RECT bar;
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
    LONG cell = GetSystemMetrics(SM_CXSMICON) + 4;
    return {bar.right - cell * place - cell / 2, (bar.top + bar.bottom) / 2};
}

// The menu that a click of this button here opens, or Ctrl+Alt+M without a place, at the
// cursor or as near as the screen allows; these keys typed into it. The milliseconds it took.
static DWORD UseMenu(std::initializer_list<WORD> keys, POINT at = {}, Button button = Middle) {
    if (at.x) MoveMouseTo(at), PumpFor(300); // under Wine a press at once after a move is lost
    DWORD pressed = at.x ? ClickAt(at, button) : GetTickCount();
    if (!at.x) HeldKey(VK_CONTROL), HeldKey(VK_MENU), Type({'M'}); // held to the statement's end
    RECT menu = {};
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(OpenMenu(), &menu) != FALSE; }));
    DWORD opened = GetTickCount() - pressed;
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE((menu.left == cursor.x || menu.right == GetSystemMetrics(SM_CXSCREEN)) &&
                (menu.top == cursor.y || menu.bottom <= cursor.y));
    Type(keys);
    EXPECT_TRUE(WaitUntil([] { return !OpenMenu(); }));
    return opened;
}
static DWORD TrayMenu(std::initializer_list<WORD> keys) {
    return UseMenu(keys, TrayIcon(0), Right);
}

TEST(EndToEnd, TheTrayMenuAndTheWindowFeaturesMenuCommandTheHostAndItsFeatures) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str()); // a first run
    Recorder browser("browser.exe");                      // web addresses open in it
    RegSetValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", REG_SZ,
                 (browser.program + " %1").c_str(), 0);
    Target target;
    Host host;
    Child second;
    ASSERT_TRUE(target.Start("e2e") && host.Start());
    ASSERT_TRUE(second.Start("\"" + BinPath("Quillet99.exe") + "\""));
    EXPECT_EQ(second.Wait(5000), 0u) << "a second copy must end at once";

    // The tray menu, driven as a user drives it.
    ClickAt(TrayIcon(0), Left), PumpFor(300);
    EXPECT_EQ(OpenMenu(), nullptr) << "a left click on the icon";
    EXPECT_GE(TrayMenu({'N'}), 90u) << "the menu opens 100 ms after the press";
    ASSERT_TRUE(WaitUntil([&] { return !host.hook.shared->hookProc; })) << "suspended";
    TrayMenu({'C'});
    EXPECT_TRUE(WaitUntil([&] { return host.hook.shared->hookProc != nullptr; })) << "active";
    TrayMenu({'F', 'C', 'Y'});
    ClickAt(target.Caption(), Middle);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(target.window); }));
    ClickAt(TrayIcon(1), Left);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(target.window); }));

    // Copy and paste in the edit control: Ctrl+C with Ctrl held, Ctrl+V without.
    TrayMenu({'F', 'I', VK_UP, VK_RETURN});
    SetForegroundWindow(target.window); // the menu left the host's hidden window active
    char text[64]; // another program's control: its text only through the messages
    auto edit = [&] {
        return std::string(text, SendMessageA(target.edit, WM_GETTEXT, 64, LPARAM(text)));
    };
    const std::string copied = "copied at " + std::to_string(GetTickCount());
    for (bool control : {true, false}) {
        MoveMouseTo(Target::At(target.edit, 30, 30)); // entering a window resets the modifiers
        HeldKey held(control ? VK_CONTROL : 0);
        SendMessageA(target.edit, WM_SETTEXT, 0, LPARAM(control ? copied.c_str() : "selected"));
        SendMessageA(target.edit, EM_SETSEL, 0, -1);
        ClickAt(Target::At(target.edit, 30, 30), Middle);
        EXPECT_TRUE(WaitUntil([&] { return Clipboard() == copied && edit() == copied; }));
    }

    // The About box: its home page button opens the page and leaves the box open; Esc closes it.
    TrayMenu({'A'});
    HWND about = FindWindowA("#32770", "About Quillet 99");
    ClickAt(Target::At(GetDlgItem(about, 1240), 20, 5), Left);
    EXPECT_TRUE(WaitUntil([&] { return browser.Runs(QUILLET_HOME_PAGE) == 1 && IsWindow(about); }));
    Type({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    RegSetValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", REG_SZ, "winebrowser %1", 0);

    // The window-features menu from a caption, from inside a window and from Ctrl+Alt+M acts on
    // the window in the foreground (one of the test's), not on the one clicked.
    TrayMenu({'F', 'C', 'F'});
    TrayMenu({'F', 'I', 'F'});
    HWND foreground = MakeWindow("QuilletForeground");
    auto pinned = [](HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(BringToFront(foreground));
    UseMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, target.Caption()); // "Nail   Window"
    EXPECT_TRUE(WaitUntil([&] { return pinned(foreground) && !pinned(target.window); }));
    UseMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, target.Client());
    EXPECT_TRUE(WaitUntil([&] { return !pinned(foreground); })) << "nailed twice";
    EXPECT_EQ(target.Count(WM_MBUTTONDOWN), 0) << "swallowed";
    UseMenu({VK_DOWN, VK_DOWN, VK_RETURN}); // "Tray  Window"
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(foreground); }) &&
                IsWindowVisible(target.window));
    // "Close" on a program that hangs does not hang the host: it still exits, giving back.
    ASSERT_TRUE(BringToFront(target.window));
    PostMessageA(target.window, WM_APP + 1, 0, 0);
    UseMenu({VK_UP, VK_RETURN});
    TrayMenu({'X'});
    EXPECT_EQ(host.process.Wait(10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(foreground); }) &&
                !Notify(NIM_MODIFY, host.window, 42));
}
