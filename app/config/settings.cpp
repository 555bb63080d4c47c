#include "config/settings.h"

#include "config/custom_windows.h"
#include "config/mouseware.h"
#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "hook/host_messages.h"

SettingsRecord Settings;

namespace {

struct DwordSetting {
    const char* name;
    LONG SettingsRecord::*field;
};

// A value of the Settings key and the field named after it: a misspelt name does not compile.
#define SETTING(name)                                                                              \
    DwordSetting {                                                                                 \
#name, &SettingsRecord::name                                                               \
    }

// The order LoadSettings reads them in, the order of a first run's writes, and of a save.
constexpr DwordSetting LoadOrder[] = {SETTING(CaptionFeature),
                                      SETTING(BodyFeature),
                                      SETTING(LoadOnStartUp),
                                      SETTING(ShowState),
                                      SETTING(DetectMiddleButton),
                                      SETTING(ShowTrayIcon),
                                      SETTING(TrayOnMinimize),
                                      SETTING(RollUpOnMaximize),
                                      SETTING(FastFolders),
                                      SETTING(HotKey),
                                      SETTING(Chord),
                                      SETTING(CtrlClipboard),
                                      SETTING(LogitechFeature)};
constexpr DwordSetting FirstRunWriteOrder[] = {
    SETTING(CaptionFeature), SETTING(LogitechFeature), SETTING(BodyFeature),
    SETTING(LoadOnStartUp),  SETTING(ShowState),       SETTING(DetectMiddleButton),
    SETTING(ShowTrayIcon),   SETTING(TrayOnMinimize),  SETTING(RollUpOnMaximize),
    SETTING(FastFolders),    SETTING(HotKey),          SETTING(Chord),
    SETTING(CtrlClipboard)};
constexpr DwordSetting SaveOrder[] = {SETTING(CaptionFeature),
                                      SETTING(BodyFeature),
                                      SETTING(LoadOnStartUp),
                                      SETTING(ShowState),
                                      SETTING(DetectMiddleButton),
                                      SETTING(ShowTrayIcon),
                                      SETTING(TrayOnMinimize),
                                      SETTING(RollUpOnMaximize),
                                      SETTING(Chord),
                                      SETTING(FastFolders),
                                      SETTING(HotKey),
                                      SETTING(CtrlClipboard)};

#undef SETTING

POINT DefaultIndicatorPos() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {work.right - 50, work.bottom - 50};
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
        for (const DwordSetting& setting : FirstRunWriteOrder)
            WriteDwordValue(settings.Handle(), setting.name, defaults.*setting.field);

    settings.Create(HKEY_CURRENT_USER, SettingsKey, KEY_READ);
    SettingsRecord loaded = defaults;
    // A value of the right type and size is taken as it is: a feature code outside its list
    // does nothing in the hook, and the settings dialog stores -1 for a list with no selection.
    for (const DwordSetting& setting : LoadOrder)
        ReadDwordValue(settings.Handle(), setting.name, loaded.*setting.field);
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
        for (const DwordSetting& setting : SaveOrder)
            WriteDwordValue(settings.Handle(), setting.name, values.*setting.field);
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
    if (settings) SaveMouseWareChoice(settings.Handle(), values.LogitechFeature);
}

void SaveIndicatorPos(HWND indicator) {
    RECT frame;
    if (!GetWindowRect(indicator, &frame)) return;
    RegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, IndicatorKey, KEY_WRITE)) return;
    WriteDwordValue(key.Handle(), "PosX", frame.left);
    WriteDwordValue(key.Handle(), "PosY", frame.top);
}
