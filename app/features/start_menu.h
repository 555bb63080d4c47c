// The Start menu under the cursor: the taskbar's own Start button is moved under the cursor,
// pressed there, and put back, one step per tick of timers 7, 8 and 9. Where the taskbar has no
// Start button, Ctrl+Esc opens the menu where the system puts it.
#pragma once

#include <windows.h>

extern RECT StartButtonRect;
extern POINT StartMenuPoint;

constexpr UINT_PTR StartMenuTimer = 7;
constexpr UINT_PTR PressStartTimer = 8;
constexpr UINT_PTR RestoreStartTimer = 9;

void StartMenuRequest(HWND mainWindow, WPARAM wParam);
void OnStartMenuTimer(HWND mainWindow, UINT_PTR id);
void MoveStartButtonToCursor(int x, int y);
void PressStartButton();
void RestoreStartButton();
