// Globals of the host core: the program instance, its hidden main window, the timers and
// scroll-window mode.
#pragma once

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainWindow;
extern int Suspended;
extern HWND ScrollTarget;
// Broadcast by the shell when its taskbar is created anew; known only at run time.
extern UINT TaskbarCreatedMessage;

constexpr char MainClassName[] = "Quillet99";
constexpr char MainWindowTitle[] = "Quillet 99";

// Timers of the main window.
constexpr UINT_PTR InstallHookTimer = 1;
constexpr UINT_PTR TrayMenuTimer = 2;
constexpr UINT_PTR StartMenuTimer = 7;
constexpr UINT_PTR PressStartTimer = 8;
constexpr UINT_PTR RestoreStartTimer = 9;
constexpr UINT_PTR ScrollTimer = 15;
constexpr UINT_PTR IndicatorTimer = 17;

// Hot key ids; they equal VK_F1 to VK_F3, which act the same while the main window has focus.
constexpr WPARAM WindowFeaturesHotKey = 0x70;
constexpr WPARAM CustomizeHotKey = 0x71;
constexpr WPARAM SettingsHotKey = 0x72;

bool RegisterMainClass(HINSTANCE instance);
bool CreateMainWindow(HINSTANCE instance);
extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up and shutdown of the main window.
LRESULT OnCreate(HWND window);
LRESULT OnClose(HWND window);
void Shutdown();

// Timers: a timer that cannot be started or stopped where it matters ends the host.
LRESULT OnTimer(HWND window, UINT_PTR id);
bool StartTimerOrShutdown(HWND window, UINT_PTR id, UINT milliseconds);

void RegisterHotKeys(HWND window);
void HotKeyAction(HWND window, WPARAM id, LPARAM lParam);

void RunFile(const char* command);
void CopyPaste();
void StartScroll(HWND mainWindow, WPARAM wParam);
void ScrollOneLine();
void EndScroll(HWND mainWindow);
