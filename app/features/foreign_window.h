// Other programs' windows: calls on them that must not hang the host when such a program does,
// and what the host keeps to recognise a window later.
#pragma once

#include <windows.h>

// SendMessage that gives up on a hung window.
inline LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

// Whether the window's program takes messages now. Calls that wait for it, as SetWindowRgn on
// another program's window does, are made only then.
inline bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &result) != 0;
}

// Shows or hides without waiting for the window's owner to answer.
inline void ShowForeignWindow(HWND window, int command) {
    ShowWindowAsync(window, command);
}

// A window as the host took it over. Its handle alone may name another window later: once the
// window is gone, the system gives its handle's slot to a new one.
struct KnownWindow {
    HWND handle;
    DWORD processId;
    char className[256];
};
KnownWindow Remember(HWND window);
// Still the window that was remembered: alive, in the same process, of the same class.
bool StillThere(HWND window, DWORD processId, const char* className);
inline bool StillThere(const KnownWindow& known) {
    return StillThere(known.handle, known.processId, known.className);
}
