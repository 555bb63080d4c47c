// Start-up and shutdown of the hidden main window.
#include "core_globals.h"
#include "previous_versions.h"

#include "config_globals.h"
#include "features_globals.h"
#include "window_journal.h"
#include "quillet99hook.h"

int Suspended;

static bool ShutdownDone;

static void WarnWithoutMiddleButton(HWND window) {
    if (GetSystemMetrics(SM_CMOUSEBUTTONS) >= 3 || Settings.DetectMiddleButton != 1) return;
    MessageBoxA(window,
                "A 3-button  mouse was NOT detected by the system.\n"
                "\n"
                "However, you  can  enable to use the middle mouse\n"
                "button features on the right mouse button click, when\n"
                "the Scroll Lock light is \"ON\".",
                MainWindowTitle, MB_ICONWARNING | MB_OK);
}

UINT TaskbarCreatedMessage;

LRESULT OnCreate(HWND window) {
    MainWindow = window;
    ShutdownDone = false;
    RecoverWindowJournal();
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    RetirePreviousVersions();
    CreateRolledWindows();
    Suspended = 0;
    ApplySettings();
    RegisterHotKeys(window);
    if (!StartTimerOrShutdown(window, IndicatorTimer, 100)) return 0;
    if (!StartTimerOrShutdown(window, InstallHookTimer, 100)) return 0;
    WarnWithoutMiddleButton(window);
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
    // Windows left rolled up would keep their content out of reach with nothing to unroll them.
    UnrollAllWindows();
    FreeRolledWindows();
    FreeCustomWindowTable();
    UninstallMouseHook();
    RestoreAllTrayedWindows();
    ClearWindowJournal();
    PostQuitMessage(0);
}
