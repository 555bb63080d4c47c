// Start-up and shutdown of the hidden main window.
#include "core_globals.h"
#include "previous_versions.h"

#include "quillet99hook.h"

int Suspended;

static bool ShutdownDone;

LRESULT OnCreate(HWND window) {
    MainWindow = window;
    RetirePreviousVersions();
    Suspended = 0;
    if (!SetTimer(window, InstallHookTimer, 100, nullptr)) Shutdown();
    return 0;
}

LRESULT OnClose(HWND window) {
    DestroyWindow(window);
    return 0;
}

// WM_DESTROY, and the way out whenever a timer cannot be started or stopped.
void Shutdown() {
    if (ShutdownDone) return;
    ShutdownDone = true;
    UninstallMouseHook();
    PostQuitMessage(0);
}
