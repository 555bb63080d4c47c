// Timers of the main window. Each id belongs to the module that starts it; the main window hands
// the tick there. A timer that cannot be started or stopped where it matters ends the host.
#pragma once

#include <windows.h>

// How the helpers end the host: lifecycle points it at its shutdown when the main window is
// created, so that the helpers stay below every module that starts a timer.
extern void (*EndHost)();

bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds);
// One-shot timers stop themselves first.
bool StopOneShot(HWND window, UINT_PTR id);
