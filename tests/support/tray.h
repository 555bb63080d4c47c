// The notification area and caption buttons as a test finds them.
#pragma once

#include <windows.h>

// Does the shell hold this icon? NIM_MODIFY without changes succeeds only for an icon it has.
bool TrayIconPresent(HWND owner, UINT id);
bool AddTrayIcon(HWND owner, UINT id);
void DeleteTrayIcon(HWND owner, UINT id);

// The screen point of the notification area's icon at this place, counted from the right end
// of the taskbar, where the shell puts the first.
POINT TrayIconPoint(int place);

// A point of the window whose WM_NCHITTEST answer is this code, or {-1, -1}.
POINT HitTestPoint(HWND window, LRESULT code);
