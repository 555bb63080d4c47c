// Every request of the hook library, the shell, the hot keys and the timers arrives here and
// goes to the operation that owns it.
#include "core/main_window.h"

#include "config/settings.h"
#include "core/apply_settings.h"
#include "core/copy_paste.h"
#include "core/hot_keys.h"
#include "core/lifecycle.h"
#include "core/run_file.h"
#include "core/scroll_mode.h"
#include "features/commands.h"
#include "features/fast_folders.h"
#include "features/roll_up.h"
#include "features/start_menu.h"
#include "features/tray_icon.h"
#include "features/tray_menu.h"
#include "features/tray_windows.h"
#include "features/window_features_menu.h"
#include "hook/host_messages.h"
#include "indicator/indicator.h"
#include "resources/resource_ids.h"
#include "settings_ui/settings_dialog.h"
#include "settings_ui/customize_window.h"

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, IDI_QUILLET96);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENUTEXT + 1);
    wc.lpszClassName = MainClassName;
    return RegisterClassA(&wc) != 0;
}

bool CreateMainWindow(HINSTANCE instance) {
    AppInstance = instance;
    // WM_CREATE runs inside this call and sets MainWindow.
    HWND window =
        CreateWindowExA(0, MainClassName, MainWindowTitle, WS_OVERLAPPEDWINDOW, 200, 100,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return false;
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);
    return true;
}

static LRESULT OnTimer(HWND window, UINT_PTR id) {
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

// A reload asked for by another program: the settings everywhere, and the icon sent again.
static void ReloadSettings() {
    ApplySettings();
    if (Settings.ShowTrayIcon == 1) RefreshTrayIcon();
}

extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TaskbarCreatedMessage && message != 0) {
        OnTaskbarCreated(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_CLOSE: return OnClose(window);
    case WM_DESTROY: Shutdown(); return 0;
    case WM_TIMER: return OnTimer(window, wParam);
    case WM_QUERYOPEN: return 0;
    case WM_MEASUREITEM:
        return MeasureWindowFeaturesItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM: return DrawWindowFeaturesItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND: HandleCommand(window, LOWORD(wParam)); return 0;
    case WM_HOTKEY:
    case WM_KEYDOWN: HotKeyAction(window, wParam, lParam); return 0;
    case UM_START_MENU: StartMenuRequest(window, wParam); return 0;
    case UM_ROLL_WINDOW: ToggleRollUp(window, message, wParam, lParam); return 0;
    case UM_RUN_CAPTION_COMMAND: RunFile(Settings.RunCommand); return 0;
    case UM_WINDOW_FEATURES_MENU: ShowWindowFeaturesMenu(window); return 0;
    case UM_TRAY_WINDOW: SendWindowToTray(window, message, wParam, lParam); return 0;
    case UM_RELOAD_SETTINGS: ReloadSettings(); return 0;
    case UM_SCROLL_WINDOW: StartScroll(window, wParam); return 0;
    case UM_COPY_PASTE: CopyPaste(); return 0;
    case UM_RUN_BODY_COMMAND: RunFile(Settings.RunBodyCommand); return 0;
    case UM_TRAY_ICON: OnTrayIcon(window, lParam); return 0;
    case UM_TRAYED_WINDOW_ICON: RestoreTrayedWindow(wParam, lParam); return 0;
    case UM_BUTTON_UP: EndScroll(window); return 0;
    case UM_FAST_FOLDERS: ShowFoldersMenu(window, wParam, lParam); return 0;
    case UM_SETTINGS: OpenSettings(window); return 0;
    case UM_CUSTOMIZE_WINDOW: ShowCustomize(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
