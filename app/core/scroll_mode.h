// Scroll-window mode: while the feature button is held, the clicked window scrolls a line at a
// time, up in the upper half of its client area and down in the lower half.
#pragma once

#include <windows.h>

extern HWND ScrollTarget;

constexpr UINT_PTR ScrollTimer = 15;

void StartScroll(HWND mainWindow, WPARAM wParam);
void OnScrollTimer(HWND mainWindow);
void EndScroll(HWND mainWindow);
