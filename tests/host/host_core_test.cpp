// The host's real main window created inside the test process from the host's own code, on a
// fresh registry, so that what cannot be seen from outside can be read back: the settings
// store, the records of the tray and of rolled windows, the Start button's steps, the timers.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "core/main_window.h"
#include "core/run_file.h"
#include "core/scroll_mode.h"
#include "core/timers.h"
#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/tray_windows.h"
#include "harness.h"

namespace {

HookLibrary Library;
HookSharedRecord& Shared = *Library.shared;

bool QuitPosted() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

// KillTimer succeeds only for a timer that runs; it stops it too.
bool TimerRunning(UINT_PTR id) {
    return KillTimer(MainWindow, id) != FALSE;
}

class HostCore : public ::testing::Test {
  protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
        static bool registered = RegisterMainClass(GetModuleHandleA(nullptr));
        ASSERT_TRUE(registered);
    }
    void TearDown() override {
        DestroyHost();
        for (HWND window : windows)
            DestroyWindow(window);
    }
    // The host with whatever the registry holds, once timer 1 has found the taskbar.
    void StartHost() {
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
        ASSERT_TRUE(WaitUntil([] { return Shared.hookProc != nullptr; }, 2000));
    }
    void DestroyHost() {
        if (IsWindow(MainWindow)) DestroyWindow(MainWindow);
        MSG msg; // the shutdown's WM_QUIT must not end a later wait
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HWND Make(const char* className, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
              HWND parent = nullptr) {
        windows.push_back(MakeWindow(className, style, parent));
        return windows.back();
    }
    std::vector<HWND> windows;
};

TEST_F(HostCore, StartUpInstallsTheHookOnTimer1AndAFailingTimerEndsTheHost) {
    Shared.currentCaptionFeature = 0;
    Shared.scrollEnabled = 1;
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
    EXPECT_EQ(Shared.currentCaptionFeature, CAPTION_TRAY_WINDOW);
    EXPECT_EQ(Shared.currentBodyFeature, BODY_SCROLL_WINDOW);
    EXPECT_EQ(Shared.scrollEnabled, 0) << "Chord is off by default";
    EXPECT_EQ(Shared.hookProc, nullptr) << "the hook waits for timer 1";
    ASSERT_TRUE(WaitUntil([] { return Shared.hookProc != nullptr; }, 2000));
    EXPECT_EQ(Shared.hostWindow, MainWindow);
    EXPECT_EQ(TaskbarWindow, FindWindowA("Shell_TrayWnd", nullptr));
    EXPECT_EQ(GetParent(StartButtonWindow), TaskbarWindow);
    EXPECT_FALSE(IsWindowVisible(MainWindow));
    // The desktop's own icon view is never scrolled.
    HWND icons = Make("STATIC", WS_CHILD | WS_VISIBLE | 0x2000, Make("SHELLDLL_DefView"));
    SendMessageA(MainWindow, UM_SCROLL_WINDOW, Low16(icons), 0);
    EXPECT_FALSE(TimerRunning(ScrollTimer));
    // A timer that cannot be stopped or started ends the host.
    SendMessageA(MainWindow, WM_TIMER, StartMenuTimer, 0); // not running: cannot be stopped
    EXPECT_EQ(Shared.hookProc, nullptr) << "the shutdown sequence did not run";
    EXPECT_TRUE(QuitPosted());
    DestroyHost();
    StartHost();
    HWND gone = Make("gone");
    DestroyWindow(gone);
    EXPECT_FALSE(StartTimerOrShutdown(gone, StartMenuTimer, 100));
    EXPECT_TRUE(QuitPosted());
}

TEST_F(HostCore, TheStartMenuChainMovesTheButtonUnderTheCursorPressesItAndPutsItBack) {
    StartHost();
    SendMessageA(MainWindow, UM_START_MENU, Low16(TaskbarWindow), 0);
    SendMessageA(MainWindow, UM_START_MENU, Low16(StartButtonWindow), 0);
    EXPECT_FALSE(TimerRunning(StartMenuTimer)) << "a click on or inside the taskbar";
    TaskbarWindow = Make("bar", WS_POPUP | WS_VISIBLE);
    StartButtonWindow = Make("BUTTON", WS_CHILD | WS_VISIBLE, TaskbarWindow);
    RECT home, now, moved = {};
    GetWindowRect(StartButtonWindow, &home);
    MoveMouseTo({300, 400});
    DWORD start = GetTickCount(), movedAt = 0;
    SendMessageA(MainWindow, UM_START_MENU, 0, 0); // the window-features menu's request
    WaitUntil([&] {
        GetWindowRect(StartButtonWindow, &now);
        if (!movedAt && !EqualRect(&now, &home)) movedAt = GetTickCount() - start, moved = now;
        return movedAt && EqualRect(&now, &home) && IsWindowVisible(StartButtonWindow);
    });
    EXPECT_GE(movedAt, 300u) << "the chain waits 350 ms first";
    EXPECT_TRUE(moved.left == 300 && moved.top == 380) << "20 pixels above the cursor";
    EXPECT_EQ(moved.right - moved.left, home.right - home.left);
    EXPECT_TRUE(EqualRect(&now, &home) && IsWindowVisible(StartButtonWindow)) << "put back";
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse capture outlived the chain";
}

TEST_F(HostCore, FirstRunWritesTheDefaultsAndHostileValuesNeitherOverrunNorStick) {
    LoadSettings();
    for (const char* key : {"\\Settings\\Indicator", "\\Folders", "\\Windows"})
        EXPECT_TRUE(KeyExists(ProductPath + key)) << key;
    const std::pair<const char*, DWORD> defaults[] = {
        {"CaptionFeature", 3}, {"LogitechFeature", 0}, {"BodyFeature", 5},
        {"LoadOnStartUp", 1},  {"ShowState", 1},       {"DetectMiddleButton", 1},
        {"ShowTrayIcon", 1},   {"TrayOnMinimize", 0},  {"RollUpOnMaximize", 0},
        {"FastFolders", 1},    {"HotKey", 1},          {"Chord", 0},
        {"CtrlClipboard", 0}};
    for (const auto& d : defaults)
        EXPECT_EQ(Stored(SettingsPath, d.first), std::to_string(d.second)) << d.first;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(Settings.PosX == work.right - 50 && Settings.PosY == work.bottom - 50);
    SHDeleteKeyA(HKEY_CURRENT_USER, SettingsPath.c_str()); // only the Folders key means a run
    SetString(SettingsPath, "CaptionFeature", "3");
    SetDword(SettingsPath, "Chord", static_cast<DWORD>(-1)); // a number is taken as it is
    WORD shortValue = 2;
    SetRaw(SettingsPath, "BodyFeature", REG_DWORD, &shortValue, sizeof shortValue);
    SetRaw(SettingsPath, "ShowState", REG_BINARY, "\0\0\0\0", 4);
    SetString(SettingsPath, "RunCommand", std::string(600, 'x'));
    SetRaw(SettingsPath, "RunBodyCommand", REG_SZ, "calc.exe", 8); // without its zero
    for (int i = 0; i < 300; ++i)
        SetString(WindowsPath + "\\Class" + std::to_string(i), "Title", std::string(400, 't'));
    LoadSettings();
    EXPECT_EQ(Stored(SettingsPath, "HotKey"), "<none>") << "defaults written again";
    EXPECT_EQ(Settings.CaptionFeature, 3) << "a text where a number belongs";
    EXPECT_EQ(Settings.Chord, -1);
    EXPECT_EQ(Settings.BodyFeature, 5) << "a two-byte DWORD";
    EXPECT_EQ(Settings.ShowState, 1) << "binary data";
    EXPECT_EQ(Settings.RunCommand[0], 0) << "600 characters do not fit";
    EXPECT_STREQ(Settings.RunBodyCommand, "calc.exe");
    EXPECT_EQ(CustomWindowCount, CustomWindowTableSize - 1);
    EXPECT_EQ(CustomWindowTable[CustomWindowCount].ClassName[0], 0) << "the terminator";
    EXPECT_EQ(CustomWindowTable[0].Title[0], 0) << "a 400-character title does not fit";
    SettingsRecord values = Settings;
    SaveSettingsValues(values);
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_EQ(Stored(RunPath, "Quillet 99"), std::string("\"") + path + "\"");
    values.LoadOnStartUp = 0;
    SaveSettingsValues(values);
    EXPECT_EQ(Stored(RunPath, "Quillet 99"), "<none>");
}

TEST_F(HostCore, TrayKeepsEachWindowsTitleIconAndIdentityInFifteenSlots) {
    StartHost();
    HWND inside = Make("STATIC", WS_CHILD | WS_CAPTION | WS_VISIBLE, TaskbarWindow);
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(inside), 0);
    EXPECT_TRUE(IsWindowVisible(inside)) << "a window inside the taskbar";
    std::string title = "Title:" + std::string(80, 'T');
    std::vector<HWND> sent = {Make("plain"), Make("with icon")};
    SetWindowTextA(sent[0], title.c_str());
    Notify(NIM_ADD, MainWindow, 555); // the shell refuses the first slot's icon
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(sent[0]), 0);
    EXPECT_TRUE(IsWindowVisible(sent[0]) && !TrayedWindows[0].icon.uID) << "hidden without an icon";
    Notify(NIM_DELETE, MainWindow, 555);
    HICON own = LoadIconA(nullptr, IDI_QUESTION);
    SendMessageA(sent[1], WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(own));
    while (sent.size() < 16)
        sent.push_back(Make("more"));
    for (HWND window : sent)
        SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(window), 0);
    const NOTIFYICONDATAA& first = TrayedWindows[0].icon;
    EXPECT_FALSE(IsWindowVisible(sent[0]));
    EXPECT_TRUE(first.cbSize == NOTIFYICONDATAA_V1_SIZE && first.uFlags == 7 &&
                first.uCallbackMessage == UM_TRAYED_WINDOW_ICON)
        << "88 bytes in a 32-bit build";
    EXPECT_EQ(std::string(first.szTip), title.substr(0, 63));
    EXPECT_EQ(first.hIcon, LoadIconA(nullptr, IDI_EXCLAMATION)) << "no icon of its own";
    EXPECT_TRUE(TrayedWindows[1].icon.uID == 556 && TrayedWindows[1].icon.hIcon == own);
    EXPECT_TRUE(IsWindowVisible(sent[15])) << "the sixteenth";
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_RBUTTONDOWN);
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_MOUSEMOVE);
    EXPECT_FALSE(IsWindowVisible(sent[6])) << "only a left press restores";
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(sent[6]));
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(sent[15]), 0);
    EXPECT_TRUE(SameWindow(TrayedWindows[6].window.handle, sent[15])) << "the freed slot";
    // A window that is gone leaves its handle to the next new one, a stranger that must not be
    // shown at the end: here the records of two slots no longer match what their handles name.
    TrayedWindows[2].window.processId += 4;
    strcpy(TrayedWindows[3].window.className, "another program's class");
    DestroyHost();
    EXPECT_TRUE(IsWindowVisible(sent[4]) && !IsWindowVisible(sent[2]) && !IsWindowVisible(sent[3]));
}

TEST_F(HostCore, RollUpKeepsTheTitleBarAndUnrollsOnTheNextRequestAndAtTheEnd) {
    StartHost();
    HWND sizable = Make("sizable"), fixed = Make("fixed", WS_CAPTION | WS_VISIBLE);
    auto roll = [](HWND w) { SendMessageA(MainWindow, UM_ROLL_WINDOW, Low16(w), 0); };
    FreeRolledWindows(); // a list with no room, as when memory ran out
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), RolledBottom());
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom);
    roll(sizable);
    ASSERT_EQ(RolledWindows.count, 2);
    EXPECT_TRUE(RolledWindows.records[0].rolled == 0 && RolledWindows.records[1].rolled == 1);
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom) << "found past the older record";
    roll(Make("bare", WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(RolledWindows.count, 2) << "a window without a caption is not rolled";
    roll(fixed);
    roll(sizable);
    EXPECT_EQ(RegionBottom(fixed), RolledBottom(false));
    RolledWindows.records[RolledWindows.count - 2].window.processId += 4; // now a stranger's
    DestroyHost();
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom) << "left rolled up at the end";
    EXPECT_EQ(RegionBottom(fixed), RolledBottom(false))
        << "a stranger with a rolled window's handle";
}

TEST_F(HostCore, EachHiddenWindowsIconIsAskedOfItAgainWhenTheShellStartsAgain) {
    StartHost();
    HWND changed = Make("changed"), gone = Make("gone");
    HICON question = LoadIconA(nullptr, IDI_QUESTION), logo = LoadIconA(nullptr, IDI_WINLOGO);
    SendMessageA(changed, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(question));
    for (HWND window : {changed, gone})
        SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(window), 0);
    SendMessageA(changed, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(logo));
    DestroyWindow(gone);
    Notify(NIM_DELETE, MainWindow, 555), Notify(NIM_DELETE, MainWindow, 556);
    TaskbarWindow = StartButtonWindow = nullptr;
    SendMessageA(MainWindow, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(TaskbarWindow, FindWindowA("Shell_TrayWnd", nullptr));
    EXPECT_NE(StartButtonWindow, nullptr);
    EXPECT_TRUE(Notify(NIM_MODIFY, MainWindow, 555) && TrayedWindows[0].icon.hIcon == logo);
    EXPECT_FALSE(Notify(NIM_MODIFY, MainWindow, 556) || TrayedWindows[1].icon.uID)
        << "an icon for a window that is gone";
    // Windows of other programs without icons of their own get their programs' icons.
    Target byClass, bySetIcon;
    ASSERT_TRUE(byClass.Start("classicon", "", "class"));
    ASSERT_TRUE(bySetIcon.Start("seticon", "", "set"));
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(byClass.window), 0); // slot 1 again
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(bySetIcon.window), 0);
    // Under Wine neither is to be had from another program: both come from the program's file.
    for (int slot : {1, 2})
        EXPECT_TRUE(TrayedWindows[slot].icon.hIcon &&
                    TrayedWindows[slot].icon.hIcon != LoadIconA(nullptr, IDI_EXCLAMATION));
}

TEST_F(HostCore, RunFileStartsProgramsAndDocumentsButNeverADecoyAndShowsNothing) {
    const char record[] = "C:\\quillet-test\\runs.log";
    CreateDirectoryA("C:\\quillet-test", nullptr);
    DeleteFileA(record), SetEnvironmentVariableA("QUILLET_RECORD", record);
    CreateDirectoryA("C:\\Program Files\\Quillet Test App", nullptr);
    for (const char* copy : {"C:\\quillet-test\\rec.exe", "C:\\Program.exe",
                             "C:\\Program Files\\Quillet Test App\\real.exe"})
        CopyFileA(BinPath("q99target.exe").c_str(), copy, FALSE);
    std::ofstream("C:\\quillet-test\\notes.q99doc") << "a document";
    RegSetValueA(HKEY_CLASSES_ROOT, ".q99doc", REG_SZ, "QuilletTestDocument", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuilletTestDocument\\shell\\open\\command", REG_SZ,
                 "\"C:\\quillet-test\\rec.exe\" \"%1\"", 0);
    for (const char* command :
         {"C:\\nowhere\\nothing.exe", "no such program", "", "C:\\quillet-test\\rec.exe alpha",
          "\"C:\\Program Files\\Quillet Test App\\real.exe\" gamma",
          "C:\\Program Files\\Quillet Test App\\real.exe", "C:\\quillet-test\\notes.q99doc"})
        RunFile(command);
    std::string runs;
    WaitUntil([&] {
        std::ifstream in(record);
        runs.assign(std::istreambuf_iterator<char>(in), {});
        return std::count(runs.begin(), runs.end(), '\n') >= 4;
    });
    PumpFor(500);
    SHDeleteKeyA(HKEY_CLASSES_ROOT, ".q99doc");
    SHDeleteKeyA(HKEY_CLASSES_ROOT, "QuilletTestDocument");
    DeleteFileA("C:\\Program.exe");
    // In whatever order they started; the texts that name nothing ran nothing.
    EXPECT_EQ(std::count(runs.begin(), runs.end(), '\n'), 4) << runs;
    for (const char* ran :
         {"rec.exe alpha", "real.exe\" gamma", "real.exe|\"C:\\Program Files", "notes.q99doc\""})
        EXPECT_NE(runs.find(ran), std::string::npos) << ran << " in " << runs;
    EXPECT_EQ(runs.find("C:\\Program.exe"), std::string::npos) << "the decoy ran";
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "a message box was shown";
}

} // namespace
