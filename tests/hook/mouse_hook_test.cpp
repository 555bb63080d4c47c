// MouseHook's decision table, called directly with crafted events, real windows and real
// keyboard state. The hook posts to a window of this test, so every request can be read back.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <random>
#include <vector>

#include "desktop.h"
#include "hook_library.h"
#include "hook/host_messages.h"

namespace {

constexpr LRESULT Swallowed = 1;
constexpr LRESULT PassedOn = 0; // CallNextHookEx outside a hook chain

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

HWND MakeWindow(const char* className, const char* title, RECT frame) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = className;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    HWND window = CreateWindowA(className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, frame.left,
                                frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, nullptr, nullptr);
    PumpFor(50);
    return window;
}

void SetScrollLockState(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SCROLL] = state;
    SetKeyboardState(keys);
}

LPARAM Packed(int x, int y) {
    return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(x & 0xFFFF, y & 0xFFFF)));
}

bool MakeForeground(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

class MouseHookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(lib.Load());
        host = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
        clicked = MakeWindow("QuilletHookTestClicked", "clicked", {60, 60, 360, 300});
        foreground = MakeWindow("QuilletHookTestFg", "foreground", {400, 60, 700, 300});
        // As if installed: a hook steps aside while the record says no host is there.
        lib.shared->hostWindow = host;
        lib.shared->hookProc = lib.mouseHook;
        lib.shared->hookHandle = nullptr;
        PushDefaults();
        SetScrollLockState(0);
        ASSERT_TRUE(MakeForeground(foreground));
        TakePosted();
    }

    void TearDown() override {
        SetScrollLockState(0);
        CustomRecords none;
        lib.tellHookCustWin(none.Data());
        PushDefaults();
        lib.shared->hostWindow = nullptr;
        lib.shared->hookProc = nullptr;
        DestroyWindow(clicked);
        DestroyWindow(foreground);
        DestroyWindow(host);
        lib.Free();
    }

    // What the host pushes at start-up with its first-run settings.
    void PushDefaults() {
        lib.activateIt(1);
        lib.activateCaptionFeature(CAPTION_TRAY_WINDOW);
        lib.activateBodyFeature(BODY_SCROLL_WINDOW);
        lib.activateRightTray(0);
        lib.activateRightRoll(0);
        lib.activateScroll(1);
        CustomRecords none;
        lib.tellHookCustWin(none.Data());
    }

    LRESULT Call(WPARAM message, UINT hitTest = HTCAPTION, POINT pt = {150, 70},
                 HWND window = nullptr, int code = HC_ACTION) {
        MOUSEHOOKSTRUCT event = {};
        event.pt = pt;
        event.hwnd = window ? window : clicked;
        event.wHitTestCode = hitTest;
        return lib.mouseHook(code, message, reinterpret_cast<LPARAM>(&event));
    }

    std::vector<Posted> TakePosted(HWND from = nullptr) {
        std::vector<Posted> posted;
        MSG msg;
        while (PeekMessageA(&msg, from ? from : host, 0, 0, PM_REMOVE))
            posted.push_back({msg.message, msg.wParam, msg.lParam});
        return posted;
    }

    // The one message posted to the host, or 0 when none or several were.
    UINT OnlyPosted() {
        std::vector<Posted> posted = TakePosted();
        return posted.size() == 1 ? posted[0].message : 0;
    }

    HookLibrary lib;
    HWND host = nullptr;
    HWND clicked = nullptr;
    HWND foreground = nullptr;
};

TEST_F(MouseHookTest, EverythingButButtonPressesAndFeatureReleasesPassesOn) {
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN, HTCAPTION, {150, 70}, nullptr, -1), PassedOn);
    for (WPARAM message :
         {WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_MOUSEWHEEL, WM_MBUTTONDBLCLK, WM_NCMBUTTONDBLCLK,
          WM_NCMBUTTONUP, WM_LBUTTONUP, WM_NCLBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK})
        EXPECT_EQ(Call(message), PassedOn) << "message " << message;
    EXPECT_EQ(Call(WM_LBUTTONDOWN), PassedOn);
    EXPECT_EQ(Call(WM_RBUTTONDOWN), PassedOn) << "right button outside Scroll Lock mode";
    EXPECT_EQ(Call(WM_RBUTTONUP), PassedOn);
    EXPECT_TRUE(TakePosted().empty());

    EXPECT_EQ(Call(WM_NCMBUTTONDOWN, HTCAPTION, {150, 70}, nullptr, HC_NOREMOVE), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW) << "HC_NOREMOVE is handled like HC_ACTION";
}

TEST_F(MouseHookTest, MiddlePressRunsTheCaptionFeatureInNonClientAreas) {
    const UINT expected[] = {UM_START_MENU,          0,
                             UM_ROLL_WINDOW,         UM_TRAY_WINDOW,
                             UM_RUN_CAPTION_COMMAND, UM_WINDOW_FEATURES_MENU};
    for (LONG code = 0; code < CaptionFeatureCount; ++code) {
        if (code == CAPTION_DOUBLE_CLICK) continue;
        lib.activateCaptionFeature(code);
        ASSERT_EQ(Call(WM_NCMBUTTONDOWN, HTCAPTION, {150, 70}), Swallowed);
        std::vector<Posted> posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u) << "caption code " << code;
        EXPECT_EQ(posted[0].message, expected[code]);
        EXPECT_EQ(posted[0].wParam, Low16(clicked));
        EXPECT_EQ(posted[0].lParam, Packed(150, 70));
        // A press is complete in itself; its release only reports the button going up.
        EXPECT_EQ(Call(WM_MBUTTONUP), Swallowed);
        EXPECT_EQ(OnlyPosted(), UM_BUTTON_UP);
    }
}

TEST_F(MouseHookTest, MiddlePressRunsTheBodyFeatureInClientAreas) {
    const UINT expected[] = {UM_START_MENU,           0,
                             UM_ROLL_WINDOW,          UM_TRAY_WINDOW,
                             UM_RUN_BODY_COMMAND,     UM_SCROLL_WINDOW,
                             UM_WINDOW_FEATURES_MENU, UM_COPY_PASTE};
    for (LONG code = 0; code < BodyFeatureCount; ++code) {
        if (code == BODY_DOUBLE_CLICK) continue;
        lib.activateBodyFeature(code);
        ASSERT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT, {200, 150}), Swallowed);
        std::vector<Posted> posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u) << "body code " << code;
        EXPECT_EQ(posted[0].message, expected[code]);
        // Roll-up and tray act on the foreground window, not on the clicked control.
        HWND about = code == BODY_ROLL_UP || code == BODY_TRAY_WINDOW ? foreground : clicked;
        EXPECT_EQ(posted[0].wParam, Low16(about)) << "body code " << code;
        EXPECT_EQ(posted[0].lParam, Packed(200, 150));
    }
}

TEST_F(MouseHookTest, AHookThatOutlivedItsHostStepsAside) {
    lib.shared->hookProc = nullptr; // the host uninstalled, but this hook is still called
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), PassedOn);
    EXPECT_EQ(Call(WM_MBUTTONUP, HTCLIENT), PassedOn);
    lib.shared->hookProc = lib.mouseHook;
    HWND gone = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    lib.shared->hostWindow = gone; // the host was killed
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), PassedOn);
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), PassedOn);
    lib.shared->hostWindow = host;
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW);
}

TEST_F(MouseHookTest, PostsCarryTheLow16BitsOfTheHandleAndOfEachCoordinate) {
    HWND wide = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234ABCD));
    ASSERT_EQ(Call(WM_NCMBUTTONDOWN, HTCAPTION, {70000, -3}, wide), Swallowed);
    std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 0xABCDu);
    EXPECT_EQ(static_cast<ULONG_PTR>(posted[0].lParam), 0xFFFD1170u);
}

TEST_F(MouseHookTest, MiddleButtonWhileDisabled) {
    lib.activateIt(0);
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed) << "the press is still swallowed";
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(Call(WM_MBUTTONUP, HTCLIENT), PassedOn) << "the release is passed on";
    EXPECT_TRUE(TakePosted().empty());

    lib.activateIt(2); // only exactly 1 means on
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_TRUE(TakePosted().empty());

    {
        HeldKey shift(VK_SHIFT);
        EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT, {10, 20}), Swallowed);
        std::vector<Posted> posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u) << "Shift + middle opens the settings even when off";
        EXPECT_EQ(posted[0].message, UM_SETTINGS);
        EXPECT_EQ(posted[0].wParam, 0u);
        EXPECT_EQ(posted[0].lParam, Packed(10, 20));
    }
}

TEST_F(MouseHookTest, CtrlMiddleClickIsAPlainFeatureClick) {
    lib.activateBodyFeature(BODY_COPY_PASTE);
    HeldKey control(VK_CONTROL);
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_COPY_PASTE);
}

TEST_F(MouseHookTest, RightButtonActsOnlyInScrollLockMode) {
    lib.activateCaptionFeature(CAPTION_ROLL_UP);
    lib.activateBodyFeature(BODY_SCROLL_WINDOW);

    SetScrollLockState(0x81); // toggled on but held down at this moment
    EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), PassedOn);
    EXPECT_EQ(Call(WM_RBUTTONUP, HTCLIENT), PassedOn);
    EXPECT_TRUE(TakePosted().empty());

    SetScrollLockState(1);
    EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_SCROLL_WINDOW);
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTCAPTION), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_ROLL_WINDOW);
    EXPECT_EQ(Call(WM_RBUTTONUP, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_BUTTON_UP);
    EXPECT_EQ(Call(WM_NCRBUTTONUP, HTCAPTION), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_BUTTON_UP);
    {
        HeldKey control(VK_CONTROL);
        EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT, {5, 6}), Swallowed);
        std::vector<Posted> posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].message, UM_CUSTOMIZE_WINDOW);
        EXPECT_EQ(posted[0].wParam, 0u);
        HeldKey shift(VK_SHIFT);
        EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), Swallowed);
        EXPECT_EQ(OnlyPosted(), UM_CUSTOMIZE_WINDOW) << "Ctrl is tested before Shift";
    }
    {
        HeldKey shift(VK_SHIFT);
        EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTCAPTION), Swallowed);
        EXPECT_EQ(OnlyPosted(), UM_SETTINGS);
    }

    lib.activateScroll(0);
    {
        HeldKey control(VK_CONTROL);
        EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), PassedOn);
    }
    EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), PassedOn);
    EXPECT_EQ(Call(WM_RBUTTONUP, HTCLIENT), PassedOn);
    EXPECT_TRUE(TakePosted().empty());
}

TEST_F(MouseHookTest, CaptionButtonShortcutsComeBeforeScrollLock) {
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTMINBUTTON), PassedOn) << "right tray is off";
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTMAXBUTTON), PassedOn) << "right roll is off";
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTHELP), Swallowed) << "help button needs no switch";
    EXPECT_EQ(OnlyPosted(), UM_FAST_FOLDERS);

    lib.activateRightTray(1);
    lib.activateRightRoll(1);
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTMINBUTTON), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW);
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTMAXBUTTON), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_ROLL_WINDOW);
    EXPECT_EQ(Call(WM_RBUTTONDOWN, HTMINBUTTON), PassedOn) << "client messages have no buttons";

    SetScrollLockState(1);
    HeldKey control(VK_CONTROL);
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTHELP), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_FAST_FOLDERS);
    EXPECT_EQ(Call(WM_NCRBUTTONDOWN, HTMINBUTTON), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW);
}

TEST_F(MouseHookTest, FeatureCodesOutsideTheTablesDoNothingButAreSwallowed) {
    for (LONG code : {6L, 7L, 99L, -1L, 999L, 0x7fffffffL}) {
        lib.activateCaptionFeature(code);
        EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    }
    for (LONG code : {8L, 99L, -7L, 999L}) {
        lib.activateBodyFeature(code);
        EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    }
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_TRUE(TakePosted(clicked).empty());
}

TEST_F(MouseHookTest, DoubleClickFeaturePostsToTheClickedWindow) {
    lib.activateCaptionFeature(CAPTION_DOUBLE_CLICK);
    struct {
        UINT hitTest;
        std::vector<UINT> messages;
    } cases[] = {{HTSYSMENU, {WM_SYSCOMMAND}},
                 {HTMINBUTTON, {WM_NCLBUTTONDOWN, WM_LBUTTONUP}},
                 {HTMAXBUTTON, {WM_NCLBUTTONDOWN, WM_LBUTTONUP}},
                 {HTCLOSE, {WM_NCLBUTTONDOWN, WM_LBUTTONUP}},
                 {HTCAPTION, {WM_NCLBUTTONDBLCLK}},
                 {HTBOTTOM, {WM_NCLBUTTONDBLCLK}}};
    for (const auto& c : cases) {
        ASSERT_EQ(Call(WM_NCMBUTTONDOWN, c.hitTest, {120, 65}), Swallowed);
        std::vector<Posted> posted = TakePosted(clicked);
        ASSERT_EQ(posted.size(), c.messages.size()) << "hit test " << c.hitTest;
        for (size_t i = 0; i < posted.size(); ++i)
            EXPECT_EQ(posted[i].message, c.messages[i]);
        if (c.hitTest == HTSYSMENU) {
            EXPECT_EQ(posted[0].wParam, static_cast<WPARAM>(SC_CLOSE));
            EXPECT_EQ(posted[0].lParam, 0);
        } else if (posted.size() == 2) {
            EXPECT_EQ(posted[0].wParam, c.hitTest);
            EXPECT_EQ(posted[1].wParam, static_cast<WPARAM>(MK_MBUTTON));
            EXPECT_EQ(posted[1].lParam, Packed(120, 65));
        } else {
            EXPECT_EQ(posted[0].wParam, c.hitTest);
            EXPECT_EQ(posted[0].lParam, Packed(120, 65));
        }
    }
    EXPECT_TRUE(TakePosted().empty()) << "the double click needs no host";

    lib.activateBodyFeature(BODY_DOUBLE_CLICK);
    POINT client = {30, 40};
    POINT screen = client;
    ClientToScreen(clicked, &screen);
    ASSERT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT, screen), Swallowed);
    std::vector<Posted> posted = TakePosted(clicked);
    const UINT sequence[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    ASSERT_EQ(posted.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(posted[i].message, sequence[i]);
        EXPECT_EQ(posted[i].wParam, static_cast<WPARAM>(MK_LBUTTON));
        EXPECT_EQ(posted[i].lParam, Packed(client.x, client.y)) << "client coordinates";
    }
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == clicked; }, 2000));
}

TEST_F(MouseHookTest, OverridesFollowTheForegroundApplication) {
    CustomRecords table;
    table.Add("OtherClass", CAPTION_ROLL_UP, BODY_ROLL_UP);
    table.Add("quillethooktestfg", CAPTION_START_MENU, BODY_START_MENU); // differs in case only
    table.Add("QuilletHookTestFg", CAPTION_RUN_APPLICATION, BODY_COPY_PASTE);
    table.Add("QuilletHookTestFg", CAPTION_WINDOW_FEATURES, BODY_WINDOW_FEATURES);
    lib.tellHookCustWin(table.Data());
    HookSharedRecord& s = *lib.shared;

    // The foreground application decides, wherever the click lands.
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN, HTCAPTION, {150, 70}, clicked), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_RUN_CAPTION_COMMAND) << "the first exact match wins";
    EXPECT_EQ(s.savedCaptionFeature, CAPTION_TRAY_WINDOW);
    EXPECT_EQ(s.savedBodyFeature, BODY_SCROLL_WINDOW);
    EXPECT_EQ(s.currentCaptionFeature, CAPTION_RUN_APPLICATION);
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_COPY_PASTE);

    ASSERT_TRUE(MakeForeground(clicked));
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW) << "no override: the host's features are back";
    EXPECT_EQ(s.currentCaptionFeature, CAPTION_TRAY_WINDOW);
    EXPECT_EQ(s.savedCaptionFeature, CAPTION_TRAY_WINDOW) << "saved words are not cleared";

    ASSERT_TRUE(MakeForeground(foreground));
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_RUN_CAPTION_COMMAND);
    lib.activateCaptionFeature(CAPTION_WINDOW_FEATURES); // the host sets new features meanwhile
    ASSERT_TRUE(MakeForeground(clicked));
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_WINDOW_FEATURES_MENU) << "the setter's feature wins";
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_SCROLL_WINDOW);
}

TEST_F(MouseHookTest, SearchMidRewriteUsesNoOverride) {
    CustomRecords table;
    table.Add("QuilletHookTestFg", CAPTION_RUN_APPLICATION, BODY_COPY_PASTE);
    lib.tellHookCustWin(table.Data());
    LONG sequence = lib.shared->tableSequence;
    lib.shared->tableSequence = sequence | 1; // as if TellHookCustWin were copying right now
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW);
    lib.shared->tableSequence = (sequence | 1) + 1;
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_RUN_CAPTION_COMMAND);
}

TEST_F(MouseHookTest, GarbageInTheSharedRecordNeverCrashesAndIsRepairedByTheHost) {
    std::mt19937 random(1999);
    auto* bytes = reinterpret_cast<unsigned char*>(lib.shared);
    const WPARAM messages[] = {WM_LBUTTONDOWN,   WM_NCLBUTTONDOWN, WM_MBUTTONDOWN,
                               WM_NCMBUTTONDOWN, WM_RBUTTONDOWN,   WM_NCRBUTTONDOWN,
                               WM_MBUTTONUP,     WM_RBUTTONUP,     WM_MOUSEMOVE};
    const size_t handleWords = offsetof(HookSharedRecord, itEnabled);
    for (int round = 0; round < 200; ++round) {
        // Everything but the four installer words, which only decide where posts go.
        for (size_t i = handleWords; i < sizeof(HookSharedRecord); ++i)
            bytes[i] = static_cast<unsigned char>(random());
        SetScrollLockState(random() & 1);
        for (int call = 0; call < 20; ++call) {
            WPARAM message = messages[random() % (sizeof messages / sizeof messages[0])];
            UINT hitTest = random() % 24;
            LRESULT result = Call(message, hitTest, {static_cast<LONG>(random() % 1024), 40});
            EXPECT_TRUE(result == Swallowed || result == PassedOn);
        }
        TakePosted();
        TakePosted(clicked);
    }
    SetScrollLockState(0);
    PushDefaults();
    EXPECT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_TRAY_WINDOW);
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_SCROLL_WINDOW);
}

TEST_F(MouseHookTest, StartMenuClickIsDismissedByTheNextPressOutsideAMenu) {
    lib.activateCaptionFeature(CAPTION_START_MENU);
    ASSERT_EQ(Call(WM_NCMBUTTONDOWN), Swallowed);
    EXPECT_EQ(OnlyPosted(), UM_START_MENU);

    // The next left press brings the window under the cursor to the front.
    RECT frame;
    GetWindowRect(clicked, &frame);
    PlaceCursor({frame.left + 100, frame.top + 100});
    ASSERT_EQ(GetForegroundWindow(), foreground);
    EXPECT_EQ(Call(WM_LBUTTONDOWN, HTCLIENT), PassedOn);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == clicked; }, 2000));

    // Dismissed once only.
    ASSERT_TRUE(MakeForeground(foreground));
    EXPECT_EQ(Call(WM_LBUTTONDOWN, HTCLIENT), PassedOn);
    PumpFor(100);
    EXPECT_EQ(GetForegroundWindow(), foreground);

    // Middle presses do not dismiss it; a right press does.
    lib.activateBodyFeature(BODY_START_MENU);
    ASSERT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    ASSERT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), Swallowed);
    PumpFor(100);
    EXPECT_EQ(GetForegroundWindow(), foreground);
    EXPECT_EQ(Call(WM_RBUTTONDOWN, HTCLIENT), PassedOn);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == clicked; }, 2000));
    TakePosted();
}

} // namespace
