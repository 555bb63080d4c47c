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
HWND Open() { // with Ctrl+Alt+R, watched closely: a key pressed as it shows must reach it
    for (DWORD start = (CtrlAlt('R'), GetTickCount()); GetTickCount() - start < 5000; Sleep(1))
        if ((Dialog = Shown("Quillet 99 - Settings"))) return Dialog;
    return ADD_FAILURE() << "no settings dialog", nullptr;
}
POINT At(HWND window, int id, LONG x = 8, LONG y = 6) {
    return Target::At(GetDlgItem(window, id), x, y);
}
LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(Dialog, id, message, wParam, lParam);
}

// Each setting: its value, its control, its page (0 to 2) and the feature there whose panel
// shows it (-1: none), two values, the hook library's switch that follows it and, for a radio
// pair, its other button. A page's list comes after the controls of its panels.
using Hook = HookSharedRecord;
// clang-format off
struct Setting { const char* name; int id, page, panel; std::string first, second;
                 LONG Hook::*hook = {}; int pair = 0; };
const Setting Table[] = {
    {"RunCommand", 1188, 0, 4, "", "C:\\a b\\x.exe"}, {"HotKey", 1227, 0, 5, "1", "0"},
    {"RollUpOnMaximize", 1222, 0, 2, "0", "1", &Hook::rightRollEnabled},
    {"TrayOnMinimize", 1224, 0, 3, "0", "1", &Hook::rightTrayEnabled},
    {"CaptionFeature", 1178, 0, -1, "3", "2", &Hook::currentCaptionFeature},
    {"RunBodyCommand", 1210, 1, 4, "notepad.exe", ""},
    {"CtrlClipboard", 1229, 1, 7, "0", "1", {}, 1228},
    {"BodyFeature", 1190, 1, -1, "5", "7", &Hook::currentBodyFeature},
    {"FastFolders", 1200, 2, -1, "1", "0"}, {"LogitechFeature", 1209, 2, -1, "0", "1", {}, 1204},
    {"DetectMiddleButton", 1198, 2, -1, "1", "0"}, {"ShowTrayIcon", 1196, 2, -1, "1", "0"},
    {"ShowState", 1197, 2, -1, "1", "0"}, {"Chord", 1199, 2, -1, "0", "1", &Hook::scrollEnabled},
    {"LoadOnStartUp", 1195, 2, -1, "1", "0"}};
bool List(int id) { return id == 1178 || id == 1190; }
bool Edit(int id) { return id == 1188 || id == 1210; }
// clang-format on
std::string Shows(const Setting& s) { // as the registry would hold it
    char text[300] = {};
    if (List(s.id)) return std::to_string(Send(s.id, CB_GETCURSEL));
    if (Edit(s.id)) return Send(s.id, WM_GETTEXT, 300, LPARAM(text)), text;
    return Send(s.id, BM_GETCHECK) ? "1" : "0";
}
void Change(const Setting& s, const std::string& value) {
    if (List(s.id)) Send(s.id, CB_SETCURSEL, std::stoi(value));
    if (Edit(s.id)) Send(s.id, WM_SETTEXT, 0, LPARAM(value.c_str()));
    Send(s.id, BM_SETCHECK, value == "1");
    if (s.pair) Send(s.pair, BM_SETCHECK, value == "0");
}

// A control of each page, 1 to 4, then of each panel: those on the screen.
const int Marks[] = {1178, 1190, 1195, 1208, 1183, 1222, 1224, 1210, 1227, 1229};
std::set<int> Visible() {
    std::set<int> shown;
    for (int id : Marks)
        if (IsWindowVisible(GetDlgItem(Dialog, id))) shown.insert(id);
    return shown;
}
// A click on a row of the navigator; a feature chosen from a page's list.
const auto Page = [](int page) { ClickAt(Target::At(Dialog, 54, 48 + 73 * page), Left); };
void Choose(int id, int code) {
    Send(id, CB_SETCURSEL, WPARAM(code));
    SendMessageA(Dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(Dialog, id)));
}

TEST(Settings, OpensOnceFromEachOpenerPagesWithTheMouseStoresEverySettingAndAppliesIt) {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, MouseWare.c_str());
    SetString(WindowsPath + "\\ClassA", "Title", "Alpha");
    SetString(WindowsPath + "\\ClassB", "Title", "Beta");
    Target target;
    Host host;
    ASSERT_TRUE(target.Start("settings") && host.Start());
    SetDword(SettingsPath, "CaptionFeature", 6);     // out of its list, after the first run's
    for (int opening = 0; opening < 24; ++opening) { // over another program, and Esc at once
        HWND dialog = BringToFront(target.window) ? Open() : nullptr;
        Type({VK_ESCAPE});
        EXPECT_TRUE(dialog && WaitUntil([&] { return !IsWindow(dialog); }, 2000)) << opening;
    }
    // Ctrl+Alt+R, a double click on the icon, Shift + middle click, the menu's "S&ettings...";
    // a second request while it is open (Ctrl+Alt+R, a right press on the icon) brings it
    // forward and opens nothing. A change, then Esc or the close box: nothing is stored. A
    // single click on the icon opens nothing.
    auto open = [] { return Shown("Quillet 99 - Settings") != nullptr; };
    for (int opener = 0; opener < 4; ++opener) {
        MoveMouseTo(TrayIcon(0)), PumpFor(GetDoubleClickTime() + 300); // not a double click yet
        for (int click = 0; opener % 2 && click < 2 - opener / 2; ++click)
            Press(opener == 1 ? Left : Right, true), Press(opener == 1 ? Left : Right, false);
        if (opener == 3 && WaitUntil([] { return OpenMenu() != nullptr; })) Type({'E'});
        if (opener == 2) // Shift held once the cursor is in: entering a window lets it go
            MoveMouseTo(target.Caption()), PumpFor(300), HeldKey(VK_SHIFT),
                ClickAt(target.Caption(), Middle);
        HWND dialog = opener ? nullptr : Open();
        ASSERT_TRUE(WaitUntil([&] { return (dialog = Shown("Quillet 99 - Settings")); })) << opener;
        SettledClickAt(target.Client(), Left);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.window; }));
        opener == 1 ? (void)SettledClickAt(TrayIcon(0), Right) : (void)Open();
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog && !OpenMenu(); }));
        EXPECT_FALSE(FindWindowExA(nullptr, dialog, "#32770", "Quillet 99 - Settings"));
        if (opener < 3) // the caption feature changed
            SendDlgItemMessageA(dialog, 1178, CB_SETCURSEL, 2, 0),
                opener ? (void)ClickAt(CaptionButton(dialog, HTCLOSE), Left) : Type({VK_ESCAPE});
        EXPECT_TRUE(opener == 3 || WaitUntil([&] { return !IsWindow(dialog); }));
        EXPECT_FALSE(opener == 1 && (SettledClickAt(TrayIcon(0), Left), WaitUntil(open, 1000)));
    }
    // Out of its list: no selection, and no panel.
    EXPECT_TRUE(Send(1178, CB_GETCURSEL) == -1 && Visible() == std::set<int>{1178});

    // Page 2: each feature's panel, none for no selection.
    Page(1);
    const int panels[] = {1190, 1183, 1183, 1222, 1224, 1210, 1183, 1227, 1229}; // by code + 1
    for (int code : {-1, 0, 1, 2, 3, 5, 6, 7, 4}) { // ends on "Run application"
        Choose(1190, code);
        EXPECT_EQ(Visible(), (std::set<int>{1190, panels[code + 1]})) << "feature " << code;
    }

    // Page 4: "D&elete" only with a row selected; declined, then done at once.
    Page(3);
    EXPECT_TRUE(WaitUntil([] { return Visible() == std::set<int>{1208}; }));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Dialog, 1212)));
    SettledClickAt(At(Dialog, 1208, 40, 28), Left);
    for (int answer : {IDCANCEL, IDOK}) { // in the message box it asks
        SettledClickAt(At(Dialog, 1212), Left);
        ASSERT_TRUE(WaitUntil([] { return Shown("Quillet 99") != nullptr; }));
        SettledClickAt(At(Shown("Quillet 99"), answer), Left);
        EXPECT_TRUE(WaitUntil([&] { return !Shown("Quillet 99"); }));
        EXPECT_EQ(Send(1208, LVM_GETITEMCOUNT), answer);
    }
    EXPECT_EQ(Stored(WindowsPath + "\\ClassA", "Title") + Stored(WindowsPath + "\\ClassB", "Title"),
              "<none>Beta");
    // Cancel stores none of the changes.
    SettledClickAt(At(Dialog, IDCANCEL), Left);
    ASSERT_TRUE(WaitUntil([] { return !IsWindow(Dialog); }));
    EXPECT_EQ(Stored(SettingsPath, "CaptionFeature"), "6");

    // Every setting round-trips with OK: to the second values without an active MouseWare mouse,
    // then back with one. What was stored, the hook library's switches, the icon, Ctrl+Alt+M, the
    // Run value and MouseWare's values follow.
    const std::string global = MouseWare + "\\Global";
    for (bool first : {false, true}) {
        if (first) SHSetValueA(HKEY_LOCAL_MACHINE, global.c_str(), "ActiveMouse", REG_SZ, "M1", 3);
        HWND shown = Open();
        for (const Setting& s : Table)
            EXPECT_TRUE(!first || Shows(s) == s.second) << s.name;
        for (const Setting& s : Table) { // on its page, in sight, as the user finds it
            if (&s == Table || s.page != (&s)[-1].page) Page(s.page);
            if (s.panel >= 0) Choose(s.page ? 1190 : 1178, s.panel);
            EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(shown, s.id)); }));
            Change(s, first ? s.first : s.second);
        }
        ClickAt(At(shown, IDOK), Left);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(shown); }));
        for (const Setting& s : Table) {
            const std::string& value = first ? s.first : s.second;
            EXPECT_EQ(Stored(SettingsPath, s.name), value) << s.name;
            EXPECT_TRUE(!s.hook || std::to_string(host.hook.shared->*s.hook) == value) << s.name;
        }
        EXPECT_EQ(Notify(NIM_MODIFY, host.window, 42), first);
        const bool free = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'M');
        EXPECT_EQ(free && UnregisterHotKey(nullptr, 1), !first);
        EXPECT_EQ(Stored(RunPath, "Quillet 99"),
                  first ? '"' + BinPath("Quillet99.exe") + '"' : "<none>");
        // A mouse without a name is no mouse: nothing written for it.
        const std::string mouse = MouseWare + "\\M1\\0000", none = MouseWare + "\\0000";
        EXPECT_EQ(Stored(mouse, "DoubleClick", HKEY_LOCAL_MACHINE) +
                      Stored(mouse, "DragLock", HKEY_LOCAL_MACHINE) +
                      Stored(none, "DragLock", HKEY_LOCAL_MACHINE),
                  first ? "00010000<none>" : "<none><none><none>");
    }
}

} // namespace
