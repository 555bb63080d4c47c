#include "features/popup_menu.h"

void TrackMenuAtCursor(HMENU menu, HWND owner) {
    POINT cursor;
    GetCursorPos(&cursor);
    // A menu takes keys and closes on a click elsewhere only while its owner is the foreground
    // window.
    SetForegroundWindow(owner);
    TrackPopupMenuEx(menu, 0, cursor.x, cursor.y, owner, nullptr);
    // Lets a menu opened again at once track properly.
    PostMessageA(owner, WM_NULL, 0, 0);
}
