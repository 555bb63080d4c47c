// Ctrl+Alt+M, Ctrl+Alt+C, Ctrl+Alt+R and Ctrl+Alt+F, and F1 to F4 while the main window has the
// focus.
#pragma once

#include <windows.h>

// The ids equal VK_F1 to VK_F4, which act the same while the main window has the focus.
constexpr WPARAM WindowFeaturesHotKey = 0x70;
constexpr WPARAM CustomizeHotKey = 0x71;
constexpr WPARAM SettingsHotKey = 0x72;
// Fast Folders where a file dialog has no "?" button to press (Windows 2000 and later).
constexpr WPARAM FastFoldersHotKey = 0x73;

void RegisterHotKeys(HWND window);
// Ctrl+Alt+M; failing quietly when it is registered already.
void RegisterWindowFeaturesHotKey(HWND window);
void HotKeyAction(HWND window, WPARAM id, LPARAM lParam);
