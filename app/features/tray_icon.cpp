#include "features/tray_icon.h"

#include "core/host.h"
#include "features/notify_icons.h"
#include "features/tray_menu.h"
#include "hook/host_messages.h"
#include "resources/resource_ids.h"
#include "settings_ui/settings_dialog.h"

NOTIFYICONDATAA TrayIconData;
int TrayIconShown;

void AddTrayIcon(HWND mainWindow) {
    TrayIconData = NotifyIconRecord(mainWindow, HostIconId);
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = UM_TRAY_ICON;
    TrayIconData.hIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_ACTIVE));
    lstrcpynA(TrayIconData.szTip, "Quillet 99 (Active)", sizeof TrayIconData.szTip);
    AddNotifyIcon(TrayIconData);
}

void DeleteTrayIcon(HWND mainWindow) {
    TrayIconData.hWnd = mainWindow;
    TrayIconData.uID = HostIconId;
    TrayIconData.uCallbackMessage = UM_TRAY_ICON;
    DeleteNotifyIcon(mainWindow, HostIconId);
}

void UpdateTrayIcon(HWND mainWindow, HICON icon, const char* tip) {
    TrayIconData.hWnd = mainWindow;
    TrayIconData.uID = HostIconId;
    TrayIconData.uFlags = NIF_ICON | NIF_TIP;
    TrayIconData.hIcon = icon;
    lstrcpynA(TrayIconData.szTip, tip, sizeof TrayIconData.szTip);
    ModifyNotifyIcon(TrayIconData);
}

void RefreshTrayIcon() {
    ModifyNotifyIcon(TrayIconData);
}

void AddTrayIconAgain() {
    if (TrayIconShown != 1) return;
    NOTIFYICONDATAA icon = TrayIconData;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    AddNotifyIconAgain(icon);
}

void OnTrayIcon(HWND mainWindow, LPARAM mouseMessage) {
    // An open settings dialog wins over both: it only comes to the front.
    if (mouseMessage == WM_LBUTTONDBLCLK || (mouseMessage == WM_RBUTTONDOWN && SettingsDialogOpen))
        OpenSettings(mainWindow);
    else if (mouseMessage == WM_RBUTTONDOWN)
        OpenTrayMenu(mainWindow);
}
