#include "features/foreign_window.h"

KnownWindow Remember(HWND window) {
    KnownWindow known = {window, 0, {}};
    GetWindowThreadProcessId(window, &known.processId);
    GetClassNameA(window, known.className, sizeof known.className);
    return known;
}

bool StillThere(HWND window, DWORD processId, const char* className) {
    DWORD process = 0;
    char name[sizeof KnownWindow::className];
    return IsWindow(window) && GetWindowThreadProcessId(window, &process) && process == processId &&
           GetClassNameA(window, name, sizeof name) && lstrcmpA(name, className) == 0;
}
