// Sending windows to the tray and back, rolling them up, nailing them on top: the host's
// operations called inside the test process on real windows and the real notification area.
#include <gtest/gtest.h>

#include <string>

#include "features_globals.h"
#include "host_messages.h"
#include "host_window_fixture.h"

namespace {

class WindowOperations : public HostWindowTest {
  protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        CreateHost();
        FindStartButton();
    }
    void Tray(HWND window) { SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(window), 0); }
    void Roll(HWND window) { SendMessageA(MainWindow, UM_ROLL_WINDOW, Low16(window), 0); }
    void IconEvent(UINT id, UINT mouseMessage) {
        SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, id, mouseMessage);
    }
    int SlotOf(HWND window) {
        for (int i = 0; i < TraySlotCount; ++i)
            if (SameWindow(TrayedWindows[i].window, window) && TrayedWindows[i].icon.uID) return i;
        return -1;
    }
};

TEST_F(WindowOperations, TrayHidesTheWindowBehindAnIconWithItsTitleAndPicture) {
    std::string title(80, 'T');
    title.replace(0, 6, "Title:");
    HWND plain = MakeWindow(title.c_str());
    Tray(plain);
    ASSERT_EQ(SlotOf(plain), 0);
    const NOTIFYICONDATAA& icon = TrayedWindows[0].icon;
    EXPECT_FALSE(IsWindowVisible(plain));
    EXPECT_TRUE(TrayIconPresent(MainWindow, 555));
    EXPECT_EQ(icon.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(icon.hWnd, MainWindow);
    EXPECT_EQ(icon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(icon.uCallbackMessage, UM_TRAYED_WINDOW_ICON);
    EXPECT_EQ(std::string(icon.szTip), title.substr(0, 63)) << "the tip is cut to 63 characters";
    EXPECT_EQ(icon.hIcon, LoadIconA(nullptr, IDI_EXCLAMATION)) << "no icon of its own";

    HWND withIcon = MakeWindow("with icon");
    HICON own = LoadIconA(nullptr, IDI_QUESTION);
    SendMessageA(withIcon, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(own));
    Tray(withIcon);
    ASSERT_EQ(SlotOf(withIcon), 1);
    EXPECT_EQ(TrayedWindows[1].icon.hIcon, own);
    EXPECT_EQ(TrayedWindows[1].icon.uID, 556u);
}

TEST_F(WindowOperations, OnlyALeftPressOnTheIconBringsTheWindowBack) {
    HWND window = MakeWindow("restore me");
    Tray(window);
    ASSERT_EQ(SlotOf(window), 0);
    for (UINT other : {WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK})
        IconEvent(555, other);
    IconEvent(556, WM_LBUTTONDOWN); // not its icon
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(SlotOf(window), 0);

    IconEvent(555, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(TrayedWindows[0].icon.uID, 0u);
    EXPECT_EQ(TrayedWindows[0].window, nullptr);
    EXPECT_FALSE(TrayIconPresent(MainWindow, 555));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
}

TEST_F(WindowOperations, FifteenSlotsAndTheLowestFreeOneWins) {
    HWND windows[16];
    for (int i = 0; i < 16; ++i) {
        windows[i] = MakeWindow(("window " + std::to_string(i)).c_str());
        Tray(windows[i]);
    }
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(SlotOf(windows[i]), i);
    EXPECT_EQ(SlotOf(windows[15]), -1);
    EXPECT_TRUE(IsWindowVisible(windows[15])) << "the sixteenth stays";
    EXPECT_TRUE(TrayIconPresent(MainWindow, 569));

    IconEvent(555 + 3, WM_LBUTTONDOWN);
    IconEvent(555 + 9, WM_LBUTTONDOWN);
    Tray(windows[15]);
    EXPECT_EQ(SlotOf(windows[15]), 3);
    Tray(windows[3]);
    EXPECT_EQ(SlotOf(windows[3]), 9);
}

TEST_F(WindowOperations, TheTaskbarAndWindowsWithoutACaptionAreRefused) {
    ASSERT_NE(TaskbarWindow, nullptr);
    Tray(TaskbarWindow);
    Tray(StartButtonWindow);
    HWND bare = MakeWindow("bare", WS_POPUP | WS_VISIBLE);
    Tray(bare);
    HWND thin = MakeWindow("thin", WS_POPUP | WS_BORDER | WS_VISIBLE);
    Tray(thin);
    for (const TrayedWindow& slot : TrayedWindows)
        EXPECT_EQ(slot.icon.uID, 0u);
    EXPECT_TRUE(IsWindowVisible(TaskbarWindow));
    EXPECT_TRUE(IsWindowVisible(bare));
    EXPECT_TRUE(IsWindowVisible(thin));
}

TEST_F(WindowOperations, AWindowWhoseIconCannotBeAddedIsGivenBack) {
    // The icon id the first slot would take is already in use: the shell refuses NIM_ADD.
    NOTIFYICONDATAA taken = {};
    taken.cbSize = NOTIFYICONDATAA_V1_SIZE;
    taken.hWnd = MainWindow;
    taken.uID = 555;
    taken.uFlags = NIF_ICON;
    taken.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &taken));

    HWND window = MakeWindow("not lost");
    Tray(window);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(SlotOf(window), -1) << "the slot is free again";
    Shell_NotifyIconA(NIM_DELETE, &taken);

    Tray(window);
    EXPECT_EQ(SlotOf(window), 0);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(WindowOperations, RollUpKeepsTheCaptionAndTwoRowsAndUnrollsOnTheNextRequest) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND sizable = MakeWindow("sizable");
    RECT before;
    GetWindowRect(sizable, &before);

    Roll(sizable);
    RECT rolled = WindowRegionBox(sizable);
    EXPECT_EQ(rolled.right, 2 * screenWidth);
    EXPECT_EQ(rolled.bottom, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 2);
    RECT after;
    GetWindowRect(sizable, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "size and position stay";

    Roll(sizable);
    RECT unrolled = WindowRegionBox(sizable);
    EXPECT_EQ(unrolled.right, 2 * screenWidth);
    EXPECT_EQ(unrolled.bottom, 2 * screenHeight);

    Roll(sizable);
    ASSERT_EQ(RolledWindows.count, 2);
    EXPECT_EQ(RolledWindows.records[0].rolled, 0);
    EXPECT_EQ(RolledWindows.records[1].rolled, 1) << "a second record, found past the old one";
    EXPECT_GE(RolledWindows.room, RolledWindows.count + 2);
    Roll(sizable);
    EXPECT_EQ(RolledWindows.records[1].rolled, 0);
    EXPECT_EQ(WindowRegionBox(sizable).bottom, 2 * screenHeight);

    HWND dialogFrame = MakeWindow("fixed", WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    Roll(dialogFrame);
    EXPECT_EQ(WindowRegionBox(dialogFrame).bottom,
              GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYDLGFRAME) + 2);

    HWND bare = MakeWindow("bare", WS_POPUP | WS_VISIBLE);
    Roll(bare);
    EXPECT_EQ(RolledWindows.count, 3) << "a window without a caption is not rolled";
}

TEST_F(WindowOperations, TheStartButtonIsMovedPressedHiddenAndPutBack) {
    HWND taskbar = MakeWindow("taskbar", WS_POPUP | WS_VISIBLE, {0, 600, 800, 630});
    HWND button = CreateWindowA("BUTTON", "Start", WS_CHILD | WS_VISIBLE, 0, 0, 58, 20, taskbar,
                                nullptr, nullptr, nullptr);
    TaskbarWindow = taskbar;
    StartButtonWindow = button;
    RECT home;
    GetWindowRect(button, &home);
    SentMessageLog log(button);

    MoveStartButtonToCursor(300, 400);
    RECT moved;
    GetWindowRect(button, &moved);
    EXPECT_EQ(moved.left, 300);
    EXPECT_EQ(moved.top, 380) << "the corner stands 20 pixels above the cursor";
    EXPECT_EQ(moved.right - moved.left, 58);

    PressStartButton();
    EXPECT_FALSE(IsWindowVisible(button));
    EXPECT_EQ(log.Take(WM_LBUTTONDOWN).size(), 1u);

    RestoreStartButton();
    RECT back;
    GetWindowRect(button, &back);
    EXPECT_TRUE(EqualRect(&back, &home));
    EXPECT_TRUE(IsWindowVisible(button));
    EXPECT_EQ(log.Take(WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(WindowOperations, TopmostTogglesBothWays) {
    HWND window = MakeWindow("nail me");
    ToggleTopmost(window);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ToggleTopmost(window);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowOperations, ShutdownGivesBackEveryHiddenAndRolledWindow) {
    HWND first = MakeWindow("first"), second = MakeWindow("second"), rolled = MakeWindow("rolled");
    Tray(first);
    Tray(second);
    Roll(rolled);
    ASSERT_FALSE(IsWindowVisible(first));
    ASSERT_FALSE(IsWindowVisible(second));
    HWND host = MainWindow;
    DestroyHost();
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first) && IsWindowVisible(second); }));
    EXPECT_FALSE(TrayIconPresent(host, 555));
    EXPECT_FALSE(TrayIconPresent(host, 556));
    EXPECT_EQ(WindowRegionBox(rolled).bottom, 2 * GetSystemMetrics(SM_CYSCREEN))
        << "left rolled up";
    for (const TrayedWindow& slot : TrayedWindows)
        EXPECT_EQ(slot.icon.uID, 0u);
}

} // namespace
