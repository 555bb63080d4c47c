// A do-nothing WH_MOUSE_LL hook, as most remapping tools install one: every mouse event waits
// for this program's thread to pass it on. The driver switches it on and off (bench_shared.h).
#include "bench_shared.h"

static LRESULT CALLBACK PassOn(int code, WPARAM message, LPARAM event) {
    return CallNextHookEx(nullptr, code, message, event);
}

int main() {
    HANDLE events[3] = {OpenEventA(SYNCHRONIZE, FALSE, BenchLowLevelStopName),
                        OpenEventA(SYNCHRONIZE, FALSE, BenchLowLevelOnName),
                        OpenEventA(SYNCHRONIZE, FALSE, BenchLowLevelOffName)};
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, BenchLowLevelReadyName);
    if (!events[0] || !events[1] || !events[2] || !ready) return 1;
    HHOOK hook = nullptr;
    SetEvent(ready);
    // The hook is called from this thread's message wait.
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjects(3, events, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (woke == WAIT_OBJECT_0 + 1 && !hook) {
            hook = SetWindowsHookExA(WH_MOUSE_LL, PassOn, GetModuleHandleA(nullptr), 0);
            if (hook) SetEvent(ready);
        } else if (woke == WAIT_OBJECT_0 + 2 && hook) {
            UnhookWindowsHookEx(hook);
            hook = nullptr;
            SetEvent(ready);
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    if (hook) UnhookWindowsHookEx(hook);
    return 0;
}
