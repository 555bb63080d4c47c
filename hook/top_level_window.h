// The window that owns a click: climb parents until a pop-up or the top of the chain.
// Used by the hook library inside other programs and by the host.
#pragma once

#include <windows.h>

inline bool HasPopupStyle(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_POPUP) != 0;
}

inline HWND TopLevelWindowOf(HWND window) {
    if (window == GetDesktopWindow()) return window;
    if (HasPopupStyle(window)) return window;
    HWND candidate = window;
    // Parent chains are short; the bound only guards against a chain that changes under us.
    for (int depth = 0; depth < 64; ++depth) {
        HWND parent = GetParent(candidate);
        if (!parent) return candidate;
        candidate = parent;
        if (HasPopupStyle(candidate)) return candidate;
    }
    return candidate;
}
