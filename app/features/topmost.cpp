#include "features/topmost.h"

void ToggleTopmost(HWND window) {
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (exStyle & WS_EX_TOPMOST)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
