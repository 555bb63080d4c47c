// The "Favorite folders" dialog: the list of favourite folders, with a folder browser to add one
// and a button to remove the selected one. Its changes are stored as they are made.
#pragma once

#include <windows.h>

INT_PTR CALLBACK FavoriteFoldersDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the dialog modally over the owner.
void OpenFavoriteFolders(HWND owner);
