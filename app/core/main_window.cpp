// The hidden main window's procedure: every request of the hook library, the shell, the hot
// keys and the timers arrives here and is handed to the operation that owns it.
#include "core_globals.h"

extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_CLOSE: return OnClose(window);
    case WM_DESTROY: Shutdown(); return 0;
    case WM_TIMER: return OnTimer(window, wParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
