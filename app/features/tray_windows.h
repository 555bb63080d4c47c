// Windows sent to the notification area: each hidden behind a tray icon of its own until a
// left press on the icon brings it back.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>

#include "features/foreign_window.h"

constexpr int TraySlotCount = 15;
struct TrayedWindow {
    KnownWindow window;
    NOTIFYICONDATAA icon; // in its 88-byte form: cbSize NOTIFYICONDATAA_V1_SIZE
    WCHAR wideTip[64];    // the title in Unicode where the shell takes it, else empty
    bool ownIcon;         // made from the window's program file, so destroyed with the slot
    bool seenHidden;      // the hide has taken effect (it is asynchronous)
};
extern std::array<TrayedWindow, TraySlotCount> TrayedWindows;

void SendWindowToTray(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam);
void RestoreTrayedWindow(WPARAM wParam, LPARAM lParam);
// Shutdown: every hidden window shown again, every icon removed.
void RestoreAllTrayedWindows();
// The shell started again (Explorer restarted): every hidden window's icon is added again.
void AddTrayedWindowIconsAgain();
// Timer 17: a hidden window that its own program has shown again gives up its icon and slot.
void ReleaseTrayedWindowsShownAgain();
