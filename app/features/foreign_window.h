// Calls on other programs' windows that must not hang the host when such a program does.
#pragma once

#include <windows.h>

// SendMessage that gives up on a hung window.
inline LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

// Shows or hides without waiting for the window's owner to answer.
inline void ShowForeignWindow(HWND window, int command) {
    ShowWindowAsync(window, command);
}
