// A pop-up menu of the host's at the mouse cursor.
#pragma once

#include <windows.h>

// Runs the menu until it closes; its command arrives later as a posted WM_COMMAND.
void TrackMenuAtCursor(HMENU menu, HWND owner);
