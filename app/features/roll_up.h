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
// Gives a window its whole area back.
void UnrollWindow(HWND window);
// Shutdown: every window still rolled up is unrolled.
void UnrollAllWindows();
