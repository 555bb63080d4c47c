// Windows sent to the notification area: each hidden behind a tray icon of its own until a
// left press on the icon brings it back.
#include "features_globals.h"
#include "foreign_window.h"

#include "host_messages.h"
#include "top_level_window.h"
#include "window_journal.h"

#include <shellapi.h>

std::array<TrayedWindow, TraySlotCount> TrayedWindows;

namespace {

NOTIFYICONDATAA IconRecord(HWND mainWindow, UINT id) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = mainWindow;
    icon.uID = id;
    return icon;
}

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
    NOTIFYICONDATAA icon = IconRecord(slot.icon.hWnd, slot.icon.uID);
    Shell_NotifyIconA(NIM_DELETE, &icon);
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
    slot.icon = IconRecord(mainWindow, FirstTrayedIconId + number);
    slot.icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    slot.icon.uCallbackMessage = UM_TRAYED_WINDOW_ICON;
    slot.icon.hIcon = IconOf(window);
    GetWindowTextA(window, slot.icon.szTip, 64);
    slot.window = window;

    ShowForeignWindow(window, SW_HIDE);
    // Without its icon the window would be lost to the user.
    if (!Shell_NotifyIconA(NIM_ADD, &slot.icon)) {
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
        // A shell that kept the icon takes it as a change instead.
        if (!Shell_NotifyIconA(NIM_ADD, &slot.icon)) Shell_NotifyIconA(NIM_MODIFY, &slot.icon);
    }
}

void RestoreAllTrayedWindows() {
    for (TrayedWindow& slot : TrayedWindows)
        if (slot.icon.uID != 0) GiveBack(slot);
}
