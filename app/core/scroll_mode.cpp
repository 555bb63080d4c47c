#include "core/scroll_mode.h"

#include "features/foreign_window.h"
#include "hook/host_messages.h"

HWND ScrollTarget;

// The button that started scroll mode: the middle one, or the right one standing in for it.
// Mouse buttons are read as the hardware has them, and swapped buttons swap the right and left.
static int ScrollButton;
static bool ButtonDown(int key) {
    return GetAsyncKeyState(key) < 0;
}

// The desktop's own icon view is never scrolled.
static bool IsDesktopIconView(HWND window) {
    char parentClass[260];
    if (!GetClassNameA(GetParent(window), parentClass, sizeof parentClass)) return false;
    return (GetWindowLongA(window, GWL_STYLE) & 0x2000) != 0 &&
           lstrcmpA(parentClass, "SHELLDLL_DefView") == 0;
}

static void ScrollAtCursor(HWND target, bool copyFirst) {
    RECT client;
    POINT cursor;
    if (!GetClientRect(target, &client) || !GetCursorPos(&cursor)) return;
    ScreenToClient(target, &cursor);
    int half = (client.bottom - client.top) / 2;
    if (cursor.y == half) return;
    bool up = cursor.y < half;
    if (copyFirst) SendToWindow(target, WM_COPY, 0, 0);
    SendToWindow(target, WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, 0);
    char className[256];
    if (GetClassNameA(target, className, sizeof className) &&
        lstrcmpA(className, "Internet Explorer_Server") == 0)
        SendToWindow(target, WM_KEYDOWN, up ? VK_UP : VK_DOWN, 0);
}

void StartScroll(HWND mainWindow, WPARAM wParam) {
    ScrollTarget = WindowFromMessageParam(wParam);
    if (IsDesktopIconView(ScrollTarget)) return;
    ScrollButton = GetSystemMetrics(SM_SWAPBUTTON) ? VK_LBUTTON : VK_RBUTTON;
    if (ButtonDown(VK_MBUTTON) || !ButtonDown(ScrollButton)) ScrollButton = VK_MBUTTON;
    SetCapture(GetForegroundWindow());
    ScrollAtCursor(ScrollTarget, true);
    SetTimer(mainWindow, ScrollTimer, 100, nullptr);
}

void OnScrollTimer(HWND mainWindow) {
    // Released over a caption or a border, the button goes up where no hook reports it.
    if (!ButtonDown(ScrollButton)) {
        EndScroll(mainWindow);
        return;
    }
    ScrollAtCursor(ScrollTarget, false);
}

void EndScroll(HWND mainWindow) {
    KillTimer(mainWindow, ScrollTimer);
    ReleaseCapture();
}
