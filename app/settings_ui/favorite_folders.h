// The "Favorite folders" dialog: the folders that Fast Folders offers.
#pragma once

#include <windows.h>

// Modal over its owner; it stores its changes as they are made.
void OpenFavoriteFolders(HWND owner);
