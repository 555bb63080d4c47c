#include "host_window_fixture.h"

#include <shellapi.h>

#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/taskbar.h"
#include "features/topmost.h"
#include "features/tray_windows.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

HWND LoggedWindow;
std::vector<SentMessageLog::Entry> Logged;

LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->hwnd == LoggedWindow)
            Logged.push_back({call->message, call->wParam, call->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void HostWindowTest::SetUp() {
    DeleteProductKey();
    DeleteValue(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                "Quillet 99");
    static bool registered = RegisterMainClass(GetModuleHandleA(nullptr));
    (void)registered;
}

void HostWindowTest::TearDown() {
    DestroyHost();
    for (HWND window : windows_)
        DestroyWindow(window);
    windows_.clear();
    PumpFor(50);
}

void HostWindowTest::CreateHost() {
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
    ASSERT_NE(MainWindow, nullptr);
}

void HostWindowTest::DestroyHost() {
    if (MainWindow && IsWindow(MainWindow)) DestroyWindow(MainWindow);
    MainWindow = nullptr;
    // The shutdown posted WM_QUIT to this thread; it must not end a later wait.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

HWND HostWindowTest::MakeWindow(const char* title, DWORD style, RECT frame) {
    static bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = "QuilletHostTestWindow";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    HWND window = CreateWindowA("QuilletHostTestWindow", title, style, frame.left, frame.top,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, nullptr, nullptr);
    windows_.push_back(window);
    return window;
}

SentMessageLog::SentMessageLog(HWND window) {
    LoggedWindow = window;
    Logged.clear();
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, nullptr, GetCurrentThreadId());
}

SentMessageLog::~SentMessageLog() {
    UnhookWindowsHookEx(hook_);
    LoggedWindow = nullptr;
}

std::vector<SentMessageLog::Entry> SentMessageLog::Take(UINT message) {
    std::vector<Entry> found, rest;
    for (const Entry& entry : Logged)
        (entry.message == message ? found : rest).push_back(entry);
    Logged = rest;
    return found;
}
