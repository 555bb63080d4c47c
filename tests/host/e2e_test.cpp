// The real Quillet99.exe and real target programs, driven by real mouse and keyboard input and
// observed from outside.
#include <gtest/gtest.h>

#include "harness.h"

// The menu that a click of this button here opens, or Ctrl+Alt+M without a place; these keys
// typed into it. The milliseconds it took to open.
static DWORD UseMenu(std::initializer_list<WORD> keys, POINT at = {}, Button button = Middle) {
    DWORD pressed = at.x ? SettledClickAt(at, button) : GetTickCount();
    if (!at.x) CtrlAlt('M');
    EXPECT_TRUE(WaitUntil([] { return OpenMenu() != nullptr; }));
    DWORD opened = GetTickCount() - pressed;
    Type(keys);
    EXPECT_TRUE(WaitUntil([] { return !OpenMenu(); }));
    return opened;
}
const auto TrayMenu = [](std::initializer_list<WORD> k) { return UseMenu(k, TrayIcon(0), Right); };

TEST(EndToEnd, TheTrayMenuAndTheWindowFeaturesMenuCommandTheHostAndItsFeatures) {
    SetDword(SettingsPath, "CaptionFeature", CAPTION_START_MENU); // one the tray menu changes
    Target target;
    Host host;
    Child second;
    ASSERT_TRUE(target.Start("e2e") && host.Start());
    ASSERT_TRUE(second.Start("\"" + BinPath("Quillet99.exe") + "\""));
    EXPECT_EQ(second.Wait(5000), 0u) << "a second copy must end at once";

    // The tray menu, driven as a user drives it.
    EXPECT_GE(TrayMenu({'N'}), 90u) << "the menu opens 100 ms after the press";
    ASSERT_TRUE(WaitUntil([&] { return !host.hook.shared->hookProc; })) << "suspended";
    TrayMenu({'C'});
    EXPECT_TRUE(WaitUntil([&] { return host.hook.shared->hookProc != nullptr; })) << "active";
    TrayMenu({'F', 'C', 'Y'});
    // A window in the tray has its title in any script as its tip, after a restart of the shell
    // too; shown again by its own program, it leaves its icon and its slot to the next one.
    const wchar_t* title = L"Quillet \x0416\x0443\x0440\x043d\x0430\x043b \x65e5\x8a18";
    HWND own = CreateWindowW(L"STATIC", title, WS_CAPTION | WS_VISIBLE, 0, 0, 99, 99, 0, 0, 0, 0);
    auto icon = [&] { return Notify(NIM_MODIFY, host.window, 555); };
    PostMessageA(host.window, UM_TRAY_WINDOW, Low16(own), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(own) && icon(); }));
    EXPECT_EQ(TipAt(TrayIcon(1)), title);
    Notify(NIM_DELETE, host.window, 555); // as with a new shell
    PostMessageA(host.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil(icon) && TipAt(TrayIcon(1)) == title) << "added back";
    ShowWindow(own, SW_SHOW);
    EXPECT_TRUE(WaitUntil([&] { return !icon(); })) << "kept";
    DestroyWindow(own), ClickAt(target.Caption(), Middle);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(target.window) && icon(); }));
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

    // The window-features menu from a caption, from inside a window and from Ctrl+Alt+M acts on
    // the window in the foreground (one of the test's), not on the one clicked.
    TrayMenu({'F', 'C', 'F'});
    TrayMenu({'F', 'I', 'F'});
    HWND foreground = MakeWindow("QuilletForeground");
    MoveWindow(foreground, 700, 450, 300, 240, TRUE); // clear of the target's caption and client
    auto pinned = [](HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(BringToFront(foreground));
    UseMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, target.Caption()); // "Nail   Window"
    EXPECT_TRUE(WaitUntil([&] { return pinned(foreground) && !pinned(target.window); }));
    UseMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, target.Client());
    EXPECT_TRUE(WaitUntil([&] { return !pinned(foreground); })) << "nailed twice";
    UseMenu({VK_DOWN, VK_DOWN, VK_RETURN}); // "Tray  Window"
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(foreground); }) &&
                IsWindowVisible(target.window));
    TrayMenu({'X'}); // giving back
    EXPECT_EQ(host.process.Wait(10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(foreground); }) &&
                !Notify(NIM_MODIFY, host.window, 42));
}

// A program that hangs holds up nothing: after each command on its window the host carries out
// a posted request within 1 s (a sent one it would answer even while it waited).
TEST(EndToEnd, AHungProgramHoldsUpNothingAndItsWindowIsUnrolledOnceItAnswers) {
    HWND other = MakeWindow("QuilletOther");
    Target target;
    Host host;
    ASSERT_TRUE(target.Start("hung") && host.Start() && BringToFront(target.window));
    auto front = [&] { return GetForegroundWindow() == target.window; }; // as the menu left it
    auto rolled = [](HWND w) { return RegionBottom(w) == RolledBottom(); };
    auto roll = [&](HWND w) { // up or down, on a posted request
        bool was = rolled(w);
        PostMessageA(host.window, UM_ROLL_WINDOW, Low16(w), 0);
        return WaitUntil([&] { return rolled(w) != was; }, 1000);
    };
    ASSERT_TRUE(roll(target.window) && PostMessageA(target.window, WM_APP + 1, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(target.window) && front(); }, 8000));
    UseMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}); // "Nail   Window"
    EXPECT_TRUE(roll(other) && front()) << "after Nail";
    UseMenu({VK_DOWN, VK_DOWN, VK_RETURN}); // "Roll   Window": left rolled up
    EXPECT_TRUE(roll(other) && front() && rolled(target.window)) << "after Roll";
    UseMenu({VK_UP, VK_RETURN}); // "Close"
    EXPECT_TRUE(roll(other) && host.Closes(5000) && rolled(target.window)) << "Close, exit";
    // The next start while it hangs takes it over; the one after it answers unrolls it.
    for (bool hangs : {true, false}) {
        if (!hangs) SetEvent(CreateEventA(nullptr, FALSE, FALSE, "QuilletTargetWakes"));
        Host next;
        ASSERT_TRUE(next.Start()) << hangs;
        EXPECT_NE(WaitUntil([&] { return !rolled(target.window); }, 2000), hangs);
        EXPECT_TRUE(next.Closes(5000)) << hangs;
    }
    EXPECT_TRUE(GetWindowLongA(target.window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "nailed meanwhile";
}
