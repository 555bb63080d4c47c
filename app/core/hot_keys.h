// Ctrl+Alt+M, Ctrl+Alt+C and Ctrl+Alt+R, and F1 to F3 while the main window has the focus.
#pragma once

#include <windows.h>

// The ids equal VK_F1 to VK_F3, which act the same while the main window has the focus.
constexpr WPARAM WindowFeaturesHotKey = 0x70;
constexpr WPARAM CustomizeHotKey = 0x71;
constexpr WPARAM SettingsHotKey = 0x72;

void RegisterHotKeys(HWND window);
// Ctrl+Alt+M; failing quietly when it is registered already.
void RegisterWindowFeaturesHotKey(HWND window);
void HotKeyAction(HWND window, WPARAM id, LPARAM lParam);
