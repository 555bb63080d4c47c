// Windows sent to the notification area: each hidden behind a tray icon of its own until a
// left press on the icon brings it back.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>

constexpr int TraySlotCount = 15;
struct TrayedWindow {
    HWND window;
    NOTIFYICONDATAA icon; // in its 88-byte form: cbSize NOTIFYICONDATAA_V1_SIZE
};
extern std::array<TrayedWindow, TraySlotCount> TrayedWindows;

void SendWindowToTray(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam);
void RestoreTrayedWindow(WPARAM wParam, LPARAM lParam);
// Shutdown: every hidden window shown again, every icon removed.
void RestoreAllTrayedWindows();
// The shell started again (Explorer restarted): every icon of a hidden window is added again.
void AddTrayedWindowIconsAgain();
