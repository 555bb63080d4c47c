// The features indicator: a small always-on-top face of a window whose caption and body show
// the features a middle click has right now, with an arrow panel that folds out to move it.
#pragma once

#include <windows.h>

extern HWND IndicatorWindow;

// Ten times a second: the features of the foreground application, or the global ones.
constexpr UINT_PTR IndicatorTimer = 17;

// Created hidden and topmost at the stored position; the host then refreshes and shows it.
void CreateIndicator(HWND owner);
// Shown or hidden as the settings say, and refreshed with the global features.
void ShowIndicatorBySettings();
// Stores where the face stands, folded, and destroys the window.
void DestroyIndicator();

// Exactly the picture of each code is shown; a code outside its list shows none.
void ShowFeatures(LONG captionFeature, LONG bodyFeature);
void OnIndicatorTimer();
