// Application messages posted to the host's main window, and the feature codes that the hook
// library, the host's lists and the registry share.
#pragma once

#include <windows.h>

// Caption features: a middle click in a window's non-client area.
enum CaptionFeatureCode : int {
    CAPTION_START_MENU = 0,
    CAPTION_DOUBLE_CLICK = 1,
    CAPTION_ROLL_UP = 2,
    CAPTION_TRAY_WINDOW = 3,
    CAPTION_RUN_APPLICATION = 4,
    CAPTION_WINDOW_FEATURES = 5,
};

// Body features: a middle click inside a window's client area.
enum BodyFeatureCode : int {
    BODY_START_MENU = 0,
    BODY_DOUBLE_CLICK = 1,
    BODY_ROLL_UP = 2,
    BODY_TRAY_WINDOW = 3,
    BODY_RUN_APPLICATION = 4,
    BODY_SCROLL_WINDOW = 5,
    BODY_WINDOW_FEATURES = 6,
    BODY_COPY_PASTE = 7,
};

constexpr int CaptionFeatureCount = 6;
constexpr int BodyFeatureCount = 8;

// wParam carries the low 16 bits of a window handle; lParam the screen point, x low, y high.
constexpr UINT UM_START_MENU = WM_USER + 103;
constexpr UINT UM_ROLL_WINDOW = WM_USER + 104;
constexpr UINT UM_RUN_CAPTION_COMMAND = WM_USER + 105;
constexpr UINT UM_WINDOW_FEATURES_MENU = WM_USER + 106;
constexpr UINT UM_TRAY_WINDOW = WM_USER + 107;
constexpr UINT UM_RELOAD_SETTINGS = WM_USER + 108;
constexpr UINT UM_SCROLL_WINDOW = WM_USER + 109;
constexpr UINT UM_COPY_PASTE = WM_USER + 110;
constexpr UINT UM_RUN_BODY_COMMAND = WM_USER + 111;
constexpr UINT UM_TRAY_ICON = WM_USER + 200;
constexpr UINT UM_TRAYED_WINDOW_ICON = WM_USER + 300;
constexpr UINT UM_BUTTON_UP = WM_USER + 400;
constexpr UINT UM_INDICATOR = WM_USER + 500;
constexpr UINT UM_CUSTOMIZE_WINDOW = WM_USER + 600;
constexpr UINT UM_SETTINGS = WM_USER + 700;
constexpr UINT UM_FAST_FOLDERS = WM_USER + 880;

// The receiving side of the 16-bit handle convention.
inline HWND WindowFromMessageParam(WPARAM wParam) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(wParam & 0xFFFF));
}

// A handle from a message carries only its low 16 bits, which name the window as well as the
// full handle does: compare those.
inline bool SameWindow(HWND a, HWND b) {
    return ((reinterpret_cast<UINT_PTR>(a) ^ reinterpret_cast<UINT_PTR>(b)) & 0xFFFF) == 0;
}
