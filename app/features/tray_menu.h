// The tray menu and its feature submenus, built fresh for every right-button press on the
// host's icon and shown 100 ms later by timer 2.
#pragma once

#include <windows.h>

extern HMENU TrayMenu;
constexpr UINT_PTR TrayMenuTimer = 2;

HMENU BuildTrayMenu();
HMENU BuildFeatureMenu();
HMENU BuildCaptionFeatureMenu();
HMENU BuildBodyFeatureMenu();
void OpenTrayMenu(HWND mainWindow);
void OnTrayMenuTimer(HWND mainWindow);
// Shutdown: a menu still waiting for its timer.
void DestroyTrayMenu();
