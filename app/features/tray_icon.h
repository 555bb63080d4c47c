// The host's own icon in the notification area: active or suspended, and what its mouse
// buttons do.
#pragma once

#include <windows.h>
#include <shellapi.h>

extern NOTIFYICONDATAA TrayIconData;
// 1 while the icon is in the notification area.
extern int TrayIconShown;

// Always in the active look.
void AddTrayIcon(HWND mainWindow);
void DeleteTrayIcon(HWND mainWindow);
void UpdateTrayIcon(HWND mainWindow, HICON icon, const char* tip);
// The record sent again as it is, when the settings are reloaded.
void RefreshTrayIcon();
// The shell started again: the icon is added back in the look it had.
void AddTrayIconAgain();
void OnTrayIcon(HWND mainWindow, LPARAM mouseMessage);
