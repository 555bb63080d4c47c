// Rolling a window up to its title bar with a window region, and down again.
#pragma once

#include <windows.h>

#include "features/foreign_window.h"

struct RolledWindow {
    KnownWindow window;
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
// Gives a window its whole area back; false, doing nothing, when its program does not answer.
bool UnrollWindow(HWND window);
// Shutdown: every window still rolled up is unrolled; false when one did not answer.
bool UnrollAllWindows();
// A window that an earlier run rolled up and that does not answer yet, in this run's care now.
void KeepRolledWindow(HWND window);
