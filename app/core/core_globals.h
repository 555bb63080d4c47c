// Globals of the host core: the program instance and its hidden main window.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainWindow;
extern int Suspended;

constexpr char MainClassName[] = "Quillet99";
constexpr char MainWindowTitle[] = "Quillet 99";

// Timer ids of the main window.
constexpr UINT_PTR InstallHookTimer = 1;

extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up and shutdown of the main window.
LRESULT OnCreate(HWND window);
LRESULT OnClose(HWND window);
void Shutdown();

// WM_TIMER of the main window.
LRESULT OnTimer(HWND window, UINT_PTR id);
