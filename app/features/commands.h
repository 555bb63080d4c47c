// What the menus' commands do: every menu the host shows is owned by its main window, so every
// choice arrives there as WM_COMMAND.
#pragma once

#include <windows.h>

// 1 while the user has suspended the mouse features: the hook is then not installed.
extern int Suspended;

void HandleCommand(HWND mainWindow, UINT id);
void Activate(HWND mainWindow);
void Suspend(HWND mainWindow);
