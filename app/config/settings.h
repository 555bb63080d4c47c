// The settings record and the Settings key it comes from: first-run defaults, loading and
// saving.
#pragma once

#include <windows.h>

constexpr int CommandSize = 260;

// One field per value of the Settings key, named after it.
struct SettingsRecord {
    LONG CaptionFeature;
    LONG BodyFeature;
    LONG LoadOnStartUp;
    LONG ShowState;
    LONG DetectMiddleButton;
    LONG ShowTrayIcon;
    LONG TrayOnMinimize;
    LONG RollUpOnMaximize;
    LONG Chord;
    LONG FastFolders;
    LONG HotKey;
    LONG CtrlClipboard;
    LONG LogitechFeature;
    char RunCommand[CommandSize];
    char RunBodyCommand[CommandSize];
    LONG PosX;
    LONG PosY;
};

// Only LoadSettings writes it.
extern SettingsRecord Settings;

// The values a first run writes; the indicator position is computed from the work area.
SettingsRecord FirstRunSettings();

void LoadSettings();
// The registry side of the settings dialog's OK: every value, the Run-key entry and the
// MouseWare choice (a LogitechFeature other than 0 or 1 stores none).
void SaveSettingsValues(const SettingsRecord& values);
void SaveIndicatorPos(HWND indicator);
