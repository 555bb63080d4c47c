// Fast Folders: a right press on the "?" button of a file dialog's caption, or Ctrl+Alt+F, pops up
// the favourite folders at the cursor, and the folder chosen is typed into the dialog's
// file-name box, its own child or nested as in the file dialogs of Windows 2000 and later.
#pragma once

#include <windows.h>

// The foreground window when the menu was asked for; the folder goes into its children.
extern HWND FastFoldersTarget;

// UM_FAST_FOLDERS: wParam holds the low 16 bits of the window whose button was pressed.
void ShowFoldersMenu(HWND mainWindow, WPARAM wParam, LPARAM lParam);
HMENU BuildFoldersMenu();
// Folder number 0 to 15, for the menu's commands.
void ApplyFolder(int number);
