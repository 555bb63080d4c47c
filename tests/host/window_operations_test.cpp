// What the end-to-end tests cannot see from outside: the tray slots' records, the roll-up list,
// the Start button's steps and topmost, with the host's operations called inside the test
// process on real windows and the real notification area.
#include <gtest/gtest.h>

#include <string>

#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/topmost.h"
#include "features/tray_windows.h"
#include "hook/host_messages.h"
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

} // namespace
