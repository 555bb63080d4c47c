// The feature lists of the settings dialog and of "Customize this window".
#pragma once

#include <windows.h>

// Fills the two drop-down lists in code order, so that a list position is the feature code.
void AddFeatureNames(HWND dialog, int captionList, int bodyList);
