// The features indicator: the small always-on-top window that shows the features in force.
#pragma once

#include <windows.h>

extern HWND IndicatorWindow;
