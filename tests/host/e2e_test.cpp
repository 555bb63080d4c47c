// The real Quillet99.exe and real target programs, driven by real mouse and keyboard input and
// observed from outside.
#include <gtest/gtest.h>

#include <memory>

#include "harness.h"

namespace {

// The icon at the right end of the taskbar, where the shell puts the first one.
POINT FirstTrayIcon() {
    RECT bar;
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
    return {bar.right - (GetSystemMetrics(SM_CXSMICON) + 4) / 2, (bar.top + bar.bottom) / 2};
}

std::string Clipboard() {
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000);
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* chars = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    std::string text = chars ? chars : "";
    CloseClipboard();
    return text;
}

TEST(EndToEnd, FeatureClicksAreSwallowedAndCarriedOutAndClosingGivesEverythingBack) {
    UseSettings({{"CaptionFeature", 4}, {"BodyFeature", 4}}); // both run the empty command
    Target target;
    ASSERT_TRUE(target.Start("e2e"));
    Host host;
    ASSERT_TRUE(host.Start());
    ClickAt(target.Caption(), Middle);
    ClickAt(target.Client(), Middle);
    // Input is handled in order: a later left click arrives after any click not swallowed.
    ClickAt(target.Client(), Left);
    ASSERT_TRUE(WaitUntil([&] { return target.Count(WM_LBUTTONDOWN) == 1; }));
    EXPECT_EQ(target.Count(WM_NCMBUTTONDOWN) + target.Count(WM_MBUTTONDOWN), 0);
    EXPECT_EQ(target.Count(WM_MBUTTONUP), 0) << "the release of a feature click too";
    Child second;
    ASSERT_TRUE(second.Start("\"" + BinPath("Quillet99.exe") + "\""));
    EXPECT_EQ(second.Wait(5000), 0u) << "a second copy must end at once";

    SetDword(SettingsPath, "CaptionFeature", CAPTION_TRAY_WINDOW);
    SendMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
    ClickAt(target.Caption(), Middle);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(target.window); }));
    ClickAt(FirstTrayIcon(), Left);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(target.window); }));
    EXPECT_TRUE(WaitUntil([&] { return !Notify(NIM_MODIFY, host.window, 555); }));

    // Copy and paste in the edit control: Ctrl+C with Ctrl held, Ctrl+V without.
    SetDword(SettingsPath, "BodyFeature", BODY_COPY_PASTE);
    SendMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
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
    EXPECT_EQ(host.Close(), 0u);
    EXPECT_TRUE(IsWindowVisible(target.window) && !Notify(NIM_MODIFY, host.window, 555));
    ClickAt(target.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] { return target.Count(WM_NCMBUTTONDOWN) == 1; }))
        << "with the host gone a middle click reaches the program";
}

TEST(EndToEnd, TheWindowScrollsWhileTheButtonIsHeldUpOrDownByTheHalfItWasPressedIn) {
    UseSettings({{"CaptionFeature", 4}}); // the body feature is scroll mode by default
    Host host;
    ASSERT_TRUE(host.Start());
    Target target;
    ASSERT_TRUE(target.Start("scroll", "lines:300"));
    auto line = [&] { return SendMessageA(target.edit, EM_GETFIRSTVISIBLELINE, 0, 0); };
    RECT client;
    GetClientRect(target.edit, &client);
    // The line scrolled to at once, and the line at the release.
    auto hold = [&](LONG y, DWORD ms) {
        MoveMouseTo(Target::At(target.edit, 30, y));
        LONG scrolls = target.Count(WM_VSCROLL);
        Press(Middle, true);
        WaitUntil([&] { return target.Count(WM_VSCROLL) > scrolls; }, 80);
        LRESULT atOnce = line();
        PumpFor(ms);
        Press(Middle, false);
        SendMessageA(host.window, WM_NULL, 0, 0);
        return std::make_pair(atOnce, line());
    };
    auto down = hold(client.bottom / 2 + 20, 1000);
    EXPECT_GE(down.first, 1) << "one line at once";
    EXPECT_TRUE(down.second >= 6 && down.second <= 14) << "about ten more in a second";
    EXPECT_EQ(target.Count(WM_COPY), 1) << "the selection is copied at the start only";
    EXPECT_EQ(target.Count(WM_MBUTTONDOWN) + target.Count(WM_MBUTTONUP), 0);
    PumpFor(400);
    EXPECT_EQ(line(), down.second) << "the release ends scroll mode";
    EXPECT_LT(hold(10, 600).second, down.second) << "the upper half scrolls up";
    LONG scrolls = target.Count(WM_VSCROLL);
    hold(client.bottom / 2, 400);
    EXPECT_EQ(target.Count(WM_VSCROLL), scrolls) << "the middle line scrolls nothing";
    // Released over the caption, the button goes up where the hook does not see it.
    MoveMouseTo(Target::At(target.edit, 30, client.bottom - 20));
    Press(Middle, true);
    PumpFor(300);
    MoveMouseTo(target.Caption());
    Press(Middle, false);
    PumpFor(200);
    LRESULT released = line();
    PumpFor(500);
    EXPECT_EQ(line(), released) << "scroll mode went on after the release";
}

TEST(EndToEnd, TheNextStartGivesBackWhatAKilledHostLeftHiddenOrRolledUp) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str()); // a first run: the tray feature
    auto host = std::make_unique<Host>();
    ASSERT_TRUE(host->Start());
    HWND oldHost = host->window;
    Target hidden, rolled;
    ASSERT_TRUE(hidden.Start("crash1"));
    ClickAt(hidden.Caption(), Middle);
    ASSERT_TRUE(rolled.Start("crash2"));
    PostMessageA(host->window, UM_ROLL_WINDOW, Low16(rolled.window), 0);
    ASSERT_TRUE(WaitUntil([&] { return RegionBottom(rolled.window) == RolledBottom(); }));
    ASSERT_FALSE(IsWindowVisible(hidden.window));
    TerminateProcess(host->process.info.hProcess, 1); // nothing of the shutdown runs
    host->process.Wait(5000);
    // Wine keeps calling a killed host's hook: it must let middle clicks through now.
    ClickAt(rolled.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] { return rolled.Count(WM_NCMBUTTONDOWN) > 0; }));
    SetString(ProductPath + "\\Journal", "Garbage", "not a record");
    host = std::make_unique<Host>();
    ASSERT_TRUE(host->Start());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(hidden.window); }));
    EXPECT_TRUE(WaitUntil([&] { return RegionBottom(rolled.window) == UnrolledBottom; }));
    EXPECT_FALSE(Notify(NIM_MODIFY, oldHost, 555)) << "an icon of the killed host is left over";
    EXPECT_FALSE(KeyExists(ProductPath + "\\Journal"));
}

} // namespace
