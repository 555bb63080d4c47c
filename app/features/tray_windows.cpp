#include "features/tray_windows.h"

#include "features/foreign_window.h"
#include "features/notify_icons.h"
#include "features/taskbar.h"
#include "features/window_journal.h"
#include "hook/host_messages.h"
#include "hook/top_level_window.h"

std::array<TrayedWindow, TraySlotCount> TrayedWindows;

namespace {

// The window's own small or large icon, its class's, or the exclamation mark.
HICON IconOf(HWND window) {
    if (auto icon = reinterpret_cast<HICON>(SendToWindow(window, WM_GETICON, ICON_SMALL, 0)))
        return icon;
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM))) return icon;
    if (auto icon = reinterpret_cast<HICON>(SendToWindow(window, WM_GETICON, ICON_BIG, 0)))
        return icon;
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON))) return icon;
    return LoadIconA(nullptr, IDI_EXCLAMATION);
}

void FreeSlot(TrayedWindow& slot) {
    slot.window = nullptr;
    slot.icon.uID = 0;
}

// The window comes first: the user is waiting for it, not for the icon to go.
void GiveBack(TrayedWindow& slot) {
    ShowForeignWindow(slot.window, SW_SHOW);
    SetForegroundWindow(slot.window);
    DeleteNotifyIcon(slot.icon.hWnd, slot.icon.uID);
    ForgetHiddenWindow(slot.icon.uID);
    FreeSlot(slot);
}

} // namespace

void SendWindowToTray(HWND mainWindow, UINT, WPARAM wParam, LPARAM) {
    HWND window = WindowFromMessageParam(wParam);
    if (SameWindow(window, TaskbarWindow) || SameWindow(TopLevelWindowOf(window), TaskbarWindow))
        return;
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_DLGFRAME)) return;
    int number = 0;
    while (number < TraySlotCount && TrayedWindows[number].icon.uID != 0)
        ++number;
    if (number == TraySlotCount) return;

    TrayedWindow& slot = TrayedWindows[number];
    slot.icon = NotifyIconRecord(mainWindow, FirstTrayedIconId + number);
    slot.icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    slot.icon.uCallbackMessage = UM_TRAYED_WINDOW_ICON;
    slot.icon.hIcon = IconOf(window);
    GetWindowTextA(window, slot.icon.szTip, 64);
    slot.window = window;

    ShowForeignWindow(window, SW_HIDE);
    // Without its icon the window would be lost to the user.
    if (!AddNotifyIcon(slot.icon)) {
        ShowForeignWindow(window, SW_SHOW);
        FreeSlot(slot);
        return;
    }
    JournalWindowHidden(mainWindow, window, slot.icon.uID);
}

void RestoreTrayedWindow(WPARAM wParam, LPARAM lParam) {
    if (static_cast<UINT>(lParam) != WM_LBUTTONDOWN) return;
    UINT id = LOWORD(wParam);
    if (id < FirstTrayedIconId || id >= FirstTrayedIconId + TraySlotCount) return;
    TrayedWindow& slot = TrayedWindows[id - FirstTrayedIconId];
    if (slot.icon.uID != id) return;
    GiveBack(slot);
}

void AddTrayedWindowIconsAgain() {
    for (TrayedWindow& slot : TrayedWindows) {
        if (slot.icon.uID == 0) continue;
        AddNotifyIconAgain(slot.icon);
    }
}

void RestoreAllTrayedWindows() {
    for (TrayedWindow& slot : TrayedWindows)
        if (slot.icon.uID != 0) GiveBack(slot);
}
