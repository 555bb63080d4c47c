// Start-up and shutdown of the main window, the deferred installation of the hook, and what
// a restart of the shell asks of the host.
#pragma once

#include <windows.h>

// Broadcast by the shell when its taskbar is created anew; known only at run time.
extern UINT TaskbarCreatedMessage;

constexpr UINT_PTR InstallHookTimer = 1;

LRESULT OnCreate(HWND window);
LRESULT OnClose(HWND window);
// WM_DESTROY, and the way out whenever a timer cannot be started or stopped.
void Shutdown();
void OnInstallHookTimer(HWND window);
void OnTaskbarCreated(HWND window);
