// The features indicator and "Customize this window" on the real host, used with real clicks and
// keys and watched from outside.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(EndToEnd, TheIndicatorShowsTheFeaturesInForceAndCustomizeThisWindowSetsThemPerProgram) {
    const std::string place = SettingsPath + "\\Indicator", entry = WindowsPath + "\\QuilletTarget";
    SetDword(place, "PosX", 400), SetDword(place, "PosY", 5);
    Target target;
    ASSERT_TRUE(target.Start("customized-by-hand"));
    HWND other = MakeWindow("QuilletOther", WS_POPUP | WS_VISIBLE); // another without a caption
    Host host;
    ASSERT_TRUE(host.Start());
    auto press = [](POINT at, Button button = Left) { SettledClickAt(at, button), PumpFor(200); };
    HWND face = FindWindowA("#32770", ""), customize = FindWindowA(0, "Customize this window");
    ASSERT_TRUE(customize && GetWindowLongA(face, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // A click on the face, the fold button, the arrows up, up, left, right, down, the fold button
    // twice: where the window stands, what of it shows, how far the cursor went.
    char moves[400] = "";
    const int clicks[] = {10, 30, 29, 10, 62, 9, 62, 9, 50, 20, 70, 20, 62, 31, 29, 10, 29, 10};
    for (int i = 0; i < 18; i += 2) {
        POINT pt = Target::At(face, clicks[i], clicks[i + 1]), cursor;
        press(pt);
        RECT frame, shape = {};
        GetWindowRgnBox(face, &shape), GetWindowRect(face, &frame), GetCursorPos(&cursor);
        wsprintfA(moves + strlen(moves), "%ld,%ld %ld %ld,%ld|", frame.left, frame.top,
                  shape.right - shape.left, cursor.x - pt.x, cursor.y - pt.y);
    }
    EXPECT_STREQ(moves, "400,5 41 0,0|359,5 84 0,0|359,-5 84 0,-10|359,-5 84 0,0|349,-5 84 -10,0|"
                        "359,-5 84 10,0|359,5 84 0,10|400,5 41 0,0|359,5 84 0,0|");
    SetDword(SettingsPath, "Chord", 1); // in force at the next reload
    for (DWORD shown : {0, 1}) {
        SetDword(SettingsPath, "ShowState", shown);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(face) == !shown; }));
    }

    // "Customize this window" opened over a window by Ctrl+Alt+C or Ctrl + right click: what both
    // lists show (-9: it does not open); then keys in either list, and OK, Cancel or the close box.
    auto at = [&](int id) { return Target::At(GetDlgItem(customize, id), 10, 5); };
    auto closed = [&] { return !IsWindowVisible(customize); };
    using Keys = std::initializer_list<WORD>;
    auto use = [&](HWND over, bool chord, Keys caption, Keys body, int close) -> LRESULT {
        EXPECT_TRUE(BringToFront(over));
        // Scroll Lock on until the click is in; entering a window lets the modifiers go.
        if (chord) Type({VK_SCROLL}), MoveMouseTo(target.Client()), PumpFor(300);
        chord ? (void)(HeldKey(VK_CONTROL), ClickAt(target.Client(), Right)) : CtrlAlt('C');
        if (chord) Type({VK_SCROLL});
        if (!WaitUntil([&] { return GetForegroundWindow() == customize; })) return -9;
        LRESULT shown = SendDlgItemMessageA(customize, 1242, CB_GETCURSEL, 0, 0) * 10 +
                        SendDlgItemMessageA(customize, 1243, CB_GETCURSEL, 0, 0);
        if (caption.size()) press(at(1242)), Type(caption), Type({VK_RETURN});
        if (body.size()) press(at(1243)), Type(body), Type({VK_RETURN});
        // Under load a click can be lost and is repeated; three that do not close it are a fault.
        for (int i = 0; i < 3 && !closed(); ++i)
            press(close ? at(close) : CaptionButton(customize, HTCLOSE)), WaitUntil(closed);
        EXPECT_TRUE(closed()) << "three clicks on " << close << " and the dialog still open";
        return shown;
    };
    EXPECT_EQ(use(target.window, false, {}, {}, IDOK), -11);
    EXPECT_EQ(Stored(entry, "Title"), "<none>") << "OK without a choice";
    EXPECT_EQ(use(target.window, true, {VK_HOME, VK_DOWN}, {VK_HOME, VK_DOWN}, IDOK), -11)
        << "Ctrl + right click in Scroll Lock mode";
    // Shown while that program is in front, and in force for its very next clicks only.
    EXPECT_TRUE(WaitUntil([&] { return Pictures(face) == "1150 1157 "; }));
    press(target.Client(), Middle), press(target.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] {
        return target.Count(WM_LBUTTONDBLCLK) == 1 && target.Count(WM_NCLBUTTONDBLCLK) == 1;
    }));
    ASSERT_TRUE(BringToFront(other));
    EXPECT_TRUE(WaitUntil([&] { return Pictures(face) == "1154 1159 "; }));
    EXPECT_EQ(Stored(entry, "Title"), "Quillet Target customize") << "its first 24 characters";
    // Again: the stored choice, then overwritten; Cancel and the close box change nothing.
    EXPECT_EQ(use(target.window, false, {VK_DOWN}, {VK_END, VK_UP}, IDOK), 11) << "as stored";
    EXPECT_EQ(use(target.window, false, {VK_HOME}, {}, IDCANCEL), 26) << "the class saved again";
    EXPECT_EQ(use(target.window, false, {}, {VK_HOME}, 0), 26);
    EXPECT_EQ(use(other, false, {}, {}, 0), -9) << "a window without a caption";
    EXPECT_EQ(Stored(entry, "CaptionFeature") + Stored(entry, "BodyFeature"), "26");
    EXPECT_TRUE(host.Closes());
    EXPECT_EQ(Stored(place, "PosX") + "," + Stored(place, "PosY"), "400,5") << "stored folded";
    DestroyWindow(other);
}

} // namespace
