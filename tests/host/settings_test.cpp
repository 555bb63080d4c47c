// The settings dialog of the real Quillet99.exe, opened, paged, filled and closed as a user
// does, and watched from outside: which controls show, what they hold, what OK stores and
// what it changes in the hook library, the notification area, the hot keys and the registry.
#include <gtest/gtest.h>

#include <set>

#include "harness.h"

#include <commctrl.h>

namespace {

const std::string MouseWare = "SOFTWARE\\Logitech\\MouseWare\\CurrentVersion";

HWND Dialog() {
    HWND d = FindWindowA("#32770", "Quillet 99 - Settings");
    return IsWindowVisible(d) ? d : nullptr;
}
HWND Box(const char* title = "Quillet 99") { // a message box or another dialog of the host
    HWND box = FindWindowA("#32770", title);
    return IsWindowVisible(box) ? box : nullptr;
}
POINT At(HWND window, int id, LONG x = 8, LONG y = 6) {
    return Target::At(GetDlgItem(window, id), x, y);
}
LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(Dialog(), id, message, wParam, lParam);
}
HWND Open() { // with Ctrl+Alt+R
    HeldKey control(VK_CONTROL), alt(VK_MENU);
    Type({'R'});
    EXPECT_TRUE(WaitUntil([] { return Dialog() != nullptr; }));
    return Dialog();
}
std::string HklmText(const std::string& key, const char* name) { // with its length in bytes
    char data[64] = {};
    DWORD type = 0, size = sizeof data;
    if (SHGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, &type, data, &size)) return "<none>";
    return std::string(data) + "/" + std::to_string(size);
}

// Each setting: its value, its control (a radio pair also its other button), two values.
struct Setting {
    const char* name;
    int id;
    std::string first, second;
    int other = 0;
};
const Setting Table[] = {{"CaptionFeature", 1178, "3", "2"},
                         {"BodyFeature", 1190, "5", "7"},
                         {"RunCommand", 1188, "", "C:\\a b\\x.exe"},
                         {"RunBodyCommand", 1210, "notepad.exe", ""},
                         {"HotKey", 1227, "1", "0"},
                         {"FastFolders", 1200, "1", "0"},
                         {"ShowState", 1197, "1", "0"},
                         {"LoadOnStartUp", 1195, "1", "0"},
                         {"DetectMiddleButton", 1198, "1", "0"},
                         {"ShowTrayIcon", 1196, "1", "0"},
                         {"TrayOnMinimize", 1224, "0", "1"},
                         {"RollUpOnMaximize", 1222, "0", "1"},
                         {"Chord", 1199, "0", "1"},
                         {"CtrlClipboard", 1229, "0", "1", 1228},
                         {"LogitechFeature", 1209, "0", "1", 1204}};
bool Checked(int id) {
    return Send(id, BM_GETCHECK) == BST_CHECKED;
}
std::string Shows(const Setting& s) { // as the registry would hold it
    char text[300] = {};
    if (s.id == 1178 || s.id == 1190) return std::to_string(Send(s.id, CB_GETCURSEL));
    if (s.id == 1188 || s.id == 1210) return Send(s.id, WM_GETTEXT, 300, LPARAM(text)), text;
    return Checked(s.id) ? "1" : !s.other || Checked(s.other) ? "0" : "neither";
}
void Change(const Setting& s, const std::string& value) {
    if (s.id == 1178 || s.id == 1190) Send(s.id, CB_SETCURSEL, std::stoi(value));
    if (s.id == 1188 || s.id == 1210) Send(s.id, WM_SETTEXT, 0, LPARAM(value.c_str()));
    Send(s.id, BM_SETCHECK, value == "1");
    if (s.other) Send(s.other, BM_SETCHECK, value == "0");
}

TEST(Settings, EverySettingRoundTripsOkAppliesItAndCancelEscOrTheCloseBoxStoreNothing) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    for (const Setting& s : Table)
        s.id == 1188 || s.id == 1210 ? SetString(SettingsPath, s.name, s.first)
                                     : SetDword(SettingsPath, s.name, std::stoi(s.first));
    SHSetValueA(HKEY_LOCAL_MACHINE, (MouseWare + "\\Global").c_str(), "ActiveMouse", REG_SZ, "M1",
                3);
    Target target;
    ASSERT_TRUE(target.Start("settings"));
    Host host;
    ASSERT_TRUE(host.Start());
    const HookSharedRecord& hook = *host.hook.shared;
    // First to second with OK; back with Esc, Cancel and the close box; back with OK.
    for (int pass = 0; pass < 5; ++pass) {
        HWND dialog = Open();
        for (const Setting& s : Table)
            EXPECT_EQ(Shows(s), pass ? s.second : s.first) << s.name << " in pass " << pass;
        for (const Setting& s : Table)
            Change(s, pass ? s.first : s.second);
        RECT frame;
        GetWindowRect(dialog, &frame);
        const POINT closeBox = {frame.right - 12, frame.top + 12};
        pass == 1 ? Type({VK_ESCAPE})
                  : (void)ClickAt(pass == 2   ? At(dialog, IDCANCEL)
                                  : pass == 3 ? closeBox
                                              : At(dialog, IDOK),
                                  Left);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "pass " << pass;
        const bool first = pass == 4;
        for (const Setting& s : Table)
            EXPECT_EQ(Stored(SettingsPath, s.name), first ? s.first : s.second) << s.name;
        if (pass > 0 && pass < 4) continue;
        // What apply did: the hook library's switches, the icon, Ctrl+Alt+M, the Run value and
        // MouseWare's active mouse.
        EXPECT_EQ(std::to_string(hook.currentCaptionFeature) +
                      std::to_string(hook.currentBodyFeature) +
                      std::to_string(hook.rightTrayEnabled) +
                      std::to_string(hook.rightRollEnabled) + std::to_string(hook.scrollEnabled),
                  first ? "35000" : "27111");
        EXPECT_EQ(Notify(NIM_MODIFY, host.window, 42), first);
        const bool free = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'M');
        EXPECT_EQ(free && UnregisterHotKey(nullptr, 1), !first);
        EXPECT_EQ(Stored(RunPath, "Quillet 99"),
                  first ? "\"" + BinPath("Quillet99.exe") + "\"" : "<none>");
        EXPECT_EQ(HklmText(MouseWare + "\\M1\\0000", "DoubleClick"), first ? "0001/5" : "0000/5");
        EXPECT_EQ(HklmText(MouseWare + "\\M1\\0000", "DragLock"), first ? "0000/5" : "0001/5");
        // A real click: rolled up the window with the second caption feature, trayed with the
        // first.
        ClickAt(target.Caption(), Middle);
        EXPECT_TRUE(WaitUntil([&] {
            return first ? !IsWindowVisible(target.window)
                         : RegionBottom(target.window) == RolledBottom();
        }));
    }

    // Values outside their lists select nothing, check neither radio button and show no panel;
    // without an active mouse no MouseWare key is made, and the choice is still stored.
    SetDword(SettingsPath, "CaptionFeature", 6);
    SetDword(SettingsPath, "BodyFeature", DWORD(-1));
    SetDword(SettingsPath, "CtrlClipboard", 2);
    SetDword(SettingsPath, "LogitechFeature", 5);
    SHDeleteValueA(HKEY_LOCAL_MACHINE, (MouseWare + "\\Global").c_str(), "ActiveMouse");
    HWND dialog = Open();
    std::string shown;
    for (int i : {0, 1, 13, 14})
        shown += Shows(Table[i]) + " ";
    EXPECT_EQ(shown, "-1 -1 neither neither ");
    Send(1204, BM_SETCHECK, BST_CHECKED);
    ClickAt(At(dialog, IDOK), Left);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Stored(SettingsPath, "CaptionFeature") + Stored(SettingsPath, "LogitechFeature"),
              "42949672950");
    DWORD keys = 0;
    HKEY root;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, MouseWare.c_str(), 0, KEY_READ, &root);
    RegQueryInfoKeyA(root, 0, 0, 0, &keys, 0, 0, 0, 0, 0, 0, 0);
    RegCloseKey(root);
    EXPECT_EQ(keys, 2u) << "Global and M1 only";
}

// The page and panel controls on the screen; and those of one page and one panel.
const std::vector<int> Pages[] = {{1216, 1181, 1178, 1182},
                                  {1217, 1191, 1190, 1182},
                                  {1218, 1201, 1198, 1195, 1196, 1197, 1199, 1203, 1202, 1200, 1237,
                                   1205, 1192, 1234, 1204, 1209},
                                  {1219, 1213, 1208, 1212}};
enum Panel { NoPanel, NoSettings, RollUp, Tray, CaptionRun, BodyRun, Menu, Clipboard };
const std::vector<int> Panels[] = {{},
                                   {1220, 1183},
                                   {1221, 1222},
                                   {1223, 1224},
                                   {1193, 1194, 1188, 1189},
                                   {1193, 1194, 1210, 1225},
                                   {1226, 1227},
                                   {1230, 1231, 1228, 1232, 1229}};
// By feature code + 1: no selection first.
const Panel CaptionPanels[] = {NoPanel, NoSettings, NoSettings, RollUp, Tray, CaptionRun, Menu};
const Panel BodyPanels[] = {NoPanel, NoSettings, NoSettings, RollUp,   Tray,
                            BodyRun, NoSettings, Menu,       Clipboard};
std::string Shown(HWND dialog) {
    std::string ids;
    for (int id = 1178; id < 1245; ++id) // all but the strip, its frame and the banner
        if (id != 1179 && (id < 1184 || id > 1187) && id != 1215 &&
            IsWindowVisible(GetDlgItem(dialog, id)))
            ids += std::to_string(id) + " ";
    return ids;
}
std::string Expected(int page, Panel panel) {
    std::set<int> set(Pages[page].begin(), Pages[page].end());
    set.insert(Panels[panel].begin(), Panels[panel].end());
    std::string ids;
    for (int id : set)
        ids += std::to_string(id) + " ";
    return ids;
}

// The navigator's rows: a point in each, the top and bottom of its frame.
const POINT Rows[] = {{54, 48}, {54, 120}, {54, 194}, {54, 267}};
const int FrameTop[] = {14, 88, 161, 234}, FrameBottom[] = {83, 157, 230, 304};
// Where the frame's light and black vertical and light and black horizontal lines stand.
std::string Frame(HWND dialog) {
    std::string text;
    for (int id : {1185, 1184, 1187, 1186}) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog, id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 1);
        text += IsWindowVisible(GetDlgItem(dialog, id))
                    ? std::to_string(r.left) + "," + std::to_string(r.top) + " "
                    : "- ";
    }
    return text;
}
std::string FrameAt(int row, bool sunken) {
    const std::string top = "," + std::to_string(FrameTop[row]) + " ",
                      bottom = "15," + std::to_string(FrameBottom[row]) + " ";
    return sunken ? "93" + top + "15" + top + bottom + "15" + top
                  : "15" + top + "93" + top + "15" + top + bottom;
}
POINT TrayIcon() { // the host's, the first from the right
    RECT bar;
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
    return {bar.right - (GetSystemMetrics(SM_CXSMICON) + 4) / 2, (bar.top + bar.bottom) / 2};
}

TEST(Settings, OpensFromEachOpenerOnceAndItsNavigatorPagesAndButtonsWorkWithRealInput) {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    SetString(WindowsPath + "\\ClassA", "Title", "Alpha");
    SetString(WindowsPath + "\\ClassB", "Title", "Beta");
    Target target;
    ASSERT_TRUE(target.Start("pages"));
    Host host;
    ASSERT_TRUE(host.Start());
    // Ctrl+Alt+R, Shift + middle click, a double click on the icon, the menu's "S&ettings...";
    // a second request while it is open brings it forward and opens nothing.
    for (int opener = 0; opener < 4; ++opener) {
        if (opener == 1) {
            MoveMouseTo(target.Client()); // entering a window resets the modifiers
            HeldKey shift(VK_SHIFT);
            ClickAt(target.Client(), Middle);
        }
        MoveMouseTo(TrayIcon()), PumpFor(300);
        for (int click = 0; opener >= 2 && click < 4 - opener; ++click)
            Press(opener == 2 ? Left : Right, true), Press(opener == 2 ? Left : Right, false);
        if (opener == 3 && WaitUntil([] { return OpenMenu() != nullptr; })) Type({'E'});
        HWND dialog = opener ? (WaitUntil([] { return Dialog() != nullptr; }), Dialog()) : Open();
        ASSERT_TRUE(dialog) << "opener " << opener;
        ClickAt(target.Client(), Left);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.window; }));
        EXPECT_EQ(Open(), dialog);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
        EXPECT_FALSE(FindWindowExA(nullptr, dialog, "#32770", "Quillet 99 - Settings"));
        if (opener < 3) Type({VK_ESCAPE});
        EXPECT_TRUE(opener == 3 || WaitUntil([&] { return !IsWindow(dialog); }));
    }

    // The navigator with the real mouse: a raised frame and the hand on hover, sunken on the
    // press; moved off, the frame goes and the page stays; a press outside released on a row
    // switches.
    HWND dialog = Dialog();
    auto screen = [&](POINT pt) { return ClientToScreen(dialog, &pt), pt; };
    auto page = [&](int row, Panel panel) {
        ClickAt(screen(Rows[row]), Left);
        EXPECT_TRUE(WaitUntil([&] { return Shown(dialog) == Expected(row, panel); })) << row;
    };
    EXPECT_EQ(Shown(dialog), Expected(0, Tray));
    EXPECT_EQ(Frame(dialog), "- - - - ");
    MoveMouseTo(screen(Rows[1]));
    EXPECT_TRUE(WaitUntil([&] { return Frame(dialog) == FrameAt(1, false); }));
    Press(Left, true);
    EXPECT_TRUE(WaitUntil([&] { return Frame(dialog) == FrameAt(1, true); }));
    MoveMouseTo(screen({250, 130}));
    EXPECT_TRUE(WaitUntil([&] { return Frame(dialog) == "- - - - "; }));
    Press(Left, false);
    PumpFor(300);
    EXPECT_EQ(Shown(dialog), Expected(0, Tray)) << "not switched";
    MoveMouseTo(screen({300, 313}));
    Press(Left, true);
    MoveMouseTo(screen(Rows[2]));
    Press(Left, false);
    EXPECT_TRUE(WaitUntil([&] { return Shown(dialog) == Expected(2, NoPanel); }));
    EXPECT_EQ(Frame(dialog), FrameAt(2, false));

    // Each feature's panel on pages 1 and 2, and "&Browse" there: cancelled, then a file.
    for (int page : {0, 1}) {
        ClickAt(screen(Rows[page]), Left);
        EXPECT_TRUE(WaitUntil(
            [&] { return Shown(dialog).find(page ? "1217" : "1216") != std::string::npos; }));
        const int list = page ? 1190 : 1178, edit = page ? 1210 : 1188;
        for (int code = -1; code < (page ? 8 : 6); ++code) {
            Send(list, CB_SETCURSEL, WPARAM(code));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                         LPARAM(GetDlgItem(dialog, list)));
            EXPECT_EQ(Shown(dialog), Expected(page, (page ? BodyPanels : CaptionPanels)[code + 1]))
                << "page " << page + 1 << ", feature " << code;
        }
        Send(list, CB_SETCURSEL, 4);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                     LPARAM(GetDlgItem(dialog, list)));
        Send(edit, WM_SETTEXT, 0, LPARAM("before"));
        const std::string file = BinPath("q99target.exe");
        for (bool cancel : {true, false}) {
            ClickAt(At(dialog, page ? 1225 : 1189), Left);
            ASSERT_TRUE(WaitUntil([] { return Box("Browse") != nullptr; }));
            for (int name : {1148, 1152}) // its file name box, in either look
                SetDlgItemTextA(Box("Browse"), name, cancel ? "x" : file.c_str());
            Type({WORD(cancel ? VK_ESCAPE : VK_RETURN)});
            EXPECT_TRUE(WaitUntil([] { return !Box("Browse"); }));
            char text[300] = {};
            Send(edit, WM_GETTEXT, 300, LPARAM(text));
            EXPECT_EQ(lstrcmpiA(text, cancel ? "before" : file.c_str()), 0) << text;
        }
    }

    // Page 3: unchecking the tray icon warns each time, checking does not; "&Configure...".
    page(2, NoPanel);
    for (int click = 0; click < 3; ++click) {
        ClickAt(At(dialog, 1196), Left);
        const bool warned = WaitUntil([] { return Box() != nullptr; }, click == 1 ? 500 : 3000);
        EXPECT_EQ(warned, click != 1) << "click " << click;
        if (warned) ClickAt(At(Box(), IDOK), Left);
    }
    ClickAt(At(dialog, 1237), Left);
    EXPECT_TRUE(WaitUntil([&] {
        HWND folders = Box("Favorite folders");
        return folders && GetWindow(folders, GW_OWNER) == dialog && !IsWindowEnabled(dialog);
    }));
    Type({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([] { return !Box("Favorite folders"); }));

    // Page 4: a row per entry; "D&elete" only with a row selected; declined, then done at once.
    page(3, NoPanel);
    EXPECT_EQ(Send(1208, LVM_GETITEMCOUNT), 2);
    HWND remove = GetDlgItem(dialog, 1212);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(remove); }));
    ClickAt(At(dialog, 1208, 40, 28), Left);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(remove) != FALSE; }));
    for (int answer : {IDCANCEL, IDOK}) {
        ClickAt(At(dialog, 1212), Left);
        ASSERT_TRUE(WaitUntil([] { return Box() != nullptr; }));
        ClickAt(At(Box(), answer), Left);
        EXPECT_TRUE(WaitUntil([] { return !Box(); }));
        EXPECT_EQ(SendDlgItemMessageA(dialog, 1208, LVM_GETITEMCOUNT, 0, 0), answer);
    }
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "ClassA");
    ClickAt(At(dialog, IDCANCEL), Left);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Stored(WindowsPath + "\\ClassA", "Title") + Stored(WindowsPath + "\\ClassB", "Title"),
              "<none>Beta");
}

} // namespace
