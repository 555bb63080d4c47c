#include "core/timers.h"

#include "core/lifecycle.h"
#include "core/scroll_mode.h"
#include "features/start_menu.h"
#include "features/tray_menu.h"
#include "features/tray_windows.h"
#include "indicator/indicator.h"

bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds) {
    if (SetTimer(window, id, milliseconds, nullptr)) return true;
    Shutdown();
    return false;
}

bool StopOneShot(HWND window, UINT_PTR id) {
    if (KillTimer(window, id)) return true;
    Shutdown();
    return false;
}

LRESULT OnTimer(HWND window, UINT_PTR id) {
    switch (id) {
    case InstallHookTimer: OnInstallHookTimer(window); break;
    case TrayMenuTimer: OnTrayMenuTimer(window); break;
    case StartMenuTimer:
    case PressStartTimer:
    case RestoreStartTimer: OnStartMenuTimer(window, id); break;
    case ScrollTimer: OnScrollTimer(window); break;
    case IndicatorTimer:
        OnIndicatorTimer();
        ReleaseTrayedWindowsShownAgain();
        break;
    default: break;
    }
    return 0;
}
