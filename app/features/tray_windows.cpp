#include "features/tray_windows.h"

#include "core/later_call.h"
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

void Release(TrayedWindow& slot) {
    DeleteNotifyIcon(slot.icon.hWnd, slot.icon.uID);
    ForgetHiddenWindow(slot.icon.uID);
    FreeSlot(slot);
}

// A window whose handle names another window by now is left as it is.
void GiveBack(TrayedWindow& slot) {
    if (StillThere(slot.window)) {
        ShowForeignWindow(slot.window.handle, SW_SHOW);
        SetForegroundWindow(slot.window.handle);
    }
    Release(slot);
}

// On the NT family a title outside the ANSI code page would read as question marks.
void ReadWideTitle(HWND window, WCHAR (&tip)[64]) {
    using WindowTextW = int(WINAPI*)(HWND, LPWSTR, int);
    auto text = UnicodeTips() ? LaterCall<WindowTextW>("USER32.DLL", "GetWindowTextW") : nullptr;
    tip[0] = 0;
    if (text) text(window, tip, 64);
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
    ReadWideTitle(window, slot.wideTip);
    slot.window = Remember(window);
    slot.seenHidden = false;

    ShowForeignWindow(window, SW_HIDE);
    // Without its icon the window would be lost to the user.
    if (!AddNotifyIcon(slot.icon, slot.wideTip)) {
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
        if (!there || !AddNotifyIconAgain(slot.icon, slot.wideTip)) GiveBack(slot);
    }
}

void ReleaseTrayedWindowsShownAgain() {
    for (TrayedWindow& slot : TrayedWindows) {
        if (slot.icon.uID == 0) continue;
        // Until the hide takes effect the window is still visible: that is not showing again.
        // Shown again (or its handle taken over by a stranger), the icon stands for nothing.
        if (!IsWindowVisible(slot.window.handle))
            slot.seenHidden = true;
        else if (slot.seenHidden)
            Release(slot);
    }
}

void RestoreAllTrayedWindows() {
    for (TrayedWindow& slot : TrayedWindows)
        if (slot.icon.uID != 0) GiveBack(slot);
}
