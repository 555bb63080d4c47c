#include "core/lifecycle.h"

#include "config/custom_windows.h"
#include "config/folders.h"
#include "config/settings.h"
#include "core/apply_settings.h"
#include "core/host.h"
#include "core/hot_keys.h"
#include "core/message_filter.h"
#include "core/previous_versions.h"
#include "core/timers.h"
#include "features/commands.h"
#include "features/roll_up.h"
#include "features/taskbar.h"
#include "features/tray_icon.h"
#include "features/tray_menu.h"
#include "features/tray_windows.h"
#include "features/window_features_menu.h"
#include "features/window_journal.h"
#include "hook/quillet99hook.h"
#include "indicator/indicator.h"
#include "settings_ui/customize_window.h"

UINT TaskbarCreatedMessage;

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

LRESULT OnCreate(HWND window) {
    MainWindow = window;
    EndHost = Shutdown;
    ShutdownDone = false;
    CreateRolledWindows(); // for the windows of an earlier run that do not answer yet
    RecoverWindowJournal();
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    AllowMessagesFromOtherPrograms(window, TaskbarCreatedMessage);
    RetirePreviousVersions();
    Suspended = 0;
    // The library's record outlives a host that ended suspended while any program still has the
    // library loaded: every start is active.
    ActivateIt(1);
    ApplySettings();
    TrayIconShown = 0;
    if (Settings.ShowTrayIcon == 1) {
        TrayIconShown = 1;
        AddTrayIcon(window);
    }
    RegisterHotKeys(window);
    if (!StartTimerOrShutdown(window, IndicatorTimer, 100)) return 0;
    if (!StartTimerOrShutdown(window, InstallHookTimer, 100)) return 0;
    CreateMenuFont();
    WarnWithoutMiddleButton(window);
    CreateIndicator(window);
    CreateCustomizeWindowDialog(window);
    ShowIndicatorBySettings();
    return 0;
}

LRESULT OnClose(HWND window) {
    DestroyIndicator();
    DestroyCustomizeWindowDialog();
    DestroyWindow(window);
    return 0;
}

void Shutdown() {
    if (ShutdownDone) return;
    ShutdownDone = true;
    // Windows left rolled up would keep their content out of reach with nothing to unroll them;
    // one whose program hangs is left to the next start, through the journal.
    bool allUnrolled = UnrollAllWindows();
    FreeRolledWindows();
    FreeCustomWindowTable();
    FreeFolderList();
    UninstallMouseHook();
    DeleteTrayIcon(MainWindow); // whether or not it is shown
    TrayIconShown = 0;
    RestoreAllTrayedWindows();
    if (allUnrolled) ClearWindowJournal();
    DestroyTrayMenu();
    PostQuitMessage(0);
}

void OnInstallHookTimer(HWND window) {
    if (!StopOneShot(window, InstallHookTimer)) return;
    FindStartButton();
    InstallMouseHook(MainWindow);
}

// The new taskbar is a new window, with a new Start button.
void OnTaskbarCreated(HWND) {
    FindStartButton();
    AddTrayIconAgain();
    AddTrayedWindowIconsAgain();
}
