#include "features/notify_icons.h"

NOTIFYICONDATAA NotifyIconRecord(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = owner;
    icon.uID = id;
    return icon;
}

bool AddNotifyIcon(const NOTIFYICONDATAA& icon) {
    NOTIFYICONDATAA record = icon;
    return Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

bool ModifyNotifyIcon(const NOTIFYICONDATAA& icon) {
    NOTIFYICONDATAA record = icon;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool AddNotifyIconAgain(const NOTIFYICONDATAA& icon) {
    NOTIFYICONDATAA record = icon;
    return Shell_NotifyIconA(NIM_ADD, &record) || Shell_NotifyIconA(NIM_MODIFY, &record);
}

void DeleteNotifyIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA record = NotifyIconRecord(owner, id);
    Shell_NotifyIconA(NIM_DELETE, &record);
}
