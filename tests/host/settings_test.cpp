// The settings dialog of the real Quillet99.exe, opened, paged, filled and closed as a user
// does, and watched from outside: which controls show, what they hold, what OK stores and
// what it changes in the hook library, the notification area, the hot keys and the registry.
#include <gtest/gtest.h>

#include <set>

#include "harness.h"

#include <commctrl.h>

namespace {

const std::string MouseWare = "SOFTWARE\\Logitech\\MouseWare\\CurrentVersion";

HWND Shown(const char* title) { // a visible dialog or message box
    HWND box = FindWindowA("#32770", title);
    return IsWindowVisible(box) ? box : nullptr;
}
HWND Dialog;  // the settings dialog that is open
HWND Open() { // with Ctrl+Alt+R
    HeldKey control(VK_CONTROL), alt(VK_MENU);
    Type({'R'});
    EXPECT_TRUE(WaitUntil([] { return (Dialog = Shown("Quillet 99 - Settings")) != nullptr; }));
    return Dialog;
}
POINT At(HWND window, int id, LONG x = 8, LONG y = 6) {
    return Target::At(GetDlgItem(window, id), x, y);
}
LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(Dialog, id, message, wParam, lParam);
}
// A click there; then this answer to the message box it shows within that time, if it does.
bool Answered(POINT at, int answer, DWORD wait = 5000) {
    ClickAt(at, Left);
    if (!WaitUntil([] { return Shown("Quillet 99") != nullptr; }, wait)) return false;
    ClickAt(At(Shown("Quillet 99"), answer), Left);
    return WaitUntil([] { return !Shown("Quillet 99"); });
}
std::string HklmText(const std::string& key, const char* name) { // with its length in bytes
    char data[64] = {};
    DWORD type = 0, size = sizeof data;
    if (SHGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, &type, data, &size)) return "<none>";
    return std::string(data) + "/" + std::to_string(size);
}

// Each setting: its value, its control, two values, the hook library's switch that follows it
// and, for a radio pair, its other button.
using Hook = HookSharedRecord;
// clang-format off
struct Setting { const char* name; int id; std::string first, second; LONG Hook::*hook = {};
                 int pair = 0; };
const Setting Table[] = {
    {"CaptionFeature", 1178, "3", "2", &Hook::currentCaptionFeature},
    {"BodyFeature", 1190, "5", "7", &Hook::currentBodyFeature},
    {"RunCommand", 1188, "", "C:\\a b\\x.exe"}, {"RunBodyCommand", 1210, "notepad.exe", ""},
    {"HotKey", 1227, "1", "0"}, {"FastFolders", 1200, "1", "0"}, {"ShowState", 1197, "1", "0"},
    {"LoadOnStartUp", 1195, "1", "0"}, {"DetectMiddleButton", 1198, "1", "0"},
    {"ShowTrayIcon", 1196, "1", "0"}, {"TrayOnMinimize", 1224, "0", "1", &Hook::rightTrayEnabled},
    {"RollUpOnMaximize", 1222, "0", "1", &Hook::rightRollEnabled},
    {"Chord", 1199, "0", "1", &Hook::scrollEnabled}, {"CtrlClipboard", 1229, "0", "1", {}, 1228},
    {"LogitechFeature", 1209, "0", "1", {}, 1204}};
bool List(int id) { return id == 1178 || id == 1190; }
bool Edit(int id) { return id == 1188 || id == 1210; }
// clang-format on
std::string Shows(const Setting& s) { // as the registry would hold it
    char text[300] = {};
    if (List(s.id)) return std::to_string(Send(s.id, CB_GETCURSEL));
    if (Edit(s.id)) return Send(s.id, WM_GETTEXT, 300, LPARAM(text)), text;
    return Send(s.id, BM_GETCHECK) ? "1" : !s.pair || Send(s.pair, BM_GETCHECK) ? "0" : "none";
}
void Change(const Setting& s, const std::string& value) {
    if (List(s.id)) Send(s.id, CB_SETCURSEL, std::stoi(value));
    if (Edit(s.id)) Send(s.id, WM_SETTEXT, 0, LPARAM(value.c_str()));
    Send(s.id, BM_SETCHECK, value == "1");
    if (s.pair) Send(s.pair, BM_SETCHECK, value == "0");
}

// The ids of the controls of each page and of each panel; those on the screen.
// clang-format off
const std::set<int> Pages[] = {
    {1178, 1181, 1182, 1216}, {1182, 1190, 1191, 1217},
    {1192, 1195, 1196, 1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205, 1209, 1218, 1234, 1237},
    {1208, 1212, 1213, 1219}};
enum Panel { NoPanel, NoSettings, RollUp, Tray, CaptionRun, BodyRun, Menu, Clipboard };
const std::set<int> Panels[] = {{}, {1183, 1220}, {1221, 1222}, {1223, 1224}, {1188, 1189, 1193, 1194},
                                {1193, 1194, 1210, 1225}, {1226, 1227}, {1228, 1229, 1230, 1231, 1232}};
// On pages 1 and 2, by feature code + 1: no selection first.
const Panel ByFeature[2][9] = {{NoPanel, NoSettings, NoSettings, RollUp, Tray, CaptionRun, Menu},
    {NoPanel, NoSettings, NoSettings, RollUp, Tray, BodyRun, NoSettings, Menu, Clipboard}};
// clang-format on
std::set<int> Expected(int page, Panel panel) {
    std::set<int> set = Pages[page];
    set.insert(Panels[panel].begin(), Panels[panel].end());
    return set;
}
std::set<int> Visible(HWND dialog) { // but the strip, its frame and the banner
    std::set<int> set;
    for (int id = 1178; id < 1245; ++id)
        if (id != 1179 && (id < 1184 || id > 1187) && id != 1215 &&
            IsWindowVisible(GetDlgItem(dialog, id)))
            set.insert(id);
    return set;
}
// The navigator's rows, a point in each; where the frame's light vertical line stands: on the
// left of a raised frame, on the right of a sunken one.
const POINT Rows[] = {{54, 48}, {54, 120}, {54, 194}, {54, 267}};
std::string Frame(HWND dialog) {
    HWND line = GetDlgItem(dialog, 1185);
    POINT at = {};
    MapWindowPoints(line, dialog, &at, 1);
    return IsWindowVisible(line) ? std::to_string(at.x) + "," + std::to_string(at.y) : "-";
}
// The navigator driven a step at a time: where the mouse goes, the left button going down (1) or
// up (0) there, then where the frame stands and which page shows. A raised frame on hover, sunken
// on the press, held there over another row; moved off, the frame goes and the page stays; a
// press outside released on a row switches.
// clang-format off
struct Step { POINT at; int button; const char* frame; int page; };
const Step Steps[] = {{Rows[1], -1, "15,88", 0}, {Rows[1], 1, "93,88", 0},
                      {Rows[0], -1, "93,88", 0}, {{250, 130}, -1, "-", 0}, {{250, 130}, 0, "-", 0},
                      {{300, 313}, 1, "-", 0}, {Rows[2], 0, "15,161", 2}};
// clang-format on

TEST(Settings, OpensOnceFromEachOpenerPagesWithTheMouseStoresEverySettingAndAppliesIt) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, MouseWare.c_str());
    SetString(WindowsPath + "\\ClassA", "Title", "Alpha");
    SetString(WindowsPath + "\\ClassB", "Title", "Beta");
    Target target;
    ASSERT_TRUE(target.Start("settings"));
    Host host;
    ASSERT_TRUE(host.Start());
    // Values outside their lists, stored after the first run's; the dialog is to show them.
    for (const char* name : {"CaptionFeature", "BodyFeature", "CtrlClipboard", "LogitechFeature"})
        SetDword(SettingsPath, name, name[0] == 'C' ? 6 : DWORD(-1));
    RECT bar; // the host's icon is the first from the right
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
    const POINT icon = {bar.right - (GetSystemMetrics(SM_CXSMICON) + 4) / 2,
                        (bar.top + bar.bottom) / 2};
    // Ctrl+Alt+R, Shift + middle click, a double click on the icon, the menu's "S&ettings...";
    // a second request while it is open brings it forward and opens nothing.
    for (int opener = 0; opener < 4; ++opener) {
        if (opener == 1) {
            MoveMouseTo(target.Client()); // entering a window resets the modifiers
            HeldKey shift(VK_SHIFT);
            ClickAt(target.Client(), Middle);
        }
        MoveMouseTo(icon), PumpFor(300);
        for (int click = 0; opener >= 2 && click < 4 - opener; ++click)
            Press(opener == 2 ? Left : Right, true), Press(opener == 2 ? Left : Right, false);
        if (opener == 3 && WaitUntil([] { return OpenMenu() != nullptr; })) Type({'E'});
        HWND dialog = opener ? nullptr : Open();
        ASSERT_TRUE(WaitUntil([&] { return (dialog = Shown("Quillet 99 - Settings")); })) << opener;
        ClickAt(target.Client(), Left);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.window; }));
        EXPECT_EQ(Open(), dialog);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
        EXPECT_FALSE(FindWindowExA(nullptr, dialog, "#32770", "Quillet 99 - Settings"));
        if (opener < 3) Type({VK_ESCAPE});
        EXPECT_TRUE(opener == 3 || WaitUntil([&] { return !IsWindow(dialog); }));
    }
    // Out of their lists: no selection, neither radio button checked, no panel (in the steps).
    EXPECT_EQ(Shows(Table[0]) + Shows(Table[1]) + Shows(Table[13]) + Shows(Table[14]),
              "-1-1nonenone");

    HWND dialog = Dialog;
    auto screen = [&](POINT pt) { return ClientToScreen(dialog, &pt), pt; };
    for (const Step& step : Steps) {
        MoveMouseTo(screen(step.at));
        if (step.button >= 0) Press(Left, step.button != 0);
        PumpFor(300); // time for a wrong change to show
        EXPECT_TRUE(WaitUntil([&] {
            return Frame(dialog) == step.frame && Visible(dialog) == Expected(step.page, NoPanel);
        })) << step.frame;
    }

    // Each feature's panel on pages 1 and 2, and "&Browse" there: cancelled, then a file.
    auto page = [&](int row) {
        ClickAt(screen(Rows[row]), Left);
        EXPECT_TRUE(WaitUntil([&] { return Visible(dialog) == Expected(row, NoPanel); })) << row;
    };
    const std::string file = BinPath("q99target.exe");
    for (int row : {0, 1}) {
        const int list = row ? 1190 : 1178, edit = row ? 1210 : 1188;
        page(row);
        for (int code : {-1, 0, 1, 2, 3, 5, 6, 7, 4}) { // ends on "Run application"
            if (row == 0 && code > 5) continue;         // the caption list has six
            Send(list, CB_SETCURSEL, WPARAM(code));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                         LPARAM(GetDlgItem(dialog, list)));
            EXPECT_EQ(Visible(dialog), Expected(row, ByFeature[row][code + 1]))
                << "page " << row + 1 << ", feature " << code;
        }
        Send(edit, WM_SETTEXT, 0, LPARAM("before"));
        for (bool cancel : {true, false}) {
            ClickAt(At(dialog, row ? 1225 : 1189), Left);
            ASSERT_TRUE(WaitUntil([] { return Shown("Browse") != nullptr; }));
            for (int name : {1148, 1152}) // its file name box, in either look
                SetDlgItemTextA(Shown("Browse"), name, cancel ? "x" : file.c_str());
            Type({WORD(cancel ? VK_ESCAPE : VK_RETURN)});
            EXPECT_TRUE(WaitUntil([] { return !Shown("Browse"); }));
            EXPECT_EQ(Shows({"", edit, "", ""}), cancel ? "before" : file);
        }
    }

    // Page 3: unchecking the tray icon warns each time, checking does not; "&Configure...".
    page(2);
    for (int click = 0; click < 3; ++click)
        EXPECT_EQ(Answered(At(dialog, 1196), IDOK, click == 1 ? 500 : 3000), click != 1) << click;
    ClickAt(At(dialog, 1237), Left);
    EXPECT_TRUE(WaitUntil([&] {
        return GetWindow(Shown("Favorite folders"), GW_OWNER) == dialog && !IsWindowEnabled(dialog);
    }));
    Type({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([] { return !Shown("Favorite folders"); }));

    // Page 4: a row per entry; "D&elete" only with a row selected; declined, then done at once,
    // and the class name in the caption.
    page(3);
    EXPECT_EQ(Send(1208, LVM_GETITEMCOUNT), 2);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(GetDlgItem(dialog, 1212)); }));
    ClickAt(At(dialog, 1208, 40, 28), Left);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 1212)) != FALSE; }));
    for (int answer : {IDCANCEL, IDOK}) {
        EXPECT_TRUE(Answered(At(dialog, 1212), answer));
        EXPECT_EQ(Send(1208, LVM_GETITEMCOUNT), answer);
    }
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(caption + Stored(WindowsPath + "\\ClassA", "Title") +
                  Stored(WindowsPath + "\\ClassB", "Title"),
              "ClassA<none>Beta");
    // OK with no caption feature and a MouseWare choice, without an active mouse: stored as
    // chosen, and no MouseWare key made.
    Send(1178, CB_SETCURSEL, WPARAM(-1));
    Send(1204, BM_SETCHECK, BST_CHECKED);
    ClickAt(At(dialog, IDOK), Left);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Stored(SettingsPath, "CaptionFeature") + Stored(SettingsPath, "LogitechFeature"),
              "42949672950");
    EXPECT_EQ(HklmText(MouseWare + "\\0000", "DoubleClick"), "<none>");

    // Every setting round-trips: first to second with OK; back with Esc, Cancel and the close
    // box; back with OK. The hook library's switches follow what was stored.
    for (const Setting& s : Table)
        Edit(s.id) ? SetString(SettingsPath, s.name, s.first)
                   : SetDword(SettingsPath, s.name, std::stoi(s.first));
    const std::string global = MouseWare + "\\Global", mouse = MouseWare + "\\M1\\0000";
    SHSetValueA(HKEY_LOCAL_MACHINE, global.c_str(), "ActiveMouse", REG_SZ, "M1", 3);
    for (int pass = 0; pass < 5; ++pass) {
        HWND shown = Open();
        for (const Setting& s : Table)
            EXPECT_EQ(Shows(s), pass ? s.second : s.first) << s.name << " in pass " << pass;
        for (const Setting& s : Table)
            Change(s, pass ? s.first : s.second);
        if (pass == 1) Type({VK_ESCAPE});
        const POINT close =
            pass == 3 ? CaptionButton(shown, HTCLOSE) : At(shown, pass == 2 ? 2 : 1);
        if (pass != 1) ClickAt(close, Left);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(shown); })) << "pass " << pass;
        const bool first = pass == 4;
        for (const Setting& s : Table) {
            const std::string& value = first ? s.first : s.second;
            EXPECT_EQ(Stored(SettingsPath, s.name), value) << s.name;
            EXPECT_TRUE(!s.hook || std::to_string(host.hook.shared->*s.hook) == value) << s.name;
        }
        if (pass > 0 && pass < 4) continue;
        // What else apply did: the icon, Ctrl+Alt+M, the Run value, MouseWare's active mouse;
        // and a real click rolls the window up, or sends it to the tray.
        EXPECT_EQ(Notify(NIM_MODIFY, host.window, 42), first);
        const bool free = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'M');
        EXPECT_EQ(free && UnregisterHotKey(nullptr, 1), !first);
        EXPECT_EQ(Stored(RunPath, "Quillet 99"),
                  first ? '"' + BinPath("Quillet99.exe") + '"' : "<none>");
        EXPECT_EQ(HklmText(mouse, "DoubleClick") + HklmText(mouse, "DragLock"),
                  first ? "0001/50000/5" : "0000/50001/5");
        ClickAt(target.Caption(), Middle);
        EXPECT_TRUE(WaitUntil([&] {
            return first ? !IsWindowVisible(target.window)
                         : RegionBottom(target.window) == RolledBottom();
        }));
    }
}

} // namespace
