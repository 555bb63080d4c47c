#include "features/notify_icons.h"

#include "core/later_call.h"

namespace {

using NotifyIconW = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);

NotifyIconW ShellNotifyIconW() {
    return NtFamily() ? LaterCall<NotifyIconW>("SHELL32.DLL", "Shell_NotifyIconW") : nullptr;
}

bool Notify(DWORD message, const NOTIFYICONDATAA& icon, const WCHAR* wideTip) {
    NotifyIconW notifyW = wideTip && wideTip[0] ? ShellNotifyIconW() : nullptr;
    if (!notifyW) {
        NOTIFYICONDATAA record = icon;
        return Shell_NotifyIconA(message, &record) != FALSE;
    }
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = icon.hWnd;
    record.uID = icon.uID;
    record.uFlags = icon.uFlags;
    record.uCallbackMessage = icon.uCallbackMessage;
    record.hIcon = icon.hIcon;
    for (int i = 0; i < 63 && wideTip[i]; ++i)
        record.szTip[i] = wideTip[i];
    return notifyW(message, &record) != FALSE;
}

} // namespace

bool UnicodeTips() {
    return ShellNotifyIconW() != nullptr;
}

NOTIFYICONDATAA NotifyIconRecord(HWND owner, UINT id) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = owner;
    icon.uID = id;
    return icon;
}

bool AddNotifyIcon(const NOTIFYICONDATAA& icon, const WCHAR* wideTip) {
    return Notify(NIM_ADD, icon, wideTip);
}

bool ModifyNotifyIcon(const NOTIFYICONDATAA& icon) {
    return Notify(NIM_MODIFY, icon, nullptr);
}

bool AddNotifyIconAgain(const NOTIFYICONDATAA& icon, const WCHAR* wideTip) {
    return Notify(NIM_ADD, icon, wideTip) || Notify(NIM_MODIFY, icon, wideTip);
}

void DeleteNotifyIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA record = NotifyIconRecord(owner, id);
    Shell_NotifyIconA(NIM_DELETE, &record);
}
