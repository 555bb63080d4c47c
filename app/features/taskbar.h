// The shell's taskbar and its Start button, as the host found them.
#pragma once

#include <windows.h>

extern HWND TaskbarWindow;
extern HWND StartButtonWindow;

// EnumWindows callback: stops at the first top-level "Shell_TrayWnd" and keeps it.
extern "C" BOOL CALLBACK CheckWindows(HWND window, LPARAM);
