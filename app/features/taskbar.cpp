#include "features/taskbar.h"

HWND TaskbarWindow;
HWND StartButtonWindow;

extern "C" BOOL CALLBACK CheckWindows(HWND window, LPARAM) {
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) return TRUE;
    char className[30];
    if (!GetClassNameA(window, className, sizeof className)) return TRUE;
    if (lstrcmpiA(className, "Shell_TrayWnd") != 0) return TRUE;
    TaskbarWindow = window;
    return FALSE;
}

int IsAtClientOrigin(HWND window, HWND parent) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) return 0;
    POINT corner = {frame.left, frame.top};
    ScreenToClient(parent, &corner);
    return corner.x < 5 && corner.y < 5 ? 1 : 0;
}

void FindStartButton() {
    TaskbarWindow = nullptr;
    StartButtonWindow = nullptr;
    EnumWindows(CheckWindows, 0);
    if (!TaskbarWindow) return;
    for (HWND child = GetWindow(TaskbarWindow, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[30];
        if (GetClassNameA(child, className, sizeof className) &&
            lstrcmpiA(className, "Button") == 0 && IsAtClientOrigin(child, TaskbarWindow)) {
            StartButtonWindow = child;
            return;
        }
    }
}
