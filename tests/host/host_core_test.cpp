// The host's real main window created inside the test process from the host's own code, on a
// fresh registry, so that what cannot be seen from outside can be read back: the settings
// store, the records of the tray and of rolled windows, the Start button's steps, the timers.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "core/copy_paste.h"
#include "core/main_window.h"
#include "core/run_file.h"
#include "core/scroll_mode.h"
#include "core/timers.h"
#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/topmost.h"
#include "features/tray_windows.h"
#include "harness.h"

namespace {

HookSharedRecord& Shared() {
    return *static_cast<HookSharedRecord*>(
        SectionOf(GetModuleHandleA("QUILLET99HOOK.DLL"), "SHARDATA"));
}

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
        DeleteTree(HKEY_CURRENT_USER, ProductPath);
        SHDeleteValueA(HKEY_CURRENT_USER, RunPath.c_str(), "Quillet 99");
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
        ASSERT_TRUE(WaitUntil([] { return Shared().hookProc != nullptr; }, 2000));
    }
    void DestroyHost() {
        if (IsWindow(MainWindow)) DestroyWindow(MainWindow);
        MSG msg; // the shutdown's WM_QUIT must not end a later wait
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HWND MakeWindow(const char* title, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    const char* className = "QuilletCoreWindow", HWND parent = nullptr) {
        WNDCLASSA wc = {0, DefWindowProcA, 0, 0, 0, 0, 0, 0, 0, className};
        RegisterClassA(&wc);
        windows.push_back(
            CreateWindowA(className, title, style, 120, 120, 300, 200, parent, 0, 0, 0));
        return windows.back();
    }
    std::vector<HWND> windows;
};

int OldVersionCloses;
LRESULT CALLBACK OldVersionProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    OldVersionCloses += m == WM_CLOSE;
    return m == WM_CLOSE ? 0 : DefWindowProcA(w, m, wp, lp);
}

TEST_F(HostCore, StartUpRetiresTheOldVersionsPushesTheSettingsAndInstallsTheHookOnTimer1) {
    WNDCLASSA wc = {0, OldVersionProc, 0, 0, 0, 0, 0, 0, 0, "QUILLET98"};
    RegisterClassA(&wc);
    windows.push_back(CreateWindowA("QUILLET98", "Quillet 98", 0, 0, 0, 9, 9, 0, 0, 0, 0));
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        for (const char* name : {"Quillet 97", "Quillet 98", "Unrelated"})
            SetString(RunPath, name, "x.exe", root);
    Shared().currentCaptionFeature = 0;
    Shared().scrollEnabled = 1;
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
    EXPECT_EQ(Shared().currentCaptionFeature, CAPTION_TRAY_WINDOW);
    EXPECT_EQ(Shared().currentBodyFeature, BODY_SCROLL_WINDOW);
    EXPECT_EQ(Shared().scrollEnabled, 0) << "Chord is off by default";
    EXPECT_EQ(Shared().hookProc, nullptr) << "the hook waits for timer 1";
    ASSERT_TRUE(WaitUntil([] { return Shared().hookProc != nullptr; }, 2000));
    EXPECT_EQ(Shared().hostWindow, MainWindow);
    EXPECT_EQ(TaskbarWindow, FindWindowA("Shell_TrayWnd", nullptr));
    EXPECT_EQ(GetParent(StartButtonWindow), TaskbarWindow);
    EXPECT_FALSE(Visible(MainWindow));
    EXPECT_EQ(OldVersionCloses, 1);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        EXPECT_EQ(Stored(RunPath, "Quillet 97", root) + Stored(RunPath, "Quillet 98", root),
                  "<none><none>");
        EXPECT_EQ(Stored(RunPath, "Unrelated", root), "x.exe") << "only the old entries go";
        SHDeleteValueA(root, RunPath.c_str(), "Unrelated");
    }
    DestroyHost();
    EXPECT_EQ(Shared().hookProc, nullptr) << "the shutdown removes the hook";
}

TEST_F(HostCore, TheDispatcherReloadsRegistersItsHotKeysAndEndsTheHostWhenATimerFails) {
    StartHost();
    SetDword(SettingsPath, "CaptionFeature", CAPTION_ROLL_UP);
    SetDword(WindowsPath + "\\Notepad", "BodyFeature", 6);
    Shared().savedCaptionFeature = 1;
    SendMessageA(MainWindow, UM_RELOAD_SETTINGS, 0, 0);
    EXPECT_EQ(Shared().currentCaptionFeature, CAPTION_ROLL_UP);
    EXPECT_EQ(Shared().savedCaptionFeature, 999);
    ASSERT_EQ(Shared().customCount, 1);
    EXPECT_EQ(Shared().customTable[0].bodyFeature, 6);
    static char big[0x10010];
    EXPECT_EQ(SendMessageA(MainWindow, WM_GETTEXT, 0x10003, reinterpret_cast<LPARAM>(big)), 10)
        << "a wParam above 65535 reaches DefWindowProcA as it is";
    EXPECT_EQ(SendMessageA(MainWindow, WM_QUERYOPEN, 0, 0), 0);
    HWND other = MakeWindow("other");
    UINT m = static_cast<USHORT>(VkKeyScanA('m')), c = static_cast<USHORT>(VkKeyScanA('c'));
    EXPECT_FALSE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, m)) << "the host has Ctrl+Alt+M";
    DestroyHost();
    UseSettings({{"HotKey", 0}});
    StartHost();
    EXPECT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, m));
    EXPECT_FALSE(RegisterHotKey(other, 2, MOD_CONTROL | MOD_ALT, c)) << "Ctrl+Alt+C always";
    // The desktop's own icon view is never scrolled.
    HWND view = MakeWindow("", WS_OVERLAPPEDWINDOW | WS_VISIBLE, "SHELLDLL_DefView");
    HWND icons = MakeWindow("", WS_CHILD | WS_VISIBLE | 0x2000, "STATIC", view);
    MoveMouseTo(Target::At(icons, 20, 180));
    SendMessageA(MainWindow, UM_SCROLL_WINDOW, Low16(icons), 0);
    EXPECT_FALSE(TimerRunning(ScrollTimer));
    // A timer that cannot be stopped or started ends the host.
    SendMessageA(MainWindow, WM_TIMER, StartMenuTimer, 0); // not running: cannot be stopped
    EXPECT_EQ(Shared().hookProc, nullptr) << "the shutdown sequence did not run";
    EXPECT_TRUE(QuitPosted());
    DestroyHost();
    StartHost();
    HWND gone = MakeWindow("gone");
    DestroyWindow(gone);
    EXPECT_FALSE(StartTimerOrShutdown(gone, StartMenuTimer, 100));
    EXPECT_TRUE(QuitPosted());
}

TEST_F(HostCore, TheStartMenuChainMovesTheButtonUnderTheCursorPressesItAndPutsItBack) {
    StartHost();
    SendMessageA(MainWindow, UM_START_MENU, Low16(TaskbarWindow), 0);
    SendMessageA(MainWindow, UM_START_MENU, Low16(StartButtonWindow), 0);
    EXPECT_FALSE(TimerRunning(StartMenuTimer)) << "a click on or inside the taskbar";
    TaskbarWindow = MakeWindow("bar", WS_POPUP | WS_VISIBLE);
    StartButtonWindow = MakeWindow("Start", WS_CHILD | WS_VISIBLE, "BUTTON", TaskbarWindow);
    RECT home, now, moved = {};
    GetWindowRect(StartButtonWindow, &home);
    MoveMouseTo({300, 400});
    DWORD start = GetTickCount(), movedAt = 0;
    SendMessageA(MainWindow, UM_START_MENU, 0, 0); // the window-features menu's request
    WaitUntil([&] {
        GetWindowRect(StartButtonWindow, &now);
        if (!movedAt && !EqualRect(&now, &home)) movedAt = GetTickCount() - start, moved = now;
        return movedAt && EqualRect(&now, &home);
    });
    EXPECT_GE(movedAt, 300u) << "the chain waits 350 ms first";
    EXPECT_TRUE(moved.left == 300 && moved.top == 380) << "20 pixels above the cursor";
    EXPECT_EQ(moved.right - moved.left, home.right - home.left);
    EXPECT_TRUE(WaitUntil([] { return Visible(StartButtonWindow); }));
}

TEST_F(HostCore, FirstRunWritesTheDefaultsAndHostileValuesKeepThem) {
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
    EXPECT_EQ(Stored(RunPath, "Quillet 99"), "<none>") << "no start-up entry before a save";
    DeleteTree(HKEY_CURRENT_USER, SettingsPath); // only a missing Folders key means a first run
    SetString(SettingsPath, "CaptionFeature", "3");
    WORD shortValue = 2;
    SetRaw(SettingsPath, "BodyFeature", REG_DWORD, &shortValue, sizeof shortValue);
    SetRaw(SettingsPath, "ShowState", REG_BINARY, "\0\0\0\0", 4);
    SetString(SettingsPath, "RunCommand", std::string(600, 'x'));
    SetRaw(SettingsPath, "RunBodyCommand", REG_SZ, "calc.exe", 8); // without its zero
    LoadSettings();
    EXPECT_EQ(Stored(SettingsPath, "HotKey"), "<none>") << "defaults written again";
    EXPECT_EQ(Settings.CaptionFeature, 3) << "a text where a number belongs";
    EXPECT_EQ(Settings.BodyFeature, 5) << "a two-byte DWORD";
    EXPECT_EQ(Settings.ShowState, 1) << "binary data";
    EXPECT_EQ(Settings.RunCommand[0], 0) << "600 characters do not fit";
    EXPECT_STREQ(Settings.RunBodyCommand, "calc.exe");
}

TEST_F(HostCore, SavesEveryValueAndAQuotedStartUpEntryAndLoadsABoundedTable) {
    LoadSettings();
    SettingsRecord values = Settings;
    values.BodyFeature = 7;
    strcpy(values.RunCommand, std::string(259, 'r').c_str());
    SaveSettingsValues(values);
    LoadSettings();
    EXPECT_EQ(Settings.BodyFeature, 7);
    EXPECT_EQ(strlen(Settings.RunCommand), 259u);
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_EQ(Stored(RunPath, "Quillet 99"), std::string("\"") + path + "\"");
    values.LoadOnStartUp = 0;
    SaveSettingsValues(values);
    EXPECT_EQ(Stored(RunPath, "Quillet 99"), "<none>");
    for (int i = 0; i < 300; ++i)
        SetString(WindowsPath + "\\Class" + std::to_string(i), "Title", std::string(400, 't'));
    LoadCustomWindowTable();
    EXPECT_EQ(CustomWindowCount, CustomWindowTableSize - 1);
    EXPECT_EQ(CustomWindowTable[CustomWindowCount].ClassName[0], 0) << "the terminator";
    EXPECT_EQ(CustomWindowTable[0].Title[0], 0) << "a 400-character title does not fit";
}

TEST_F(HostCore, TrayAndRollUpKeepWhatTheyNeedToGiveEachWindowBack) {
    StartHost();
    HWND inside = MakeWindow("", WS_CHILD | WS_CAPTION | WS_VISIBLE, "STATIC", TaskbarWindow);
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(inside), 0);
    EXPECT_TRUE(Visible(inside)) << "a window inside the taskbar";
    std::string title = "Title:" + std::string(80, 'T');
    std::vector<HWND> sent = {MakeWindow(title.c_str()), MakeWindow("with icon")};
    HICON own = LoadIconA(nullptr, IDI_QUESTION);
    SendMessageA(sent[1], WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(own));
    while (sent.size() < 16)
        sent.push_back(MakeWindow(""));
    for (HWND window : sent)
        SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(window), 0);
    const NOTIFYICONDATAA& first = TrayedWindows[0].icon;
    EXPECT_FALSE(Visible(sent[0]));
    EXPECT_EQ(first.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(first.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(first.uCallbackMessage, UM_TRAYED_WINDOW_ICON);
    EXPECT_EQ(std::string(first.szTip), title.substr(0, 63));
    EXPECT_EQ(first.hIcon, LoadIconA(nullptr, IDI_EXCLAMATION)) << "no icon of its own";
    EXPECT_TRUE(TrayedWindows[1].icon.uID == 556 && TrayedWindows[1].icon.hIcon == own);
    EXPECT_TRUE(Visible(sent[15])) << "the sixteenth";
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_RBUTTONDOWN);
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_MOUSEMOVE);
    EXPECT_FALSE(Visible(sent[6])) << "only a left press restores";
    SendMessageA(MainWindow, UM_TRAYED_WINDOW_ICON, 561, WM_LBUTTONDOWN);
    EXPECT_TRUE(Visible(sent[6]));
    SendMessageA(MainWindow, UM_TRAY_WINDOW, Low16(sent[15]), 0);
    EXPECT_TRUE(SameWindow(TrayedWindows[6].window, sent[15])) << "the freed slot";
    // Rolled up, a window keeps its title bar; the next request unrolls it.
    HWND sizable = MakeWindow("sizable");
    HWND fixed = MakeWindow("fixed", WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    auto roll = [](HWND w) { SendMessageA(MainWindow, UM_ROLL_WINDOW, Low16(w), 0); };
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), RolledBottom());
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom());
    roll(sizable);
    ASSERT_EQ(RolledWindows.count, 2);
    EXPECT_TRUE(RolledWindows.records[0].rolled == 0 && RolledWindows.records[1].rolled == 1);
    roll(sizable);
    EXPECT_EQ(RegionBottom(sizable), UnrolledBottom()) << "found past the older record";
    roll(fixed);
    EXPECT_EQ(RegionBottom(fixed), RolledBottom(false));
    roll(MakeWindow("bare", WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(RolledWindows.count, 3) << "a window without a caption is not rolled";
    ToggleTopmost(fixed);
    EXPECT_TRUE(GetWindowLongA(fixed, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ToggleTopmost(fixed);
    EXPECT_FALSE(GetWindowLongA(fixed, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

std::string Clipboard(const char* put = nullptr) {
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000);
    if (put) {
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, strlen(put) + 1);
        strcpy(static_cast<char*>(GlobalLock(data)), put);
        SetClipboardData(CF_TEXT, data);
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* chars = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    std::string text = chars ? chars : "";
    CloseClipboard();
    return text;
}

TEST_F(HostCore, CopyPasteTypesCtrlCOrCtrlVIntoTheFocusedWindowByCtrlAndTheSetting) {
    Target target;
    ASSERT_TRUE(target.Start("clipboard", {150, 150, 650, 450}));
    SetForegroundWindow(target.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.window; }));
    char text[64]; // another program's control: its text only through the messages
    auto edit = [&] {
        return std::string(text, SendMessageA(target.edit, WM_GETTEXT, 64, LPARAM(text)));
    };
    for (LONG ctrlClipboard : {0, 1, 2})
        for (bool control : {true, false}) {
            SCOPED_TRACE(ctrlClipboard * 2 + control);
            SendMessageA(target.edit, WM_SETTEXT, 0, LPARAM("selected-text"));
            SendMessageA(target.edit, EM_SETSEL, 0, -1);
            Clipboard("pasted-text");
            Settings.CtrlClipboard = ctrlClipboard;
            HeldKey held(control ? VK_CONTROL : 0);
            CopyPaste();
            bool copy = ctrlClipboard < 2 && control == (ctrlClipboard == 0);
            EXPECT_EQ(WaitUntil([&] { return Clipboard() == "selected-text"; }, 800), copy);
            EXPECT_EQ(WaitUntil([&] { return edit() == "pasted-text"; }, 800),
                      ctrlClipboard < 2 && !copy);
        }
}

TEST_F(HostCore, RunFileStartsProgramsDocumentsAndFoldersButNeverADecoyAndShowsNothing) {
    char temp[MAX_PATH];
    std::string record = std::string(temp, GetTempPathA(sizeof temp, temp)) + "quillet_runs.log";
    DeleteFileA(record.c_str());
    SetEnvironmentVariableA("QUILLET_RECORD", record.c_str());
    CreateDirectoryA("C:\\quillet-test", nullptr);
    CreateDirectoryA("C:\\Program Files\\Quillet Test App", nullptr);
    for (const char* copy : {"C:\\quillet-test\\rec.exe", "C:\\Program.exe",
                             "C:\\Program Files\\Quillet Test App\\real.exe"})
        CopyFileA(BinPath("q99target.exe").c_str(), copy, FALSE);
    std::ofstream("C:\\quillet-test\\notes.q99doc") << "a document";
    RegSetValueA(HKEY_CLASSES_ROOT, ".q99doc", REG_SZ, "QuilletTestDocument", 0);
    for (std::string type : {"QuilletTestDocument", "Folder", "Directory"})
        RegSetValueA(HKEY_CLASSES_ROOT, (type + "\\shell\\open\\command").c_str(), REG_SZ,
                     "\"C:\\quillet-test\\rec.exe\" \"%1\"", 0);
    for (const char* command :
         {"C:\\nowhere\\nothing.exe", "no such program", "", "C:\\quillet-test\\rec.exe alpha beta",
          "\"C:\\Program Files\\Quillet Test App\\real.exe\" gamma",
          "C:\\Program Files\\Quillet Test App\\real.exe", "C:\\quillet-test\\notes.q99doc",
          "C:\\quillet-test"})
        RunFile(command);
    std::vector<std::string> runs;
    WaitUntil([&] {
        std::ifstream in(record);
        runs.clear();
        for (std::string line; std::getline(in, line);)
            runs.push_back(line);
        return runs.size() >= 5;
    });
    PumpFor(500);
    for (const char* key : {".q99doc", "QuilletTestDocument", "Folder\\shell\\open\\command",
                            "Directory\\shell\\open\\command"})
        DeleteTree(HKEY_CLASSES_ROOT, key);
    DeleteFileA("C:\\Program.exe");
    // In whatever order they started; the texts that name nothing ran nothing.
    auto ran = [&](const char* text) {
        return std::count_if(runs.begin(), runs.end(),
                             [&](const std::string& run) { return run.find(text) != run.npos; });
    };
    EXPECT_EQ(runs.size(), 5u);
    EXPECT_EQ(ran("alpha beta") + ran("real.exe\" gamma"), 2);
    EXPECT_EQ(ran("real.exe|"), 2) << "the unquoted path with a space ran the decoy";
    EXPECT_EQ(ran("notes.q99doc\"") + ran("quillet-test\""), 2) << "a document or a folder";
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "a message box was shown";
}

} // namespace
