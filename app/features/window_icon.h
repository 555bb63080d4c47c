// The picture that stands for a window in the notification area.
#pragma once

#include <windows.h>

// The window's own small or large icon, its class's, the first icon of its program's file, or
// the exclamation mark. `owned` tells whether the caller must destroy it.
HICON WindowIcon(HWND window, bool& owned);
