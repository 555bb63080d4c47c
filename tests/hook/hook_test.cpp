// The hook library loaded into the test: MouseHook called with crafted events, real windows and
// real keyboard state, posting to a window of this test so that every request can be read back.
#include <gtest/gtest.h>

#include <tuple>

#include "harness.h"

namespace {

constexpr LRESULT Swallowed = 1, PassedOn = 0; // CallNextHookEx outside a chain returns 0

// Per-application records of the host: a class name, the caption and the body features, at
// the offsets of the hook library's own entries.
using CustomRecords = std::vector<SharedCustomEntry>;

void ScrollLock(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys), keys[VK_SCROLL] = state, SetKeyboardState(keys);
}

using Posts = std::vector<std::tuple<UINT, WPARAM, LPARAM>>;

struct Hook : testing::Test {
    void SetUp() override {
        MoveWindow(front, 400, 60, 300, 240, TRUE);
        s().hostWindow = host; // as if installed: a hook steps aside while no host is named
        s().hookProc = mouseHook;
        Switches(1, 1, 0, 0, CAPTION_TRAY_WINDOW, BODY_SCROLL_WINDOW);
        Tell({});
        ASSERT_TRUE(BringToFront(front));
    }
    void TearDown() override { ScrollLock(0), DestroyWindow(clicked), DestroyWindow(front); }
    HookSharedRecord& s() { return *lib.shared; }
    // clang-format off
    void Switches(LONG it, LONG scroll, LONG tray, LONG roll, LONG caption, LONG body) {
        const char* setters[] = {"ActivateIt", "ActivateScroll", "ActivateRightTray",
                                 "ActivateRightRoll", "ActivateCaptionFeature", "ActivateBodyFeature"};
        LONG values[] = {it, scroll, tray, roll, caption, body};
        for (int i = 0; i < 6; ++i) lib.Get<decltype(ActivateIt)>(setters[i])(values[i]);
    }
    // clang-format on
    void Tell(CustomRecords records) { // ending with an empty one
        records.push_back({});
        lib.Get<decltype(TellHookCustWin)>("TellHookCustWin")(records.data());
    }
    LRESULT Call(WPARAM message, UINT hitTest = HTCAPTION) {
        MOUSEHOOKSTRUCT event = {{150, 70}, clicked, hitTest, 0};
        return mouseHook(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    }
    // What was posted to the host, or to this window.
    Posts Take(HWND to = nullptr) {
        Posts posted;
        for (MSG msg; PeekMessageA(&msg, to ? to : host, 0, 0, PM_REMOVE);)
            posted.emplace_back(msg.message, msg.wParam, msg.lParam);
        return posted;
    }
    // The one message a swallowed press posted to the host; 0 when it was passed on, or none or
    // several were posted.
    UINT Click(WPARAM message = WM_NCMBUTTONDOWN, UINT hitTest = HTCAPTION) {
        Posts posted = Call(message, hitTest) == Swallowed ? Take() : Posts{};
        return posted.size() == 1 ? std::get<0>(posted[0]) : 0;
    }
    HookLibrary lib;
    HOOKPROC mouseHook = lib.Get<decltype(MouseHook)>("MouseHook");
    HWND host = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, 0, 0);
    HWND clicked = MakeWindow("QuilletHookClicked"), front = MakeWindow("QuilletHookFg");
};

// One row per case: the message, where it lands, Scroll Lock, the keys held (1 Ctrl, 2 Shift),
// the switches, and what the hook must answer and post, about the clicked window 'c', the
// foreground window 'f' or no window '0'.
const struct {
    UINT message, hitTest;
    LONG scrollLock, keys, it, scroll, tray, roll, caption, body, result, posted, about;
} Decisions[] = {
    {WM_MOUSEMOVE, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 5, PassedOn, 0, 0},
    {WM_RBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 5, PassedOn, 0, 0},
    // Caption features, then body features; roll-up and tray inside act on the foreground.
    {WM_NCMBUTTONDOWN, HTCAPTION, 0, 0, 1, 1, 0, 0, 0, 5, Swallowed, UM_START_MENU, 'c'},
    {WM_NCMBUTTONDOWN, HTCAPTION, 0, 0, 1, 1, 0, 0, 2, 5, Swallowed, UM_ROLL_WINDOW, 'c'},
    {WM_NCMBUTTONDOWN, HTCAPTION, 0, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_TRAY_WINDOW, 'c'},
    {WM_NCMBUTTONDOWN, HTCAPTION, 0, 0, 1, 1, 0, 0, 4, 5, Swallowed, UM_RUN_CAPTION_COMMAND, 'c'},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 2, Swallowed, UM_ROLL_WINDOW, 'f'},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 3, Swallowed, UM_TRAY_WINDOW, 'f'},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 4, Swallowed, UM_RUN_BODY_COMMAND, 'c'},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_SCROLL_WINDOW, 'c'},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 7, Swallowed, UM_COPY_PASTE, 'c'},
    {WM_MBUTTONUP, HTCLIENT, 0, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_BUTTON_UP, 'c'},
    // Switched off (only exactly 1 is on): presses swallowed with no action, releases passed
    // on, Shift + middle still opens the settings.
    {WM_MBUTTONUP, HTCLIENT, 0, 0, 0, 1, 0, 0, 3, 5, PassedOn, 0, 0},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 2, 1, 0, 0, 3, 5, Swallowed, 0, 0},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 2, 0, 1, 0, 0, 3, 5, Swallowed, UM_SETTINGS, '0'},
    // Scroll Lock mode: toggled on and not held down at this moment; Ctrl before Shift.
    {WM_RBUTTONDOWN, HTCLIENT, 0x81, 0, 1, 1, 0, 0, 3, 5, PassedOn, 0, 0},
    {WM_RBUTTONDOWN, HTCLIENT, 1, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_SCROLL_WINDOW, 'c'},
    {WM_RBUTTONUP, HTCLIENT, 1, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_BUTTON_UP, 'c'},
    {WM_RBUTTONDOWN, HTCLIENT, 1, 3, 1, 1, 0, 0, 3, 5, Swallowed, UM_CUSTOMIZE_WINDOW, '0'},
    {WM_NCRBUTTONDOWN, HTCAPTION, 1, 2, 1, 1, 0, 0, 3, 5, Swallowed, UM_SETTINGS, '0'},
    {WM_RBUTTONDOWN, HTCLIENT, 1, 1, 1, 0, 0, 0, 3, 5, PassedOn, 0, 0},
    // The caption buttons' shortcuts come before any Scroll Lock test.
    {WM_NCRBUTTONDOWN, HTMINBUTTON, 0, 0, 1, 1, 0, 0, 3, 5, PassedOn, 0, 0},
    {WM_NCRBUTTONDOWN, HTHELP, 0, 0, 1, 1, 0, 0, 3, 5, Swallowed, UM_FAST_FOLDERS, 'c'},
    {WM_NCRBUTTONDOWN, HTMINBUTTON, 0, 0, 1, 1, 1, 1, 3, 5, Swallowed, UM_TRAY_WINDOW, 'c'},
    {WM_NCRBUTTONDOWN, HTMINBUTTON, 1, 1, 1, 1, 1, 0, 3, 5, Swallowed, UM_TRAY_WINDOW, 'c'},
    {WM_NCRBUTTONDOWN, HTMAXBUTTON, 0, 0, 1, 1, 0, 1, 3, 5, Swallowed, UM_ROLL_WINDOW, 'c'},
    // Double clicks go to the clicked window itself; the last brings it to the front.
    {WM_NCMBUTTONDOWN, HTNOWHERE, 0, 0, 1, 1, 0, 0, 1, 5, Swallowed, 0, 0},
    {WM_MBUTTONDOWN, HTCLIENT, 0, 0, 1, 1, 0, 0, 1, 1, Swallowed, 0, 0},
};

TEST_F(Hook, DecidesEachCaseOfItsTableAndStepsAsideWhenItsHostIsGone) {
    for (const auto& row : Decisions) {
        SCOPED_TRACE(&row - Decisions);
        Switches(row.it, row.scroll, row.tray, row.roll, row.caption, row.body);
        ScrollLock(row.scrollLock);
        HeldKey control(row.keys & 1 ? VK_CONTROL : 0), shift(row.keys & 2 ? VK_SHIFT : 0);
        EXPECT_EQ(Call(row.message, row.hitTest), row.result);
        WPARAM about = row.about == 'c' ? Low16(clicked) : row.about == 'f' ? Low16(front) : 0;
        EXPECT_EQ(Take(), (row.posted ? Posts{{row.posted, about, MAKELPARAM(150, 70)}} : Posts{}));
    }
    // The double-click feature closes from the system-menu icon and presses a button once; what
    // the table's rows posted to the clicked window is taken first.
    Switches(1, 1, 0, 0, CAPTION_DOUBLE_CLICK, BODY_DOUBLE_CLICK), Take(clicked);
    for (UINT hit : {HTSYSMENU, HTMINBUTTON, HTMAXBUTTON, HTCLOSE}) {
        const LPARAM at = MAKELPARAM(150, 70);
        Posts press = {{WM_NCLBUTTONDOWN, hit, at}, {WM_LBUTTONUP, MK_MBUTTON, at}};
        EXPECT_TRUE(Call(WM_NCMBUTTONDOWN, hit) == Swallowed && Take().empty());
        EXPECT_EQ(Take(clicked), (hit == HTSYSMENU ? Posts{{WM_SYSCOMMAND, SC_CLOSE, 0}} : press));
    }
    EXPECT_EQ(mouseHook(HC_ACTION, WM_NCMBUTTONDOWN, 0), PassedOn) << "no event";
    DestroyWindow(clicked); // still double clicks: one that reaches no one is not lost
    EXPECT_TRUE(Call(WM_NCMBUTTONDOWN, HTNOWHERE) == PassedOn && Call(WM_MBUTTONDOWN) == PassedOn);
    // A host that is gone: its window killed, and Wine goes on calling its hook.
    DestroyWindow(host), Switches(0, 1, 0, 0, 1, 1); // switched off, a press took no action
    EXPECT_EQ(Call(WM_MBUTTONDOWN, HTCLIENT), PassedOn);
}

TEST_F(Hook, OverridesFollowTheForegroundApplicationAndAreBoundedWhateverTheRecordHolds) {
    CustomRecords table = {{"OtherClass", CAPTION_ROLL_UP, BODY_ROLL_UP},
                           {"quillethookfg", CAPTION_START_MENU, BODY_START_MENU}, // by case only
                           {"QuilletHookFg", CAPTION_RUN_APPLICATION, BODY_COPY_PASTE},
                           {"QuilletHookFg", CAPTION_WINDOW_FEATURES, BODY_WINDOW_FEATURES}},
                  many(150);
    Tell(table);
    // Wherever the click lands, the foreground application decides; the first exact match wins,
    // except during a rewrite of the table.
    EXPECT_EQ(Click(), UM_RUN_CAPTION_COMMAND);
    EXPECT_EQ(Click(WM_MBUTTONDOWN, HTCLIENT), UM_COPY_PASTE);
    LONG sequence = s().tableSequence |= 1;
    EXPECT_EQ(Click(), UM_TRAY_WINDOW);
    s().tableSequence = sequence + 1;
    EXPECT_EQ(Click(), UM_RUN_CAPTION_COMMAND);
    // Without an override the host's features are back, a feature it set meanwhile included.
    lib.Get<decltype(ActivateCaptionFeature)>("ActivateCaptionFeature")(CAPTION_WINDOW_FEATURES);
    ASSERT_TRUE(BringToFront(clicked));
    EXPECT_EQ(Click(), UM_WINDOW_FEATURES_MENU);
    // Another program's count is no bound. At most a hundred records are copied, each name up
    // to its zero.
    s().customCount = 0x7FFFFFF0;
    EXPECT_EQ(Click(), UM_WINDOW_FEATURES_MENU);
    for (int i = 0; i < 150; ++i)
        wsprintfA(many[i].className, "Class%d", i), many[i].captionFeature = i % 6;
    Tell(many);
    ASSERT_EQ(s().customCount, 100);
    EXPECT_TRUE(!strcmp(s().customTable[99].className, "Class99") &&
                s().customTable[99].captionFeature == 3);
    memset(table[1].className, 'A', SharedClassNameSize); // no zero within its field
    s().customTable[1].className[SharedClassNameSize - 1] = 'x';
    Tell(table);
    EXPECT_EQ(strnlen(s().customTable[1].className, SharedClassNameSize), SharedClassNameSize - 1u);
}

} // namespace
