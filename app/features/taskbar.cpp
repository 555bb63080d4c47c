#include "taskbar.h"

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
