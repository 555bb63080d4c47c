// The configuration store's globals: the settings record, the per-application table, and the
// registry layout they come from.
#pragma once

#include <windows.h>

constexpr char ProductKey[] = "Software\\Brantle Software\\Quillet 99";
constexpr char SettingsKey[] = "Software\\Brantle Software\\Quillet 99\\Settings";
constexpr char IndicatorKey[] = "Software\\Brantle Software\\Quillet 99\\Settings\\Indicator";
constexpr char WindowsKey[] = "Software\\Brantle Software\\Quillet 99\\Windows";
constexpr char FoldersKey[] = "Software\\Brantle Software\\Quillet 99\\Folders";
constexpr char RunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char RunValueName[] = "Quillet 99";

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

// One per-application record; the hook library reads the same 528-byte layout.
constexpr int ClassNameSize = 260;
constexpr int TitleSize = 260;
struct CustomWindowEntry {
    char ClassName[ClassNameSize];
    char Title[TitleSize];
    LONG CaptionFeature;
    LONG BodyFeature;
};
static_assert(sizeof(CustomWindowEntry) == 528, "the hook library reads 528-byte records");

constexpr int CustomWindowTableSize = 256; // the last record is always the empty terminator
extern CustomWindowEntry* CustomWindowTable;
extern int CustomWindowCount;

void LoadSettings();
void LoadCustomWindowTable();
void FreeCustomWindowTable();
// The registry side of the settings dialog's OK: every value, and the Run-key entry.
void SaveSettingsValues(const SettingsRecord& values);
void SaveIndicatorPos(HWND indicator);

// Reloads the settings and hands them to the hook library.
void ApplySettings();
