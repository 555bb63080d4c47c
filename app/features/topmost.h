// "Nail Window": a window above all normal windows, or back among them.
#pragma once

#include <windows.h>

void ToggleTopmost(HWND window);
