// Globals and operations of the window features: the taskbar, the Start-menu pop-up, windows
// sent to the tray, rolled windows.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>

extern HWND TaskbarWindow;
extern HWND StartButtonWindow;
extern RECT StartButtonRect;
extern POINT StartMenuPoint;

// EnumWindows callback: stops at the first top-level "Shell_TrayWnd" and keeps it.
extern "C" BOOL CALLBACK CheckWindows(HWND window, LPARAM);
void FindStartButton();
int IsAtClientOrigin(HWND window, HWND parent);

void StartMenuRequest(HWND mainWindow, WPARAM wParam);
void MoveStartButtonToCursor(int x, int y);
void PressStartButton();
void RestoreStartButton();

constexpr UINT FirstTrayedIconId = 555;
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

struct RolledWindow {
    HWND window;
    LONG rolled;
};
// Records are only ever appended: unrolling clears the flag, rolling again adds a record.
struct RolledWindowList {
    RolledWindow* records;
    int count;
    int room;
};
extern RolledWindowList RolledWindows;
void CreateRolledWindows();
void FreeRolledWindows();

void ToggleRollUp(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam);
// Gives a window its whole area back.
void UnrollWindow(HWND window);
// Shutdown: every window still rolled up is unrolled.
void UnrollAllWindows();
void ToggleTopmost(HWND window);
