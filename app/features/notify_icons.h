// The notification area. Every icon this program shows there, its own and those of the windows
// it hides, is added and removed through here.
#pragma once

#include <windows.h>
#include <shellapi.h>

// The host's own icon, and the first of the icons of hidden windows.
constexpr UINT HostIconId = 42;
constexpr UINT FirstTrayedIconId = 555;

// An icon's record in its 88-byte form, which every shell since Windows 95 reads.
NOTIFYICONDATAA NotifyIconRecord(HWND owner, UINT id);
// Whether the shell takes tips in Unicode: the NT family's does.
bool UnicodeTips();
// False when the shell refuses the icon. A wide tip, where given and UnicodeTips(), stands for
// the record's own.
bool AddNotifyIcon(const NOTIFYICONDATAA& icon, const WCHAR* wideTip = nullptr);
bool ModifyNotifyIcon(const NOTIFYICONDATAA& icon);
// After the shell started again: added, or changed where the shell kept it.
bool AddNotifyIconAgain(const NOTIFYICONDATAA& icon, const WCHAR* wideTip = nullptr);
void DeleteNotifyIcon(HWND owner, UINT id);
