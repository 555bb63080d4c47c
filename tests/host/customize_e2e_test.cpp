// The features indicator and "Customize this window" on the real host, used with real clicks and
// keys and watched from outside.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(EndToEnd, TheIndicatorShowsTheFeaturesInForceAndCustomizeThisWindowSetsThemPerProgram) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    const std::string place = SettingsPath + "\\Indicator", entry = WindowsPath + "\\QuilletTarget";
    SetDword(place, "PosX", 400), SetDword(place, "PosY", 5);
    Target target;
    ASSERT_TRUE(target.Start("customized-by-hand"));
    HWND other = MakeWindow("QuilletOther"),
         bare = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 660, 450, 300, 240, 0, 0, 0, 0);
    MoveWindow(other, 660, 450, 300, 240, TRUE);
    Host host;
    ASSERT_TRUE(host.Start());
    HWND face = FindWindowA("#32770", ""),
         customize = FindWindowA("#32770", "Customize this window");
    ASSERT_TRUE(GetDlgItem(face, 1162) && customize &&
                GetWindowLongA(face, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WaitUntil([&] { return Pictures(face) == "1154 1159 "; })) << "the defaults";

    // A click on the face, the fold button, the arrows up, up, left, right, down, the fold button
    // twice: where the window stands, what of it shows, how far the cursor went.
    std::string moves;
    const int clicks[] = {10, 30, 29, 10, 62, 9, 62, 9, 50, 20, 70, 20, 62, 31, 29, 10, 29, 10};
    for (int i = 0; i < 18; i += 2) {
        POINT pt = Target::At(face, clicks[i], clicks[i + 1]), cursor;
        ClickAt(pt, Left), PumpFor(200);
        RECT frame, shape = {};
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(face, region), GetRgnBox(region, &shape), DeleteObject(region);
        GetWindowRect(face, &frame), GetCursorPos(&cursor);
        char step[80];
        wsprintfA(step, "%ld,%ld %ld %ld,%ld|", frame.left, frame.top, shape.right - shape.left,
                  cursor.x - pt.x, cursor.y - pt.y);
        moves += step;
    }
    EXPECT_EQ(moves, "400,5 41 0,0|359,5 84 0,0|359,-5 84 0,-10|359,-5 84 0,0|349,-5 84 -10,0|"
                     "359,-5 84 10,0|359,5 84 0,10|400,5 41 0,0|359,5 84 0,0|");
    SetDword(SettingsPath, "Chord", 1);
    for (DWORD shown : {0, 1}) {
        SetDword(SettingsPath, "ShowState", shown);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(face) == !shown; }));
    }

    // "Customize this window" opened over a window by Ctrl+Alt+C or Ctrl + right click, these
    // keys typed into each list, closed by a button or the close box (0): what it showed.
    auto use = [&](HWND over, bool chord, std::vector<std::vector<WORD>> keys, int button) {
        EXPECT_TRUE(BringToFront(over));
        // Scroll Lock on until the click is in; a press at once after a move can be lost.
        if (chord) Type({VK_SCROLL}), MoveMouseTo(target.Client()), PumpFor(300);
        {
            HeldKey control(VK_CONTROL), alt(chord ? 0 : VK_MENU);
            chord ? (void)ClickAt(target.Client(), Right) : Type({'C'});
        }
        if (chord) Type({VK_SCROLL});
        if (!WaitUntil([&] { return GetForegroundWindow() == customize; }, 1000)) return -9;
        LRESULT shown = SendDlgItemMessageA(customize, 1242, CB_GETCURSEL, 0, 0) * 10 +
                        SendDlgItemMessageA(customize, 1243, CB_GETCURSEL, 0, 0);
        for (int list = 0; list < 2; ++list)
            for (size_t key = 0; key < keys[list].size(); ++key) // the first opens the list
                key ? Type({keys[list][key]})
                    : (void)ClickAt(Target::At(GetDlgItem(customize, 1242 + list), 20, 8), Left);
        RECT box;
        GetWindowRect(customize, &box);
        ClickAt(button ? Target::At(GetDlgItem(customize, button), 10, 5)
                       : POINT{box.right - 12, box.top + 10},
                Left);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(customize); }));
        return static_cast<int>(shown);
    };
    EXPECT_EQ(use(target.window, false, {{}, {}}, IDOK), -11) << "no choice, and none stored";
    EXPECT_EQ(Stored(entry, "Title"), "<none>");
    EXPECT_EQ(
        use(target.window, true, {{0, VK_HOME, VK_DOWN, 13}, {0, VK_HOME, VK_DOWN, 13}}, IDOK), -11)
        << "Ctrl + right click in Scroll Lock mode";
    EXPECT_EQ(Stored(entry, "CaptionFeature") + Stored(entry, "BodyFeature") +
                  Stored(entry, "Title"),
              "11Quillet Target customize");
    // Shown while that program is in front, and in force for its very next clicks only.
    EXPECT_TRUE(WaitUntil([&] { return Pictures(face) == "1150 1157 "; }));
    ClickAt(target.Client(), Middle), ClickAt(target.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] {
        return target.Count(WM_LBUTTONDBLCLK) == 1 && target.Count(WM_NCLBUTTONDBLCLK) == 1;
    }));
    ASSERT_TRUE(BringToFront(other));
    EXPECT_TRUE(WaitUntil([&] { return Pictures(face) == "1154 1159 "; }));
    ClickAt(Target::At(other, 50, -10), Middle);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(other); })) << "sent to the tray";
    // Again: the stored choice, then overwritten; Cancel and the close box change nothing.
    EXPECT_EQ(use(target.window, false, {{0, VK_DOWN, 13}, {0, VK_END, VK_UP, 13}}, IDOK), 11);
    EXPECT_EQ(use(target.window, false, {{0, VK_HOME, 13}, {}}, IDCANCEL), 26);
    EXPECT_EQ(use(target.window, false, {{}, {0, VK_HOME, 13}}, 0), 26);
    EXPECT_EQ(Stored(entry, "CaptionFeature") + Stored(entry, "BodyFeature"), "26");
    EXPECT_EQ(use(bare, false, {{}, {}}, IDOK), -9) << "a window without a caption";
    PostMessageA(host.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(host.process.Wait(10000), 0u);
    EXPECT_EQ(Stored(place, "PosX") + "," + Stored(place, "PosY"), "400,5") << "stored folded";
    DestroyWindow(other), DestroyWindow(bare);
}

} // namespace
