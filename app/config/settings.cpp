#include "config/settings.h"

#include "config/custom_windows.h"
#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "hook/host_messages.h"
#include "hook/quillet99hook.h"

SettingsRecord Settings;

namespace {

struct DwordSetting {
    const char* name;
    LONG SettingsRecord::*field;
};

// In the order LoadSettings reads them.
constexpr DwordSetting DwordSettings[] = {
    {"CaptionFeature", &SettingsRecord::CaptionFeature},
    {"BodyFeature", &SettingsRecord::BodyFeature},
    {"LoadOnStartUp", &SettingsRecord::LoadOnStartUp},
    {"ShowState", &SettingsRecord::ShowState},
    {"DetectMiddleButton", &SettingsRecord::DetectMiddleButton},
    {"ShowTrayIcon", &SettingsRecord::ShowTrayIcon},
    {"TrayOnMinimize", &SettingsRecord::TrayOnMinimize},
    {"RollUpOnMaximize", &SettingsRecord::RollUpOnMaximize},
    {"FastFolders", &SettingsRecord::FastFolders},
    {"HotKey", &SettingsRecord::HotKey},
    {"Chord", &SettingsRecord::Chord},
    {"CtrlClipboard", &SettingsRecord::CtrlClipboard},
    {"LogitechFeature", &SettingsRecord::LogitechFeature},
};

constexpr const char* FirstRunWriteOrder[] = {
    "CaptionFeature",   "LogitechFeature",    "BodyFeature",  "LoadOnStartUp",
    "ShowState",        "DetectMiddleButton", "ShowTrayIcon", "TrayOnMinimize",
    "RollUpOnMaximize", "FastFolders",        "HotKey",       "Chord",
    "CtrlClipboard"};

// The order of the settings dialog's save.
constexpr const char* SaveOrder[] = {
    "CaptionFeature", "BodyFeature",    "LoadOnStartUp",    "ShowState", "DetectMiddleButton",
    "ShowTrayIcon",   "TrayOnMinimize", "RollUpOnMaximize", "Chord",     "FastFolders",
    "HotKey",         "CtrlClipboard"};

LONG SettingsRecord::*FieldNamed(const char* name) {
    for (const auto& setting : DwordSettings)
        if (lstrcmpA(setting.name, name) == 0) return setting.field;
    return nullptr;
}

POINT DefaultIndicatorPos() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {work.right - 50, work.bottom - 50};
}

// A feature code outside its list is a wrong value like any other: the default stays.
void KeepValidFeatures(SettingsRecord& loaded, const SettingsRecord& defaults) {
    if (loaded.CaptionFeature < 0 || loaded.CaptionFeature >= CaptionFeatureCount)
        loaded.CaptionFeature = defaults.CaptionFeature;
    if (loaded.BodyFeature < 0 || loaded.BodyFeature >= BodyFeatureCount)
        loaded.BodyFeature = defaults.BodyFeature;
}

void LoadIndicatorPos(SettingsRecord& loaded) {
    RegistryKey indicator;
    bool created = false;
    indicator.Create(HKEY_CURRENT_USER, IndicatorKey, KEY_SET_VALUE, &created);
    if (created) {
        WriteDwordValue(indicator.Handle(), "PosX", loaded.PosX);
        WriteDwordValue(indicator.Handle(), "PosY", loaded.PosY);
    }
    indicator.Create(HKEY_CURRENT_USER, IndicatorKey, KEY_READ);
    ReadDwordValue(indicator.Handle(), "PosX", loaded.PosX);
    ReadDwordValue(indicator.Handle(), "PosY", loaded.PosY);
}

void PushSwitchesToHook() {
    ActivateCaptionFeature(Settings.CaptionFeature);
    ActivateBodyFeature(Settings.BodyFeature);
    ActivateRightTray(Settings.TrayOnMinimize);
    ActivateRightRoll(Settings.RollUpOnMaximize);
    ActivateScroll(Settings.Chord);
}

} // namespace

SettingsRecord FirstRunSettings() {
    SettingsRecord defaults = {};
    defaults.CaptionFeature = CAPTION_TRAY_WINDOW;
    defaults.BodyFeature = BODY_SCROLL_WINDOW;
    defaults.LoadOnStartUp = 1;
    defaults.ShowState = 1;
    defaults.DetectMiddleButton = 1;
    defaults.ShowTrayIcon = 1;
    defaults.FastFolders = 1;
    defaults.HotKey = 1;
    POINT pos = DefaultIndicatorPos();
    defaults.PosX = pos.x;
    defaults.PosY = pos.y;
    return defaults;
}

void LoadSettings() {
    RegistryKey settings;
    settings.Create(HKEY_CURRENT_USER, SettingsKey, KEY_SET_VALUE);
    // The Folders key marks the first run: the Settings key's own fate does not count.
    bool firstRun = false;
    {
        RegistryKey folders;
        folders.Create(HKEY_CURRENT_USER, FoldersKey, KEY_SET_VALUE, &firstRun);
    }
    const SettingsRecord defaults = FirstRunSettings();
    if (firstRun && settings)
        for (const char* name : FirstRunWriteOrder)
            WriteDwordValue(settings.Handle(), name, defaults.*FieldNamed(name));

    settings.Create(HKEY_CURRENT_USER, SettingsKey, KEY_READ);
    SettingsRecord loaded = defaults;
    for (const auto& setting : DwordSettings)
        ReadDwordValue(settings.Handle(), setting.name, loaded.*setting.field);
    KeepValidFeatures(loaded, defaults);
    // A missing command keeps what was there.
    lstrcpynA(loaded.RunCommand, Settings.RunCommand, CommandSize);
    lstrcpynA(loaded.RunBodyCommand, Settings.RunBodyCommand, CommandSize);
    ReadStringValue(settings.Handle(), "RunCommand", loaded.RunCommand, CommandSize);
    ReadStringValue(settings.Handle(), "RunBodyCommand", loaded.RunBodyCommand, CommandSize);
    LoadIndicatorPos(loaded);
    Settings = loaded;

    LoadCustomWindowTable();
}

void SaveSettingsValues(const SettingsRecord& values) {
    RegistryKey settings, run;
    settings.Create(HKEY_CURRENT_USER, SettingsKey, KEY_SET_VALUE);
    run.Create(HKEY_CURRENT_USER, RunKey, KEY_SET_VALUE);
    if (settings) {
        for (const char* name : SaveOrder)
            WriteDwordValue(settings.Handle(), name, values.*FieldNamed(name));
        WriteStringValue(settings.Handle(), "RunCommand", values.RunCommand);
        WriteStringValue(settings.Handle(), "RunBodyCommand", values.RunBodyCommand);
    }
    if (run) {
        if (values.LoadOnStartUp == 1) {
            // Quoted: an unquoted path with a space would start the wrong program at log-on.
            char path[MAX_PATH];
            char quoted[MAX_PATH + 2];
            DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
            if (length > 0 && length < sizeof path) {
                wsprintfA(quoted, "\"%s\"", path);
                WriteStringValue(run.Handle(), RunValueName, quoted);
            }
        } else {
            RegDeleteValueA(run.Handle(), RunValueName);
        }
    }
    if (settings) WriteDwordValue(settings.Handle(), "LogitechFeature", values.LogitechFeature);
}

void SaveIndicatorPos(HWND indicator) {
    RECT frame;
    if (!GetWindowRect(indicator, &frame)) return;
    RegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, IndicatorKey, KEY_WRITE)) return;
    WriteDwordValue(key.Handle(), "PosX", frame.left);
    WriteDwordValue(key.Handle(), "PosY", frame.top);
}

void ApplySettings() {
    LoadSettings(); // rebuilds the per-application table as well
    PushSwitchesToHook();
    TellHookCustWin(CustomWindowTable);
}
