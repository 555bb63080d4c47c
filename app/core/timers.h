// Timers of the main window. Each id belongs to the module that starts it; OnTimer hands the
// tick there. A timer that cannot be started or stopped where it matters ends the host.
#pragma once

#include <windows.h>

bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds);
// One-shot timers stop themselves first.
bool StopOneShot(HWND window, UINT_PTR id);
LRESULT OnTimer(HWND window, UINT_PTR id);
