#include "features/commands.h"

#include <shellapi.h>

#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "config/settings.h"
#include "core/apply_settings.h"
#include "core/host.h"
#include "features/fast_folders.h"
#include "features/help_file.h"
#include "features/tray_icon.h"
#include "features/window_features_menu.h"
#include "hook/host_messages.h"
#include "hook/quillet99hook.h"
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "settings_ui/about_box.h"
#include "settings_ui/settings_dialog.h"

int Suspended;

namespace {

// Stored, then in force for the very next click.
void ChooseFeature(const char* valueName, LONG code) {
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, SettingsKey, KEY_SET_VALUE))
        WriteDwordValue(key.Handle(), valueName, code);
    key.Close();
    ApplySettings();
}

} // namespace

void Activate(HWND mainWindow) {
    if (Suspended != 1) return;
    Suspended = 0;
    LoadSettings();
    if (Settings.ShowTrayIcon == 1)
        UpdateTrayIcon(mainWindow, LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_ACTIVE)),
                       "Quillet 99 (Active)");
    ActivateIt(1);
    InstallMouseHook(mainWindow);
}

void Suspend(HWND mainWindow) {
    if (Suspended != 0) return;
    if (Settings.ShowTrayIcon == 1)
        UpdateTrayIcon(mainWindow, LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_SUSPENDED)),
                       "Quillet 99 (Suspended)");
    Suspended = 1;
    ActivateIt(0);
    UninstallMouseHook();
}

void HandleCommand(HWND mainWindow, UINT id) {
    if (id >= IDM_START_MENU && id <= IDM_CLOSE_WINDOW) {
        RunWindowFeature(mainWindow, id);
    } else if (id >= IDM_CAPTION_FEATURE && id <= IDM_CAPTION_FEATURE + CAPTION_WINDOW_FEATURES) {
        ChooseFeature("CaptionFeature", id - IDM_CAPTION_FEATURE);
    } else if (id >= IDM_BODY_FEATURE && id <= IDM_BODY_FEATURE + BODY_COPY_PASTE) {
        ChooseFeature("BodyFeature", id - IDM_BODY_FEATURE);
    } else if (id >= IDM_FIRST_FOLDER && id <= IDM_LAST_FOLDER) {
        ApplyFolder(static_cast<int>(id - IDM_FIRST_FOLDER));
    }
    switch (id) {
    case IDM_ABOUT:
        DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ABOUT), mainWindow, AboutDlgProc, 0);
        break;
    case IDM_HELP: OpenHelpFile(mainWindow); break;
    case IDM_SETTINGS: OpenSettings(mainWindow); break;
    case IDM_ACTIVATE: Activate(mainWindow); break;
    case IDM_SUSPEND: Suspend(mainWindow); break;
    case IDM_EXIT: SendMessageA(mainWindow, WM_CLOSE, 0, 0); break;
    case IDM_HOME_PAGE:
        ShellExecuteA(nullptr, nullptr, QUILLET_HOME_PAGE, nullptr, nullptr, SW_SHOWMAXIMIZED);
        break;
    default: break;
    }
}
