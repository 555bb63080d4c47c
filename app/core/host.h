// What every module of the host reads: its instance and its main window, and their names. It
// includes nothing of the program, so that any module can include it without reaching up.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainWindow;

constexpr char MainClassName[] = "Quillet99";
constexpr char MainWindowTitle[] = "Quillet 99";
