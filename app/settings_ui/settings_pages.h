// The settings dialog's pages: the picture strip that chooses one, the four pages laid out in
// pixels, and the feature-settings panels of pages 1 and 2. What is shown is the only state.
#pragma once

#include <windows.h>

// WM_LBUTTONDOWN, WM_LBUTTONUP and WM_MOUSEMOVE anywhere in the dialog.
void NavigatorPress(HWND dialog);
void NavigatorRelease(HWND dialog);
void NavigatorHover(HWND dialog);

void ShowCaptionPage(HWND dialog);
void ShowBodyPage(HWND dialog);
void ShowGeneralPage(HWND dialog);
void ShowCustomizedPage(HWND dialog);
void HideCaptionPage(HWND dialog);
void HideBodyPage(HWND dialog);
void HideGeneralPage(HWND dialog);
void HideCustomizedPage(HWND dialog);

// The panel of this feature code (-1 or any code without one: none).
void ShowCaptionFeatureSettings(HWND dialog, LRESULT code);
void ShowBodyFeatureSettings(HWND dialog, LRESULT code);
