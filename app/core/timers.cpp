#include "core/timers.h"

void (*EndHost)();

bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds) {
    if (SetTimer(window, id, milliseconds, nullptr)) return true;
    EndHost();
    return false;
}

bool StopOneShot(HWND window, UINT_PTR id) {
    if (KillTimer(window, id)) return true;
    EndHost();
    return false;
}
