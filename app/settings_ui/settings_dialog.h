// The settings dialog: the one place where the user configures the host. Modal, one at a time;
// each opening reads the registry afresh, and only OK stores and applies.
#pragma once

#include <windows.h>

// 1 from the opener's request until the dialog closes.
extern int SettingsDialogOpen;
// The open dialog; meaningful only while SettingsDialogOpen is 1.
extern HWND SettingsDialogWindow;
extern HCURSOR HandCursor;
extern HCURSOR ArrowCursor;

// Opens the dialog, or brings the open one to the front.
void OpenSettings(HWND mainWindow);
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillFeatureLists(HWND dialog);
void LoadSettingsIntoDialog(HWND dialog);
// Stores what the dialog's controls show.
void SaveSettings(HWND dialog);
