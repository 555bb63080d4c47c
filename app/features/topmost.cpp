#include "features/topmost.h"

// Asynchronous: another program's window is moved by its own thread, which may hang.
void ToggleTopmost(HWND window) {
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS;
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
    if (exStyle & WS_EX_TOPMOST) SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}
