// The host's real main window created inside the test process from the host's own code, on a
// fresh registry, so that what cannot be seen from outside can be read back: the settings
// store, the records of the tray and of rolled windows, the Start button's steps, the timers,
// the menus as built.
#include <gtest/gtest.h>

#include "config/registry_keys.h"
#include "config/settings.h"
#include "core/main_window.h"
#include "core/owned.h"
#include "core/run_file.h"
#include "core/timers.h"
#include "features/commands.h"
#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/tray_menu.h"
#include "features/tray_windows.h"
#include "features/window_features_menu.h"
#include "features/window_journal.h"
#include "harness.h"

namespace {

HookLibrary Library;
HookSharedRecord& Shared = *Library.shared;

// The tray menu's default item and its checked items (all are radio items), from Activate to
// the last feature.
std::string Marks() {
    HMENU menu = BuildTrayMenu();
    std::string marks = std::to_string(GetMenuDefaultItem(menu, FALSE, 0));
    for (UINT id = 204, state; id <= 407; ++id)
        if ((state = GetMenuState(menu, id, MF_BYCOMMAND)) != ~0u && state & MF_CHECKED)
            marks += " " + std::to_string(id);
    return DestroyMenu(menu), marks;
}

int Presses; // of the test's Start button
LRESULT CALLBACK StartButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Presses += message == WM_LBUTTONDOWN, DefWindowProcA(window, message, wParam, lParam);
}

// A window's look after a window-features command: gone, minimized, hidden, rolled up, topmost
// or as it was made.
// clang-format off
char Look(HWND w) {
    const bool looks[] = {!IsWindow(w), IsIconic(w) != 0, !IsWindowVisible(w),
        RegionBottom(w) == RolledBottom(), (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0};
    return "GIHRT-"[std::find(looks, looks + 5, true) - looks];
}
// clang-format on

// The window-features menu's "Roll   Window" item drawn on a black canvas.
std::vector<COLORREF> Drawn(UINT action, UINT state) {
    Owned<HBITMAP, DeleteObject> canvas(CreateBitmap(105, 25, 1, 32, nullptr)); // freed last
    Owned<HDC, DeleteDC> dc(CreateCompatibleDC(nullptr));
    DRAWITEMSTRUCT item = {ODT_MENU, 0, 103, action, state, nullptr, dc, {0, 0, 105, 25}, 0};
    return SelectObject(dc, canvas), DrawWindowFeaturesItem(&item), Pixels(dc, 0, 0, 105, 25);
}

std::string Typed; // what the keyboard typed while observed: " +17" a press, " -17" a release
LRESULT CALLBACK KeyboardObserver(int code, WPARAM wParam, LPARAM lParam) {
    auto* key = reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam);
    Typed += (key->flags & LLKHF_UP ? " -" : " +") + std::to_string(key->vkCode);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

const bool Registered = RegisterMainClass(GetModuleHandleA(nullptr));

struct HostCore : testing::Test {
    void TearDown() override {
        DestroyHost(), std::for_each(made.begin(), made.end(), DestroyWindow);
    }
    // The host with whatever the registry holds, once timer 1 has found the taskbar.
    void StartHost() {
        ASSERT_TRUE(Registered && CreateMainWindow(GetModuleHandleA(nullptr)));
        ASSERT_TRUE(WaitUntil([] { return Shared.hookProc != nullptr; }, 2000));
    }
    // Its shutdown's WM_QUIT must not end a later wait.
    void DestroyHost() { IsWindow(MainWindow) && DestroyWindow(MainWindow), QuitPosted(PM_REMOVE); }
    // Whether WM_QUIT is waiting, a flag that one PM_REMOVE clears.
    bool QuitPosted(UINT how = PM_NOREMOVE) { return PeekMessageA(&msg, 0, WM_QUIT, WM_QUIT, how); }
    HWND Make(const char* className, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
              HWND parent = nullptr, WNDPROC proc = DefWindowProcA) {
        return made.emplace_back(MakeWindow(className, style, parent, proc));
    }
    std::vector<HWND> made;
    MSG msg;
};

TEST_F(HostCore, StartUpWritesOrSafelyReadsTheSettingsAndTimersRunTheStartMenuChainOrEndTheHost) {
    Shared.itEnabled = 0; // left so by a host that ended suspended
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) // the older versions' and another's
        for (const char* name : {"Quillet 97", "Quillet 98", "Other"})
            SHSetValueA(root, RunPath.c_str(), name, REG_SZ, "x", 2);
    StartHost();
    EXPECT_TRUE(Shared.itEnabled == 1 && Shared.hostWindow == MainWindow &&
                !IsWindowVisible(MainWindow) && Notify(NIM_MODIFY, MainWindow, 42));
    for (HWND clicked : {TaskbarWindow, StartButtonWindow})
        SendMessageA(MainWindow, UM_START_MENU, Low16(clicked), 0);
    EXPECT_FALSE(KillTimer(MainWindow, StartMenuTimer)) << "a click on or inside the taskbar";
    // The older versions' start-up entries go, another program's stay; a first run's settings.
    std::string written = Stored(RunPath, "Quillet 97") + Stored(RunPath, "Other") +
                          Stored(RunPath, "Quillet 98", HKEY_LOCAL_MACHINE) +
                          Stored(RunPath, "Other", HKEY_LOCAL_MACHINE) + " ";
    for (const char* name : {"CaptionFeature", "LogitechFeature", "BodyFeature", "LoadOnStartUp",
                             "ShowState", "DetectMiddleButton", "ShowTrayIcon", "TrayOnMinimize",
                             "RollUpOnMaximize", "FastFolders", "HotKey", "Chord", "CtrlClipboard"})
        written += Stored(SettingsPath, name);
    EXPECT_EQ(written, "<none>x<none>x 3051111001100");
    // A timer that cannot be stopped ends the host.
    SendMessageA(MainWindow, WM_TIMER, StartMenuTimer, 0); // not running: cannot be stopped
    EXPECT_TRUE(!Shared.hookProc && QuitPosted() && !Notify(NIM_MODIFY, MainWindow, 42))
        << "the shutdown did not run";
    DestroyHost();
    // A two-byte DWORD, a text too long to fit, a text without its zero.
    SetRaw(SettingsPath, "BodyFeature", REG_DWORD, "\2\0", 2);
    SetString(SettingsPath, "RunCommand", std::string(600, 'x'));
    SetRaw(SettingsPath, "RunBodyCommand", REG_SZ, "calc.exe", 8);
    // Found before the shell's, a taskbar without a Start button, as from Windows Vista on.
    HWND bare = Make("Shell_TrayWnd", WS_POPUP | WS_VISIBLE);
    HHOOK observer = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardObserver, GetModuleHandleA(0), 0);
    StartHost();
    EXPECT_TRUE(Settings.BodyFeature == 5 && !Settings.RunCommand[0]);
    EXPECT_STREQ(Settings.RunBodyCommand, "calc.exe");
    SendMessageA(MainWindow, UM_START_MENU, 0, 0), PumpFor(200);
    EXPECT_TRUE(TaskbarWindow == bare && !StartButtonWindow && Typed == " +17 +27 -27 -17" &&
                !KillTimer(MainWindow, StartMenuTimer))
        << Typed;
    // The Start-menu chain moves the button under the cursor, presses it and puts it back.
    TaskbarWindow = Make("bar", WS_POPUP | WS_VISIBLE);
    StartButtonWindow = Make("BUTTON", WS_CHILD | WS_VISIBLE, TaskbarWindow, StartButton);
    RECT home, now, moved = {};
    GetWindowRect(StartButtonWindow, &home);
    MoveMouseTo({300, 400});
    SendMessageA(MainWindow, WM_COMMAND, 101, 0); // the window-features menu's "Start Menu"
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowRect(StartButtonWindow, &now);
        if (!EqualRect(&now, &home)) moved = now;
        return moved.right && EqualRect(&now, &home) && IsWindowVisible(StartButtonWindow);
    })) << "moved and put back";
    EXPECT_TRUE(moved.left == 300 && moved.top == 380 && Presses == 2) << "20 px above the cursor";
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse capture outlived the chain";
    EXPECT_EQ(Typed, " +17 +27 -27 -17") << "Ctrl+Esc where a Start button was found";
    UnhookWindowsHookEx(observer);
    // A timer that cannot be started ends the host.
    EXPECT_TRUE(!StartTimerOrShutdown(HWND(1), StartMenuTimer, 100) && QuitPosted()) << "no window";
}

TEST_F(HostCore, TheWindowScrollsWhileTheButtonIsHeldUpOrDownByTheHalfItWasPressedIn) {
    StartHost(); // the body feature is scroll mode by default
    // Another program's window, which the host cannot give the mouse capture.
    Target target;
    ASSERT_TRUE(target.Start("scroll"));
    std::string text;
    for (int line = 1; line <= 300; ++line)
        text += "line " + std::to_string(line) + "\r\n";
    HWND edit = target.edit;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, EM_SETSEL, 0, 6);
    RECT client;
    GetClientRect(edit, &client);
    // The line reached when the button, pressed at this height, goes up (over this point, when
    // one is given); nothing scrolls afterwards.
    auto hold = [&](LONG y, DWORD ms, POINT release = {}) {
        MoveMouseTo(Target::At(edit, 30, y));
        Press(Middle, true), PumpFor(ms);
        if (release.x) MoveMouseTo(release);
        Press(Middle, false), PumpFor(300);
        LRESULT line = SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
        PumpFor(300);
        EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), line) << "after the release";
        return line;
    };
    LRESULT down = hold(client.bottom / 2 + 20, 1000), up = hold(10, 500);
    EXPECT_GE(down, 3) << "while the button is held";
    EXPECT_EQ(Clipboard(), "line 1") << "the selection is copied";
    EXPECT_LT(up, down) << "the upper half scrolls up";
    // Released over the caption, the button goes up where the hook does not see it.
    hold(client.bottom - 20, 1000, target.Caption());
}

TEST_F(HostCore, TrayKeepsEachWindowsTitleIconAndIdentityInFifteenSlotsAndRollUpItsTitleBar) {
    StartHost();
    HWND inside = Make("STATIC", WS_CHILD | WS_CAPTION | WS_VISIBLE, TaskbarWindow);
    std::string title = "Title:" + std::string(80, 'T');
    std::vector<HWND> sent = {Make("plain")};
    SetWindowTextA(sent[0], title.c_str());
    Notify(NIM_ADD, MainWindow, 555); // the shell refuses the first slot's icon
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(sent[0]), 0);
    EXPECT_TRUE(IsWindowVisible(sent[0]) && !TrayedWindows[0].icon.uID) << "hidden without an icon";
    Notify(NIM_DELETE, MainWindow, 555);
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(inside), 0); // refused: it takes no slot
    for (int i = 0; i < 16; ++i) // the first again, then fifteen more
        SendMessageA(MainWindow, UM_TRAY_WINDOW,
                     Low16(i ? sent.emplace_back(Make("more")) : sent[0]), 0);
    EXPECT_TRUE(!IsWindowVisible(sent[0]) && Notify(NIM_MODIFY, MainWindow, 555));
    EXPECT_EQ(std::string(TrayedWindows[0].icon.szTip), title.substr(0, 63));
    EXPECT_TRUE(IsWindowVisible(sent[15]) && IsWindowVisible(inside)) << "16th, inside the taskbar";
    // Only a left press on its icon brings a window back, and frees its slot.
    for (LPARAM mouse : {WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDOWN})
        EXPECT_EQ((SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, mouse),
                   IsWindowVisible(sent[6]) != 0),
                  mouse == WM_LBUTTONDOWN);
    Target hung; // its window visible until it hides: that is not its program showing it again
    ASSERT_TRUE(hung.Start("hung") && PostMessageA(hung.window, WM_APP + 1, 0, 0));
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(hung.window), 0), PumpFor(500);
    EXPECT_EQ(TrayedWindows[6].window.processId, hung.process.info.dwProcessId) << "slot 6 again";
    // Roll-up keeps the title bar and unrolls on the next request and at the end.
    HWND sizable = Make("sizable"), fixed = Make("fixed", WS_CAPTION | WS_VISIBLE);
    auto roll = [](HWND w) { SendMessageA(MainWindow, UM_ROLL_WINDOW, Low16(w), 0); };
    FreeRolledWindows(); // a list with no room, as when memory ran out
    roll(fixed), roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), RolledBottom());
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom);
    roll(sizable);
    // A window that is gone leaves its handle to the next new one, a stranger that must not be
    // shown or unrolled at the end: here records no longer match what their handles name.
    TrayedWindows[2].window.processId += 4;
    strcpy(TrayedWindows[3].window.className, "another program's class");
    RolledWindows.records[0].window.processId += 4; // the fixed window's
    DestroyHost();
    EXPECT_TRUE(IsWindowVisible(sent[4]) && !IsWindowVisible(sent[2]) && !IsWindowVisible(sent[3]));
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom) << "left rolled up at the end";
    EXPECT_EQ(RegionBottom(fixed), RolledBottom(SM_CYDLGFRAME)) << "a stranger unrolled";
}

TEST_F(HostCore, EveryIconIsAskedForAgainWhenTheShellStartsAgainAndTheJournalGivesBackOnlyItsOwn) {
    StartHost();
    HWND changed = Make("changed"), gone = Make("gone");
    HICON logo = LoadIconA(nullptr, IDI_WINLOGO);
    for (HWND window : {changed, gone})
        SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(window), 0);
    SendMessageA(changed, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(logo));
    DestroyWindow(gone);
    for (UINT id : {42, 555, 556})
        Notify(NIM_DELETE, MainWindow, id);
    TaskbarWindow = StartButtonWindow = nullptr;
    SendMessageA(MainWindow, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TaskbarWindow == FindWindowA("Shell_TrayWnd", nullptr) && StartButtonWindow);
    EXPECT_TRUE(Notify(NIM_MODIFY, MainWindow, 555) && TrayedWindows[0].icon.hIcon == logo);
    EXPECT_FALSE(Notify(NIM_MODIFY, MainWindow, 556) || TrayedWindows[1].icon.uID)
        << "an icon for a window that is gone";
    EXPECT_TRUE(Notify(NIM_MODIFY, MainWindow, 42));
    // Windows of other programs without icons of their own get their programs' icons.
    // (Under Wine its class icon is not to be had from another program.)
    Target program;
    ASSERT_TRUE(program.Start("classicon", "class"));
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(program.window), 0); // slot 1 again
    HICON icon = TrayedWindows[1].icon.hIcon;
    EXPECT_TRUE(icon && icon != LoadIconA(nullptr, IDI_EXCLAMATION));
    // A host that is killed leaves its journal behind, and the next one gives the windows back.
    SetWindowLongPtrA(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    DestroyHost(); // no shutdown runs
    // But Windows 9x keeps it over a reboot: a handle may name another program's window by now,
    // and the host's handle a window with icons of its own.
    HWND stranger = Make("stranger", WS_OVERLAPPEDWINDOW);
    const DWORD handle = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(stranger));
    JournalRecord record = {JournalHidden, handle, GetCurrentProcessId() + 4, 560, "stranger"};
    SetDword(JournalKey, "Host", handle);
    Notify(NIM_ADD, stranger, 560);
    SetRaw(JournalKey, "Hidden 560", REG_BINARY, &record, sizeof record);
    SetRaw(JournalKey, "Rolled 2", REG_BINARY, "short", 5);
    StartHost();
    EXPECT_TRUE(IsWindowVisible(program.window) && !IsWindowVisible(stranger) &&
                Notify(NIM_DELETE, stranger, 560));
    EXPECT_EQ(Stored(JournalKey, "Hidden 560"), "<none>") << "the stale journal kept";
}

TEST_F(HostCore, MenusFollowTheStateDrawAndActOnTheWindowInFrontAndAReloadTakesTheFeatures) {
    // The host's icon as the notification area shows it: none yet, active, then suspended.
    auto icon = [] { return Pixels(nullptr, TrayIcon(0).x - 6, TrayIcon(0).y - 6, 12, 12); };
    std::vector<COLORREF> looks[2] = {icon()};
    StartHost();
    SendMessageA(MainWindow, WM_COMMAND, 302, 0), SendMessageA(MainWindow, WM_COMMAND, 407, 0);
    for (int step = 0; step < 5; ++step) { // active; suspended twice; activated twice
        bool on = step == 0 || step > 2;
        if (step) SendMessageA(MainWindow, WM_COMMAND, on ? 204 : 205, 0);
        EXPECT_TRUE(Suspended == !on && !Shared.hookProc == !on && Shared.itEnabled == on);
        EXPECT_TRUE(WaitUntil([&] {
            auto now = (PumpFor(300), icon()); // a new look taken once the shell has drawn it
            return now != looks[!on] && (step < 2 ? (looks[on] = now).size() : now == looks[on]);
        })) << step;
        EXPECT_EQ(Marks(), on ? "203 204 302 407" : "203 205 302 407");
    }
    // The window-features menu's commands act on the window that was in front when it was
    // asked for, not on the one in front now: before and after each, and the one in front.
    HWND front = Make("front");
    std::string acted;
    for (UINT id = 102; id <= 106; ++id) { // "Tray  Window" to "Close"
        acted +=
            (FeaturesMenuTarget = Make("target"), BringToFront(front), Look(FeaturesMenuTarget));
        SendMessageA(MainWindow, WM_COMMAND, id, 0), PumpFor(100);
        acted += std::string{Look(FeaturesMenuTarget), Look(front), ' '};
    }
    EXPECT_EQ(acted, "-H- -R- -T- -I- -G- ");
    // Its items drawn: plain (not in one colour) and highlighted differ, and a focus change
    // alone draws nothing.
    auto plain = Drawn(ODA_DRAWENTIRE, 0), blank = std::vector<COLORREF>(plain.size());
    EXPECT_TRUE(Drawn(ODA_DRAWENTIRE, ODS_SELECTED) != plain &&
                std::count(begin(plain), end(plain), plain[0]) < long(plain.size()));
    EXPECT_EQ(Drawn(ODA_FOCUS, ODS_SELECTED | ODS_FOCUS), blank) << "drawn on a focus change";
    SetDword(SettingsPath, "CaptionFeature", 4);
    SendMessageA(MainWindow, UM_RELOAD_SETTINGS, 0, 0); // as any program may send it
    EXPECT_EQ(Shared.currentCaptionFeature, 4);
}

TEST_F(HostCore, RunFileStartsProgramsAndDocumentsButNeverADecoyAndShowsNothing) {
    Recorder opener("rec.exe");
    SetString(SettingsPath, "RunCommand", "C:\\quillet-test\\rec.exe alpha");
    SetString(SettingsPath, "RunBodyCommand", "C:\\Program Files\\Quillet Test App\\real.exe");
    StartHost();
    CreateDirectoryA("C:\\Program Files\\Quillet Test App", nullptr);
    for (const char* copy : {"C:\\Program.exe", "C:\\Program Files\\Quillet Test App\\real.exe"})
        CopyFileA(opener.program.c_str(), copy, FALSE);
    std::ofstream("C:\\quillet-test\\notes.q99doc") << "a document";
    RegSetValueA(HKEY_CLASSES_ROOT, ".q99doc", REG_SZ, "QuilletTestDocument", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuilletTestDocument\\shell\\open\\command", REG_SZ,
                 ("\"" + opener.program + "\" \"%1\"").c_str(), 0);
    for (const char* command :
         {"C:\\nowhere\\nothing.exe", "no such program", "", "C:\\quillet-test\\notes.q99doc"})
        RunFile(command);
    SendMessageA(MainWindow, UM_RUN_CAPTION_COMMAND, 0, 0);
    SendMessageA(MainWindow, UM_RUN_BODY_COMMAND, 0, 0);
    WaitUntil([&] { return opener.Runs("") >= 3; });
    PumpFor(500), DestroyHost(); // and its hidden dialogs
    DeleteFileA("C:\\Program.exe");
    // In whatever order they started; the texts that name nothing ran nothing.
    EXPECT_EQ(opener.Runs(""), 3);
    for (const char* ran : {"rec.exe alpha", "real.exe|\"C:\\Program Files", "notes.q99doc\""})
        EXPECT_GE(opener.Runs(ran), 1) << ran;
    EXPECT_EQ(opener.Runs("C:\\Program.exe"), 0) << "the decoy ran";
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "a message box was shown";
}

} // namespace
