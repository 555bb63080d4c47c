// The host's start-up step by step: the host's own entry point, word for word, with the moment
// of each step noted on the performance counter in shared memory (bench_shared.h). WM_CREATE is
// timed by hooks on this thread's window procedure calls, timer 1's first tick in the message
// loop. Once the hook is installed, the steps whose cost is not plain from those moments are made
// again each on its own: finding the Start button, applying the settings, adding the tray icon
// and creating the two hidden dialogs.
#include "bench_shared.h"
#include "core/lifecycle.h"
#include "core/main_window.h"
#include "features/taskbar.h"
#include "features/tray_icon.h"
#include "indicator/indicator.h"
#include "settings_ui/customize_window.h"

namespace {

BenchHostSteps* Steps;

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

bool IsMainWindowCreate(const CWPSTRUCT& call) {
    char name[16];
    return call.message == WM_CREATE && GetClassNameA(call.hwnd, name, sizeof name) &&
           !lstrcmpA(name, MainClassName);
}

LRESULT CALLBACK BeforeCall(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && IsMainWindowCreate(*reinterpret_cast<CWPSTRUCT*>(lParam)))
        Steps->createBegin = Now();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK AfterCall(int code, WPARAM wParam, LPARAM lParam) {
    auto* ret = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    CWPSTRUCT call = {ret->lParam, ret->wParam, ret->message, ret->hwnd};
    if (code == HC_ACTION && IsMainWindowCreate(call)) Steps->createEnd = Now();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

template <typename Step>
LONGLONG Timed(Step step) {
    LONGLONG start = Now();
    step();
    return Now() - start;
}

void RepeatSteps() {
    Steps->findStartButton = Timed([] { FindStartButton(); });
    Steps->applySettings = Timed([] { ApplySettings(); });
    DeleteTrayIcon(MainWindow);
    Steps->trayIconAdd = Timed([] { AddTrayIcon(MainWindow); });
    DestroyIndicator();
    DestroyCustomizeWindowDialog();
    Steps->dialogs = Timed([] {
        CreateIndicator(MainWindow);
        CreateCustomizeWindowDialog(MainWindow);
        ShowIndicatorBySettings();
    });
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
    LONGLONG entry = Now();
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(BenchHostSteps), BenchHostStepsName);
    Steps = mapping
                ? static_cast<BenchHostSteps*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                : nullptr;
    if (!Steps) return 1;
    ZeroMemory(Steps, sizeof *Steps); // the driver may still hold the last run's record
    Steps->entry = entry;
    DWORD thread = GetCurrentThreadId();
    HHOOK before = SetWindowsHookExA(WH_CALLWNDPROC, BeforeCall, nullptr, thread);
    HHOOK after = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterCall, nullptr, thread);

    if (FindWindowA(MainClassName, MainWindowTitle)) return 0;
    if (!previous && !RegisterMainClass(instance)) return 0;
    if (!CreateMainWindow(instance)) return 0;
    Steps->windowDone = Now();
    UnhookWindowsHookEx(before);
    UnhookWindowsHookEx(after);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        bool tick = msg.message == WM_TIMER && msg.hwnd == MainWindow &&
                    msg.wParam == InstallHookTimer && !Steps->firstTick;
        if (tick) Steps->firstTick = Now();
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (tick) {
            Steps->tickDone = Now();
            RepeatSteps();
            InterlockedExchange(&Steps->ready, 1);
        }
    }
    return static_cast<int>(msg.wParam);
}
