// The owner-drawn window-features menu: six operations on the window that was in the foreground
// when the menu was asked for, shown at the cursor.
#pragma once

#include <windows.h>

extern HWND FeaturesMenuTarget;
// The items' font, made once with the main window.
extern HFONT MenuFont;

void CreateMenuFont();
void ShowWindowFeaturesMenu(HWND mainWindow);
HMENU BuildWindowFeaturesMenu();
LRESULT MeasureWindowFeaturesItem(MEASUREITEMSTRUCT* item);
LRESULT DrawWindowFeaturesItem(DRAWITEMSTRUCT* item);
BOOL DrawMaskedBitmap(HDC dc, POINT at, HBITMAP image, HBITMAP mask);
// The chosen item's operation.
void RunWindowFeature(HWND mainWindow, UINT id);
