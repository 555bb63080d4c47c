// WM_TIMER of the main window.
#include "core_globals.h"

#include "features_globals.h"
#include "quillet99hook.h"

bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds) {
    if (SetTimer(window, id, milliseconds, nullptr)) return true;
    Shutdown();
    return false;
}

// One-shot timers stop themselves first.
static bool StopOneShot(HWND window, UINT_PTR id) {
    if (KillTimer(window, id)) return true;
    Shutdown();
    return false;
}

LRESULT OnTimer(HWND window, UINT_PTR id) {
    switch (id) {
    case InstallHookTimer:
        if (!StopOneShot(window, id)) break;
        FindStartButton();
        InstallMouseHook(MainWindow);
        break;
    case TrayMenuTimer: StopOneShot(window, id); break;
    case StartMenuTimer:
        if (!StopOneShot(window, id)) break;
        SetCapture(window);
        GetCursorPos(&StartMenuPoint);
        MoveStartButtonToCursor(StartMenuPoint.x, StartMenuPoint.y);
        StartTimerOrShutdown(window, PressStartTimer, 100);
        break;
    case PressStartTimer:
        if (!StopOneShot(window, id)) break;
        PressStartButton();
        StartTimerOrShutdown(window, RestoreStartTimer, 100);
        break;
    case RestoreStartTimer:
        if (!StopOneShot(window, id)) break;
        RestoreStartButton();
        break;
    case ScrollTimer: ScrollOneLine(); break;
    default: break;
    }
    return 0;
}
