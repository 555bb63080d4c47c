// The shell's taskbar and its Start button.
#pragma once

#include <windows.h>

extern HWND TaskbarWindow;
extern HWND StartButtonWindow;

// EnumWindows callback: stops at the first top-level "Shell_TrayWnd" and keeps it.
extern "C" BOOL CALLBACK CheckWindows(HWND window, LPARAM);
void FindStartButton();
int IsAtClientOrigin(HWND window, HWND parent);
