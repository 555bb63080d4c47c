// The hidden main window: its class, its creation, and its procedure, which is the host's
// switchboard.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainWindow;

constexpr char MainClassName[] = "Quillet99";
constexpr char MainWindowTitle[] = "Quillet 99";

bool RegisterMainClass(HINSTANCE instance);
bool CreateMainWindow(HINSTANCE instance);
extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
