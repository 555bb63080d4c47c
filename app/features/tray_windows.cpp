#include "features/tray_windows.h"

#include "features/foreign_window.h"
#include "features/notify_icons.h"
#include "features/taskbar.h"
#include "features/window_icon.h"
#include "features/window_journal.h"
#include "hook/host_messages.h"
#include "hook/top_level_window.h"

std::array<TrayedWindow, TraySlotCount> TrayedWindows;

namespace {

void SetIcon(TrayedWindow& slot, HICON icon, bool owned) {
    if (slot.ownIcon) DestroyIcon(slot.icon.hIcon);
    slot.icon.hIcon = icon;
    slot.ownIcon = owned;
}

void FreeSlot(TrayedWindow& slot) {
    SetIcon(slot, nullptr, false);
    slot.window = {};
    slot.icon.uID = 0;
}

// A window whose handle names another window by now is left as it is.
void GiveBack(TrayedWindow& slot) {
    DeleteNotifyIcon(slot.icon.hWnd, slot.icon.uID);
    if (StillThere(slot.window)) {
        ShowForeignWindow(slot.window.handle, SW_SHOW);
        SetForegroundWindow(slot.window.handle);
    }
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
    slot.icon.hIcon = WindowIcon(window, slot.ownIcon);
    GetWindowTextA(window, slot.icon.szTip, 64);
    slot.window = Remember(window);

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
        // The stored icon may have gone with the shell or its program: ask the window again.
        bool there = StillThere(slot.window), owned = false;
        if (there) SetIcon(slot, WindowIcon(slot.window.handle, owned), owned);
        // A hidden window without an icon is lost to the user.
        if (!there || !AddNotifyIconAgain(slot.icon)) GiveBack(slot);
    }
}

void RestoreAllTrayedWindows() {
    for (TrayedWindow& slot : TrayedWindows)
        if (slot.icon.uID != 0) GiveBack(slot);
}
