// WM_TIMER of the main window.
#include "core_globals.h"

#include "quillet99hook.h"

// One-shot timers stop themselves first; a timer that cannot be stopped ends the host.
static bool StopOneShot(HWND window, UINT_PTR id) {
    if (KillTimer(window, id)) return true;
    Shutdown();
    return false;
}

LRESULT OnTimer(HWND window, UINT_PTR id) {
    switch (id) {
    case InstallHookTimer:
        if (!StopOneShot(window, id)) break;
        InstallMouseHook(MainWindow);
        break;
    default: break;
    }
    return 0;
}
