// What the tests share: waiting, real mouse and keyboard input, child programs, the hook
// library's record, the real registry and the notification area. Nothing of Win32 is mocked.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <gtest/gtest.h> // and the standard headers it brings

#include <fstream>

#include "hook/host_messages.h"
#include "hook/quillet99hook.h"

// A test that crashes fails by its name; a crash before any test has none, and fails no test.
inline LONG WINAPI ReportCrash(EXCEPTION_POINTERS*) {
    if (auto* test = testing::UnitTest::GetInstance()->current_test_info())
        printf("[  FAILED  ] %s.%s crashed\n", test->test_suite_name(), test->name());
    return fflush(stdout), TerminateProcess(GetCurrentProcess(), 3), EXCEPTION_EXECUTE_HANDLER;
}
const auto CrashFilter = SetUnhandledExceptionFilter(ReportCrash);

inline std::string BinPath(const std::string& file) {
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return self.substr(0, self.find_last_of('\\') + 1) + file;
}

// Pumps this thread's messages meanwhile, so that the test's own windows stay responsive.
inline void PumpFor(DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(5))
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
}

inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    for (DWORD start = GetTickCount(); !done(); PumpFor(10))
        if (GetTickCount() - start >= timeoutMs) return done();
    return true;
}

inline bool BringToFront(HWND window) {
    return SetForegroundWindow(window), WaitUntil([&] { return GetForegroundWindow() == window; });
}

const auto Low16 = [](HWND window) { return WPARAM(UINT_PTR(window) & 0xFFFF); };

// A window of the test, of a class registered on first use; its title is its class name.
inline HWND MakeWindow(const char* name, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       HWND parent = nullptr, WNDPROC proc = DefWindowProcA) {
    WNDCLASSA wc = {0, proc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, name};
    return RegisterClassA(&wc), CreateWindowA(name, name, style, 60, 60, 300, 240, parent, 0, 0, 0);
}

// The bottom of a window's region (0 when it has none), of a rolled-up window with a sizing
// border (or this frame), and of an unrolled one.
inline LONG RegionBottom(HWND window) {
    RECT box = {};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
    return DeleteObject(region), box.bottom;
}
inline LONG RolledBottom(int frame = SM_CYFRAME) {
    return 2 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(frame);
}
const LONG UnrolledBottom = 2 * GetSystemMetrics(SM_CYSCREEN);

inline void SendInputOf(DWORD type, DWORD flags, POINT pt = {}, WORD key = 0) {
    LONG x = (pt.x * 65536 + 1023) / GetSystemMetrics(SM_CXSCREEN),
         y = (pt.y * 65536 + 767) / GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {type, {}};
    input.ki = {key, static_cast<WORD>(MapVirtualKeyA(key, 0)), flags, 0, 0};
    if (type == INPUT_MOUSE) input.mi = {x, y, 0, flags, 0, 0};
    SendInput(1, &input, sizeof input);
}

// Under Wine the display's pending motion can pull a moved cursor back: wait until it stays.
inline void MoveMouseTo(POINT pt) {
    SendInputOf(INPUT_MOUSE, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    for (int held = 0, attempt = 0; held < 2 && attempt < 40; ++attempt, PumpFor(20)) {
        POINT now;
        GetCursorPos(&now);
        held = now.x == pt.x && now.y == pt.y ? held + 1 : 0;
        if (!held) SetCursorPos(pt.x, pt.y);
    }
}

enum Button { Left, Middle, Right };
inline void Press(Button button, bool down) {
    // Each button's flag for going down is half its flag for going up.
    static const DWORD up[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_RIGHTUP};
    SendInputOf(INPUT_MOUSE, down ? up[button] / 2 : up[button]);
}

// Two clicks of one button close in time and place make a double click, even with others in
// other programs between them: the second one waits.
inline DWORD ClickAt(POINT pt, Button button) { // the time of the press
    static POINT last[3];
    static DWORD lastTime[3];
    DWORD wait = GetDoubleClickTime() + 50, elapsed = GetTickCount() - lastTime[button];
    if (abs(pt.x - last[button].x) < 8 && abs(pt.y - last[button].y) < 8 && elapsed < wait)
        PumpFor(wait - elapsed);
    DWORD pressed = (MoveMouseTo(pt), GetTickCount());
    Press(button, true), PumpFor(30), Press(button, false);
    last[button] = pt, lastTime[button] = GetTickCount();
    return pressed;
}

// A click once the cursor has settled there: under Wine a press at once after a move can be lost.
inline DWORD SettledClickAt(POINT pt, Button button) {
    return MoveMouseTo(pt), PumpFor(300), ClickAt(pt, button);
}

// Keys pressed and released through real input, one after the other.
inline void Type(std::initializer_list<WORD> keys) {
    for (WORD key : keys)
        SendInputOf(INPUT_KEYBOARD, 0, {}, key),
            SendInputOf(INPUT_KEYBOARD, KEYEVENTF_KEYUP, {}, key), PumpFor(150);
}

// The pop-up menu (or the window of another such class) on the screen, or null.
inline HWND OpenMenu(const char* className = "#32768") {
    for (HWND menu = nullptr;;)
        if (!(menu = FindWindowExA(nullptr, menu, className, nullptr)) || IsWindowVisible(menu))
            return menu;
}

// A key held down through real input while the object lives; 0 holds none.
struct HeldKey {
    WORD key;
    explicit HeldKey(WORD k) : key(k) { Hold(0); }
    ~HeldKey() { Hold(KEYEVENTF_KEYUP); }
    void Hold(DWORD up) {
        if (key) SendInputOf(INPUT_KEYBOARD, up, {}, key);
        WaitUntil([&] { return !key || (GetAsyncKeyState(key) < 0) == !up; }, 2000);
    }
};

// Ctrl+Alt and this key through real input. Under Wine a window taking the focus lets go of
// keys that the display never saw pressed: a chord that lost them on the way is typed again.
inline void CtrlAlt(WORD key) {
    for (int attempt = 0, held = 0; !held && attempt < 3; ++attempt) {
        HeldKey control(VK_CONTROL), alt(VK_MENU);
        SendInputOf(INPUT_KEYBOARD, 0, {}, key),
            SendInputOf(INPUT_KEYBOARD, KEYEVENTF_KEYUP, {}, key);
        if (!(held = GetAsyncKeyState(VK_CONTROL) < 0 && GetAsyncKeyState(VK_MENU) < 0))
            fprintf(stderr, "Ctrl+Alt+%c lost its modifiers, typed again\n", key);
    }
}

struct Child {
    PROCESS_INFORMATION info = {};
    bool Start(std::string line) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                              BinPath("").c_str(), &startup, &info) != 0;
    }
    DWORD Wait(DWORD ms) { // the exit code, or STILL_ACTIVE when it did not end in time
        DWORD code = STILL_ACTIVE;
        if (WaitUntil([&] { return !WaitForSingleObject(info.hProcess, 0); }, ms))
            GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    ~Child() { TerminateProcess(info.hProcess, 1); }
};

// A copy of the target program under another name, standing in for any program: each start
// of it is a line in its record, with its path and command line.
struct Recorder {
    std::string program, record;
    explicit Recorder(const std::string& name)
        : program("C:\\quillet-test\\" + name), record(program + ".log") {
        CreateDirectoryA("C:\\quillet-test", nullptr);
        CopyFileA(BinPath("q99target.exe").c_str(), program.c_str(), FALSE);
        DeleteFileA(record.c_str());
        SetEnvironmentVariableA("QUILLET_RECORD", record.c_str()); // for children started later
    }
    // The lines of the record that hold this text.
    int Runs(const std::string& text) const {
        std::ifstream in(record);
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += line.find(text) != std::string::npos;
        return count;
    }
};

// The hook library loaded into the test, and its shared record as this process maps it.
struct HookLibrary {
    HMODULE module = LoadLibraryA("QUILLET99HOOK.DLL");
    HookSharedRecord* shared = [](char* base) {
        auto* nt = PIMAGE_NT_HEADERS(base + PIMAGE_DOS_HEADER(base)->e_lfanew);
        PIMAGE_SECTION_HEADER section = IMAGE_FIRST_SECTION(nt);
        while (strncmp(reinterpret_cast<char*>(section->Name), "SHARDATA", 8) != 0)
            ++section;
        return reinterpret_cast<HookSharedRecord*>(base + section->VirtualAddress);
    }(reinterpret_cast<char*>(module));
    template <typename Function>
    Function* Get(const char* name) {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    ~HookLibrary() { FreeLibrary(module); }
};

// A point of a caption of this hit-test code (HTHELP, HTCLOSE, HTCAPTION), found from the right.
inline POINT CaptionButton(HWND window, LRESULT code) {
    RECT r;
    GetWindowRect(window, &r);
    POINT pt = {r.right, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    while (pt.x > r.left && SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) != code)
        --pt.x;
    return {pt.x > r.left ? pt.x - 3 : 0, pt.y}; // 0 when it has none
}

// The target program, and what it saw.
struct Target {
    Child process;
    HWND window = nullptr, edit = nullptr;
    bool Start(const char* name, const char* icons = "none") {
        char line[600], title[80];
        wsprintfA(line, "\"%s\" %s %s", BinPath("q99target.exe").c_str(), name, icons);
        wsprintfA(title, "Quillet Target %s", name);
        if (!process.Start(line) || !WaitUntil([&] {
                window = FindWindowA("QuilletTarget", title);
                return (edit = FindWindowExA(window, nullptr, "Edit", nullptr)) != nullptr;
            }))
            return false;
        // Under Wine a window just shown can miss mouse input for a moment.
        for (int attempt = 0; attempt < 50; ++attempt) {
            LONG before = Count(WM_MOUSEMOVE);
            MoveMouseTo({Client().x + attempt % 2, Client().y});
            if (WaitUntil([&] { return Count(WM_MOUSEMOVE) > before; }, 100)) return true;
        }
        return false;
    }
    ~Target() { PostMessageA(window, WM_CLOSE, 0, 0), process.Wait(3000); }
    // How many of these messages the target or its edit control received.
    LONG Count(UINT message) const { return LONG(SendMessageA(window, WM_APP, message, 0)); }
    POINT Caption() const { return CaptionButton(window, HTCAPTION); }
    static POINT At(HWND w, LONG x, LONG y) {
        POINT p = {x, y};
        return ClientToScreen(w, &p), p;
    }
    POINT Client() const { return At(window, 20, 100); }
};

// The real Quillet99.exe, watched from outside.
struct Host {
    Child process;
    HookLibrary hook;
    HWND window = nullptr;
    // Starts it and waits until its hook is installed.
    bool Start() {
        return process.Start("\"" + BinPath("Quillet99.exe") + "\"") &&
               WaitUntil([&] { return (window = FindWindowA("Quillet99", "Quillet 99")); }) &&
               WaitUntil(
                   [&] { return hook.shared->hookProc && hook.shared->hostWindow == window; });
    }
    // WM_CLOSE, as the tray menu's exit command sends it: whether it ended in time.
    bool Closes(DWORD ms = 10000) {
        return PostMessageA(window, WM_CLOSE, 0, 0), !process.Wait(ms);
    }
    ~Host() { Closes(); }
};

inline std::string Clipboard() {
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000);
    const char* chars = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
    std::string text = chars ? chars : "";
    return CloseClipboard(), text;
}

// The real registry of the Wine prefix.
const std::string ProductPath = "Software\\Brantle Software\\Quillet 99",
                  SettingsPath = ProductPath + "\\Settings",
                  WindowsPath = ProductPath + "\\Windows",
                  RunPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline void SetRaw(const std::string& key, const char* name, DWORD type, const void* v, DWORD n) {
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), name, type, v, n);
}
inline void SetDword(const std::string& path, const char* name, DWORD value) {
    SetRaw(path, name, REG_DWORD, &value, sizeof value);
}
inline void SetString(const std::string& path, const char* name, const std::string& text) {
    SetRaw(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
// Every test starts as a first run, with nothing of the product's in the registry.
struct FirstRun : testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    }
};
inline const bool FirstRuns =
    (testing::UnitTest::GetInstance()->listeners().Append(new FirstRun), 1);
// A value as text: a REG_SZ as it is, a REG_DWORD in decimal, "<none>" when it is missing.
inline std::string Stored(const std::string& path, const char* name, HKEY in = HKEY_CURRENT_USER) {
    char data[2048] = {};
    DWORD type = 0, size = sizeof data - 1;
    if (SHGetValueA(in, path.c_str(), name, &type, data, &size)) return "<none>";
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(data)) : data;
}

// The notification area. NIM_MODIFY without changes succeeds only for an icon the shell has.
inline bool Notify(DWORD message, HWND owner, UINT id) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE, data.hWnd = owner, data.uID = id;
    data.uFlags = message == NIM_ADD ? NIF_ICON : 0, data.hIcon = LoadIconA(0, IDI_APPLICATION);
    return Shell_NotifyIconA(message, &data) != FALSE;
}

// An icon of the notification area, counted from the right end of the taskbar, where the shell
// puts the first one: the host's own.
inline POINT TrayIcon(int place) {
    RECT bar;
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
    LONG cell = GetSystemMetrics(SM_CXSMICON) + 4;
    return {bar.right - cell * place - cell / 2, (bar.top + bar.bottom) / 2};
}

// The pixels of a rectangle, row by row, of this device context or of the screen.
inline std::vector<COLORREF> Pixels(HDC dc, LONG x, LONG y, LONG width, LONG height) {
    HDC from = dc ? dc : GetDC(nullptr);
    std::vector<COLORREF> pixels(width * height);
    for (LONG i = 0; i < width * height; ++i)
        pixels[i] = GetPixel(from, x + i % width, y + i / width);
    return dc || ReleaseDC(nullptr, from), pixels;
}

// The tip the shell shows while the mouse rests on this place of the notification area.
inline std::wstring TipAt(POINT place) {
    wchar_t tip[128] = {};
    MoveMouseTo({place.x, place.y - 300}), MoveMouseTo(place);
    WaitUntil(
        [&] { return SendMessageW(OpenMenu("tooltips_class32"), WM_GETTEXT, 128, LPARAM(tip)); });
    return tip;
}

inline std::string Pictures(HWND indicator) { // the features indicator's pictures that show
    std::string shown;
    for (int id = 1149; id <= 1163; ++id)
        shown += id != 1162 && IsWindowVisible(GetDlgItem(indicator, id)) ? std::to_string(id) + " "
                                                                          : "";
    return shown;
}
