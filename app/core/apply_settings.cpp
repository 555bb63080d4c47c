#include "core/apply_settings.h"

#include "config/custom_windows.h"
#include "config/folders.h"
#include "config/settings.h"
#include "hook/quillet99hook.h"
#include "indicator/indicator.h"

static void PushSwitchesToHook() {
    ActivateCaptionFeature(Settings.CaptionFeature);
    ActivateBodyFeature(Settings.BodyFeature);
    ActivateRightTray(Settings.TrayOnMinimize);
    ActivateRightRoll(Settings.RollUpOnMaximize);
    ActivateScroll(Settings.Chord);
}

void ApplySettings() {
    LoadSettings(); // rebuilds the per-application table as well
    PushSwitchesToHook();
    LoadFolderList();
    TellHookCustWin(CustomWindowTable);
    ShowIndicatorBySettings();
}
