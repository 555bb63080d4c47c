// "Customize this window": the caption and body features of the foreground window's
// application, stored under its window class.
#pragma once

#include <windows.h>

extern HWND CustomizeWindowDialog;

// Created hidden; UM_CUSTOMIZE_WINDOW shows it.
void CreateCustomizeWindowDialog(HWND owner);
void DestroyCustomizeWindowDialog();
// The dialog over the foreground window, when that window has a caption.
void ShowCustomize();
