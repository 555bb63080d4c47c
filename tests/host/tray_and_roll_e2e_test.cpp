// The real host and real target programs: sending windows to the tray and back, rolling them
// up, with real mouse input on captions, caption buttons and tray icons.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "hook/host_messages.h"
#include "host_process.h"
#include "registry.h"
#include "tray.h"

namespace {

TEST(TrayEndToEnd, CaptionClickHidesTheWindowAndALeftPressOnItsIconBringsItBack) {
    DeleteProductKey(); // a first start: send-to-tray is the default caption feature
    HostProcess host;
    ASSERT_TRUE(host.Start());
    TargetProgram target;
    ASSERT_TRUE(target.Start("tray"));

    ClickAt(target.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(BecomesHidden(target.Window()));
    EXPECT_TRUE(TrayIconPresent(host.Window(), 555));
    EXPECT_EQ(target.Count(SawNcMButtonDown), 0);

    POINT icon = TrayIconPoint(0);
    ClickAt(icon, Button::Right);
    MoveMouseTo({icon.x - 3, icon.y});
    MoveMouseTo(icon);
    PumpFor(300);
    EXPECT_FALSE(IsWindowVisible(target.Window())) << "right presses and moves do nothing";
    // A right click may have opened the shell's menu for the icon.
    SendKey(VK_ESCAPE, true);
    SendKey(VK_ESCAPE, false);

    ClickAt(icon, Button::Left);
    ASSERT_TRUE(BecomesVisible(target.Window()));
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconPresent(host.Window(), 555); }));

    ClickAt(target.CaptionPoint(), Button::Middle);
    EXPECT_TRUE(BecomesHidden(target.Window())) << "the slot was freed and is taken again";
    EXPECT_TRUE(TrayIconPresent(host.Window(), 555));
    EXPECT_EQ(host.Close(), 0u);
    EXPECT_TRUE(BecomesVisible(target.Window())) << "closing the host gives the window back";
    EXPECT_FALSE(TrayIconPresent(host.Window(), 555));
}

TEST(TrayEndToEnd, FifteenWindowsFitAndTheSixteenthStays) {
    DeleteProductKey();
    HostProcess host;
    ASSERT_TRUE(host.Start());
    std::vector<std::unique_ptr<TargetProgram>> targets;
    targets.reserve(16);
    for (int i = 0; i < 16; ++i) {
        targets.push_back(std::make_unique<TargetProgram>());
        // The sixteenth stands apart, so that no window given back covers it.
        LONG offset = i < 15 ? 20 * i : 520;
        ASSERT_TRUE(targets.back()->Start("slot" + std::to_string(i),
                                          {40 + offset, 40 + offset, 440 + offset, 260 + offset}));
        ClickAt(targets.back()->CaptionPoint(), Button::Middle);
        if (i < 15) {
            ASSERT_TRUE(BecomesHidden(targets.back()->Window()))
                << "window " << i << " saw " << targets.back()->Count(SawNcMButtonDown)
                << " presses";
        }
    }
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(targets[15]->Window()));
    for (UINT id = 555; id <= 569; ++id)
        EXPECT_TRUE(TrayIconPresent(host.Window(), id)) << id;

    // The shell reports a left press on the icon of slot 6.
    PostMessageA(host.Window(), UM_TRAYED_WINDOW_ICON, 561, WM_LBUTTONDOWN);
    ASSERT_TRUE(BecomesVisible(targets[6]->Window()));
    ClickAt(targets[15]->CaptionPoint(), Button::Middle);
    EXPECT_TRUE(BecomesHidden(targets[15]->Window())) << "the freed slot takes the sixteenth";
    EXPECT_TRUE(TrayIconPresent(host.Window(), 561));

    EXPECT_EQ(host.Close(), 0u);
    for (int i = 0; i < 16; ++i)
        if (i != 6) {
            EXPECT_TRUE(BecomesVisible(targets[i]->Window())) << "window " << i;
        }
    for (UINT id = 555; id <= 569; ++id)
        EXPECT_FALSE(TrayIconPresent(host.Window(), id)) << id;
}

TEST(TrayEndToEnd, TheTaskbarAndCaptionlessWindowsAreRefused) {
    DeleteProductKey();
    HostProcess host;
    ASSERT_TRUE(host.Start());
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(taskbar, nullptr);
    HWND bare = CreateWindowA("STATIC", "bare", WS_POPUP | WS_VISIBLE, 300, 300, 100, 50, nullptr,
                              nullptr, nullptr, nullptr);
    PostMessageA(host.Window(), UM_TRAY_WINDOW, Low16(taskbar), 0);
    PostMessageA(host.Window(), UM_TRAY_WINDOW, Low16(bare), 0);
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(taskbar));
    EXPECT_TRUE(IsWindowVisible(bare));
    EXPECT_FALSE(TrayIconPresent(host.Window(), 555));
    DestroyWindow(bare);
}

TEST(TrayEndToEnd, AWindowWhoseIconCannotBeAddedStaysVisible) {
    DeleteProductKey();
    HostProcess host;
    ASSERT_TRUE(host.Start());
    TargetProgram target;
    ASSERT_TRUE(target.Start("noicon"));
    // The id the host's first slot takes is already in use, so its NIM_ADD fails.
    ASSERT_TRUE(AddTrayIcon(host.Window(), 555));
    ClickAt(target.CaptionPoint(), Button::Middle);
    PumpFor(500);
    EXPECT_TRUE(BecomesVisible(target.Window())) << "hidden with no icon: lost to the user";
    DeleteTrayIcon(host.Window(), 555);

    ClickAt(target.CaptionPoint(), Button::Middle);
    EXPECT_TRUE(BecomesHidden(target.Window())) << "the slot was given back";
    EXPECT_TRUE(TrayIconPresent(host.Window(), 555));
}

TEST(RollUpEndToEnd, CaptionFeatureRollsUpAndDownAndTheHostUnrollsAtExit) {
    UseSettings({{"CaptionFeature", 2}});
    HostProcess host;
    ASSERT_TRUE(host.Start());
    TargetProgram target;
    ASSERT_TRUE(target.Start("roll"));
    RECT before;
    GetWindowRect(target.Window(), &before);

    ClickAt(target.CaptionPoint(), Button::Middle);
    const LONG rolledHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 2;
    ASSERT_TRUE(WaitUntil([&] { return WindowRegionBox(target.Window()).bottom == rolledHeight; }));
    RECT after;
    GetWindowRect(target.Window(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));

    ClickAt(target.CaptionPoint(), Button::Middle);
    const LONG unrolledHeight = 2 * GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(WaitUntil([&] {
        return WindowRegionBox(target.Window()).bottom == unrolledHeight;
    })) << "region "
        << WindowRegionBox(target.Window()).right << "x" << WindowRegionBox(target.Window()).bottom
        << " nc middle presses seen " << target.Count(SawNcMButtonDown) << " caption y "
        << target.CaptionPoint().y << " window top " << before.top;

    ClickAt(target.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(WaitUntil([&] { return WindowRegionBox(target.Window()).bottom == rolledHeight; }));
    EXPECT_EQ(host.Close(), 0u);
    EXPECT_EQ(WindowRegionBox(target.Window()).bottom, unrolledHeight)
        << "a window left rolled up would keep its content out of reach";
}

TEST(CaptionButtonsEndToEnd, RightClicksOnMinimizeAndMaximizeActOnlyWhenSwitchedOn) {
    UseQuietFeatures();
    HostProcess host;
    ASSERT_TRUE(host.Start());
    TargetProgram target;
    ASSERT_TRUE(target.Start("buttons"));
    POINT minimize = HitTestPoint(target.Window(), HTMINBUTTON);
    POINT maximize = HitTestPoint(target.Window(), HTMAXBUTTON);
    ASSERT_GE(minimize.x, 0);
    ASSERT_GE(maximize.x, 0);

    ClickAt(minimize, Button::Right);
    ClickAt(maximize, Button::Right);
    EXPECT_TRUE(WaitUntil([&] { return target.Count(SawNcRButtonDown) == 2; }))
        << "switched off, both right clicks reach the window";
    SendKey(VK_ESCAPE, true);
    SendKey(VK_ESCAPE, false);
    EXPECT_TRUE(IsWindowVisible(target.Window()));

    SetDword(TestSettingsKey, "TrayOnMinimize", 1);
    SetDword(TestSettingsKey, "RollUpOnMaximize", 1);
    PostMessageA(host.Window(), UM_RELOAD_SETTINGS, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return host.Hook().shared->rightRollEnabled == 1; }));
    ClickAt(maximize, Button::Right);
    const LONG rolledHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 2;
    EXPECT_TRUE(WaitUntil([&] { return WindowRegionBox(target.Window()).bottom == rolledHeight; }));
    ClickAt(minimize, Button::Right);
    EXPECT_TRUE(BecomesHidden(target.Window()));
    EXPECT_EQ(target.Count(SawNcRButtonDown), 2) << "the switched-on clicks were swallowed";
}

} // namespace
