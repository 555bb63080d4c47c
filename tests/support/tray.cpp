#include "tray.h"

#include <shellapi.h>

static NOTIFYICONDATAA IconRecord(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = owner;
    icon.uID = id;
    return icon;
}

bool TrayIconPresent(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = IconRecord(owner, id);
    return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

bool AddTrayIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = IconRecord(owner, id);
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    return Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;
}

void DeleteTrayIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = IconRecord(owner, id);
    Shell_NotifyIconA(NIM_DELETE, &icon);
}

POINT TrayIconPoint(int place) {
    RECT taskbar = {};
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
    // Each icon takes a small icon's width and a border of two pixels on either side.
    const int cell = GetSystemMetrics(SM_CXSMICON) + 4;
    return {taskbar.right - cell * place - cell / 2, (taskbar.top + taskbar.bottom) / 2};
}

POINT HitTestPoint(HWND window, LRESULT code) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) return {-1, -1};
    for (LONG y = frame.top; y < frame.top + 40 && y < frame.bottom; y += 2)
        for (LONG x = frame.right - 1; x >= frame.left; x -= 2)
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code) return {x, y};
    return {-1, -1};
}
