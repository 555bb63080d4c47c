// The host's main window inside the test process: start-up, the dispatcher, hot keys, timers
// and scroll-window mode, observed through real messages and the real hook library.
#include <gtest/gtest.h>

#include <cstring>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/topmost.h"
#include "features/tray_windows.h"
#include "hook_library.h"
#include "hook/host_messages.h"
#include "host_window_fixture.h"

namespace {

HookSharedRecord& Shared() {
    return *static_cast<HookSharedRecord*>(
        FindLoadedSection(GetModuleHandleA("QUILLET99HOOK.DLL"), "SHARDATA"));
}

bool QuitPosted() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

bool TimerRunning(UINT_PTR id) {
    // KillTimer only succeeds for a timer that exists; this also stops it.
    return KillTimer(MainWindow, id) != FALSE;
}

using MainWindowTest = HostWindowTest;

TEST_F(MainWindowTest, StartUpPushesTheSettingsThenTimer1FindsTheTaskbarAndInstallsTheHook) {
    Shared().currentCaptionFeature = 0;
    Shared().scrollEnabled = 1;
    CreateHost();
    EXPECT_EQ(Shared().currentCaptionFeature, CAPTION_TRAY_WINDOW);
    EXPECT_EQ(Shared().currentBodyFeature, BODY_SCROLL_WINDOW);
    EXPECT_EQ(Shared().savedCaptionFeature, 999);
    EXPECT_EQ(Shared().rightTrayEnabled, 0);
    EXPECT_EQ(Shared().rightRollEnabled, 0);
    EXPECT_EQ(Shared().scrollEnabled, 0) << "Chord is off by default";
    EXPECT_EQ(Shared().customCount, 0);
    EXPECT_EQ(Shared().hookProc, nullptr) << "the hook waits for timer 1";

    ASSERT_TRUE(WaitUntil([] { return Shared().hookProc != nullptr; }, 2000));
    EXPECT_EQ(Shared().hostWindow, MainWindow);
    EXPECT_EQ(TaskbarWindow, FindWindowA("Shell_TrayWnd", nullptr));
    ASSERT_NE(StartButtonWindow, nullptr);
    char className[32];
    GetClassNameA(StartButtonWindow, className, sizeof className);
    EXPECT_STREQ(className, "Button");
    EXPECT_EQ(GetParent(StartButtonWindow), TaskbarWindow);
    EXPECT_FALSE(IsWindowVisible(MainWindow));

    DestroyHost();
    EXPECT_EQ(Shared().hookProc, nullptr) << "the shutdown removes the hook";
}

int OldVersionCloses;
LRESULT CALLBACK OldVersionProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CLOSE) {
        ++OldVersionCloses;
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST_F(MainWindowTest, OlderVersionsAreClosedAndTheirStartUpEntriesDeleted) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OldVersionProc;
    wc.lpszClassName = "QUILLET98";
    RegisterClassA(&wc);
    HWND old = CreateWindowA("QUILLET98", "Quillet 98", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, nullptr, nullptr);
    windows_.push_back(old);
    const char run[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(root, run, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (const char* name : {"Quillet 97", "Quillet 98", "Unrelated"})
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("x.exe"), 6);
        RegCloseKey(key);
    }
    OldVersionCloses = 0;
    CreateHost();
    EXPECT_EQ(OldVersionCloses, 1);
    std::string text;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        EXPECT_FALSE(GetString(root, run, "Quillet 97", text));
        EXPECT_FALSE(GetString(root, run, "Quillet 98", text));
        EXPECT_TRUE(GetString(root, run, "Unrelated", text)) << "only the old entries go";
        DeleteValue(root, run, "Unrelated");
    }
}

TEST_F(MainWindowTest, ReloadMessagePushesWhatTheRegistryHoldsNow) {
    CreateHost();
    SetDword(TestSettingsKey, "CaptionFeature", CAPTION_ROLL_UP);
    SetDword(TestSettingsKey, "BodyFeature", BODY_COPY_PASTE);
    SetDword(TestSettingsKey, "TrayOnMinimize", 1);
    SetDword(TestSettingsKey, "RollUpOnMaximize", 1);
    SetDword(TestSettingsKey, "Chord", 1);
    SetDword(std::string(TestProductKey) + "\\Windows\\Notepad", "CaptionFeature", 4);
    SetDword(std::string(TestProductKey) + "\\Windows\\Notepad", "BodyFeature", 6);
    Shared().savedCaptionFeature = 1;
    PostMessageA(MainWindow, UM_RELOAD_SETTINGS, 0, 0);
    ASSERT_TRUE(WaitUntil([] { return Shared().currentCaptionFeature == CAPTION_ROLL_UP; }));
    EXPECT_EQ(Shared().currentBodyFeature, BODY_COPY_PASTE);
    EXPECT_EQ(Shared().savedCaptionFeature, 999);
    EXPECT_EQ(Shared().rightTrayEnabled, 1);
    EXPECT_EQ(Shared().rightRollEnabled, 1);
    EXPECT_EQ(Shared().scrollEnabled, 1);
    ASSERT_EQ(Shared().customCount, 1);
    EXPECT_STREQ(Shared().customTable[0].className, "Notepad");
    EXPECT_EQ(Shared().customTable[0].bodyFeature, 6);
}

TEST_F(MainWindowTest, HotKeysAndF1ToF3ReachTheirHandlers) {
    CreateHost();
    SentMessageLog log(MainWindow);
    SendMessageA(MainWindow, WM_HOTKEY, 0x70, 0x004D0003);
    auto menu = log.Take(UM_WINDOW_FEATURES_MENU);
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(menu[0].wParam, 0x70u);
    EXPECT_EQ(menu[0].lParam, 0x004D0003);

    SendMessageA(MainWindow, WM_KEYDOWN, VK_F2, 0x3C0001);
    auto customize = log.Take(UM_CUSTOMIZE_WINDOW);
    ASSERT_EQ(customize.size(), 1u);
    EXPECT_EQ(customize[0].wParam, 0x71u);
    EXPECT_EQ(customize[0].lParam, 0x3C0001);
    SendMessageA(MainWindow, WM_KEYDOWN, VK_F1, 0);
    EXPECT_EQ(log.Take(UM_WINDOW_FEATURES_MENU).size(), 1u);
    SendMessageA(MainWindow, WM_KEYDOWN, VK_F4, 0);
    SendMessageA(MainWindow, WM_HOTKEY, 0x73, 0);
    EXPECT_TRUE(log.Take(UM_WINDOW_FEATURES_MENU).empty());
    EXPECT_TRUE(log.Take(UM_CUSTOMIZE_WINDOW).empty());

    // The real key combination, through real keyboard input.
    {
        HeldKey control(VK_CONTROL), alt(VK_MENU);
        SendKey('C', true);
        SendKey('C', false);
        EXPECT_TRUE(WaitUntil([&] { return !log.Take(UM_CUSTOMIZE_WINDOW).empty(); }, 2000));
    }
}

TEST_F(MainWindowTest, CtrlAltMIsRegisteredOnlyWhenTheHotKeySettingIsOn) {
    HWND other = MakeWindow("other", WS_OVERLAPPEDWINDOW);
    UINT m = static_cast<USHORT>(VkKeyScanA('m'));
    CreateHost();
    EXPECT_FALSE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, m)) << "the host owns Ctrl+Alt+M";
    DestroyHost();

    SetDword(TestSettingsKey, "HotKey", 0);
    CreateHost();
    EXPECT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, m)) << "Ctrl+Alt+M is free";
    UnregisterHotKey(other, 1);
    EXPECT_FALSE(
        RegisterHotKey(other, 2, MOD_CONTROL | MOD_ALT, static_cast<USHORT>(VkKeyScanA('c'))))
        << "Ctrl+Alt+C is registered whatever the setting";
}

TEST_F(MainWindowTest, UnnamedMessagesReachDefWindowProcUnchanged) {
    CreateHost();
    EXPECT_EQ(SendMessageA(MainWindow, WM_SETTEXT, 0x12345678, reinterpret_cast<LPARAM>("Renamed")),
              TRUE);
    char text[32] = {};
    char wide[0x10010] = {};
    EXPECT_EQ(SendMessageA(MainWindow, WM_GETTEXT, 0x10003, reinterpret_cast<LPARAM>(wide)), 7)
        << "a wParam above 65535 must reach DefWindowProcA as it is, not cut to 3";
    GetWindowTextA(MainWindow, text, sizeof text);
    EXPECT_STREQ(text, "Renamed");
    SetWindowTextA(MainWindow, MainWindowTitle);
    EXPECT_EQ(SendMessageA(MainWindow, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)),
              static_cast<LRESULT>(strlen(MainWindowTitle)));
    UINT custom = RegisterWindowMessageA("QuilletTestUnnamed");
    EXPECT_EQ(SendMessageA(MainWindow, custom, 0xFFFFFFFF, -1), 0);
    EXPECT_EQ(SendMessageA(MainWindow, WM_QUERYOPEN, 0, 0), 0) << "the hidden window stays hidden";
    EXPECT_TRUE(IsWindow(MainWindow));
}

TEST_F(MainWindowTest, StaleWindowHandlesAreHarmless) {
    CreateHost();
    HWND gone = MakeWindow("gone");
    WPARAM stale = reinterpret_cast<UINT_PTR>(gone) & 0xFFFF;
    DestroyWindow(gone);
    windows_.clear();
    for (UINT message : {UM_TRAY_WINDOW, UM_ROLL_WINDOW, UM_SCROLL_WINDOW, UM_BUTTON_UP})
        PostMessageA(MainWindow, message, stale, MAKELPARAM(10, 10));
    PostMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 555, WM_LBUTTONDOWN);
    PumpFor(200);
    EXPECT_TRUE(IsWindow(MainWindow));
    EXPECT_FALSE(QuitPosted());
    for (const TrayedWindow& slot : TrayedWindows)
        EXPECT_EQ(slot.icon.uID, 0u);
    EXPECT_EQ(RolledWindows.count, 0);
}

TEST_F(MainWindowTest, ATimerThatCannotBeStoppedEndsTheHost) {
    CreateHost();
    ASSERT_TRUE(WaitUntil([] { return Shared().hookProc != nullptr; }, 2000));
    // Timer 7 is not running: its tick cannot stop it.
    SendMessageA(MainWindow, WM_TIMER, StartMenuTimer, 0);
    EXPECT_EQ(Shared().hookProc, nullptr) << "the shutdown sequence did not run";
    EXPECT_TRUE(QuitPosted());
}

TEST_F(MainWindowTest, StartMenuRequestsFromTheTaskbarAreIgnored) {
    CreateHost();
    ASSERT_TRUE(WaitUntil([] { return StartButtonWindow != nullptr; }, 2000));
    SendMessageA(MainWindow, UM_START_MENU, Low16(TaskbarWindow), 0);
    EXPECT_FALSE(TimerRunning(StartMenuTimer));
    SendMessageA(MainWindow, UM_START_MENU, Low16(StartButtonWindow), 0);
    EXPECT_FALSE(TimerRunning(StartMenuTimer)) << "a window inside the taskbar counts as it";
    SendMessageA(MainWindow, UM_START_MENU, Low16(MakeWindow("elsewhere")), 0);
    EXPECT_TRUE(TimerRunning(StartMenuTimer));
    SendMessageA(MainWindow, UM_START_MENU, 0, 0);
    EXPECT_TRUE(TimerRunning(StartMenuTimer)) << "the window-features menu's request";
}

// A window of this thread whose scroll messages are logged.
struct ScrollProbe {
    HWND window;
    explicit ScrollProbe(HWND w) : window(w) {}
    WPARAM Low16() const { return ::Low16(window); }
    POINT At(int y) const {
        POINT pt = {20, y};
        ClientToScreen(window, &pt);
        return pt;
    }
    int Half() const {
        RECT client;
        GetClientRect(window, &client);
        return (client.bottom - client.top) / 2;
    }
};

TEST_F(MainWindowTest, ScrollModeEndsWithItsTimerAndCaptureAndSparesTheDesktopIconView) {
    CreateHost();
    ScrollProbe probe(MakeWindow("scroll me", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL));
    SentMessageLog log(probe.window);
    PlaceCursor(probe.At(probe.Half() + 10));
    SendMessageA(MainWindow, UM_SCROLL_WINDOW, probe.Low16(), 0);
    EXPECT_EQ(log.Take(WM_COPY).size(), 1u);
    auto first = log.Take(WM_VSCROLL);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(LOWORD(first[0].wParam), SB_LINEDOWN);
    SetCapture(probe.window);
    SendMessageA(MainWindow, UM_BUTTON_UP, 0, 0);
    EXPECT_FALSE(TimerRunning(ScrollTimer)) << "the release stops the timer";
    EXPECT_EQ(GetCapture(), nullptr) << "and releases the capture";

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "SHELLDLL_DefView";
    RegisterClassA(&wc);
    HWND view = CreateWindowA("SHELLDLL_DefView", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                              300, 300, nullptr, nullptr, nullptr, nullptr);
    windows_.push_back(view);
    HWND icons = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | 0x2000, 0, 0, 280, 260, view,
                               nullptr, nullptr, nullptr);
    SentMessageLog iconLog(icons);
    ScrollProbe iconProbe(icons);
    PlaceCursor(iconProbe.At(200));
    SendMessageA(MainWindow, UM_SCROLL_WINDOW, iconProbe.Low16(), 0);
    EXPECT_TRUE(iconLog.Take(WM_VSCROLL).empty());
    EXPECT_TRUE(iconLog.Take(WM_COPY).empty());
    EXPECT_FALSE(TimerRunning(ScrollTimer));
}

} // namespace
