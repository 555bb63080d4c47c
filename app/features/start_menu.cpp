#include "features/start_menu.h"

#include "core/timers.h"
#include "features/foreign_window.h"
#include "features/taskbar.h"
#include "hook/host_messages.h"
#include "hook/top_level_window.h"

RECT StartButtonRect;
POINT StartMenuPoint;

static void Key(BYTE key, DWORD flags) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), flags, 0);
}

static void TypeControlEscape() {
    Key(VK_CONTROL, 0), Key(VK_ESCAPE, 0);
    Key(VK_ESCAPE, KEYEVENTF_KEYUP), Key(VK_CONTROL, KEYEVENTF_KEYUP);
}

void StartMenuRequest(HWND mainWindow, WPARAM wParam) {
    HWND clicked = WindowFromMessageParam(wParam);
    // A click on the taskbar itself is left alone.
    if (SameWindow(clicked, TaskbarWindow) || SameWindow(TopLevelWindowOf(clicked), TaskbarWindow))
        return;
    // From Windows Vista on the taskbar has no Start button to move: the keyboard's way.
    if (!StartButtonWindow) {
        TypeControlEscape();
        return;
    }
    SetForegroundWindow(mainWindow);
    StartTimerOrShutdown(mainWindow, StartMenuTimer, 350);
}

// The shell's button is moved and shown by the shell's thread, which may hang.
static void MoveStartButtonTo(POINT screen) {
    ScreenToClient(TaskbarWindow, &screen);
    SetWindowPos(StartButtonWindow, nullptr, screen.x, screen.y,
                 StartButtonRect.right - StartButtonRect.left,
                 StartButtonRect.bottom - StartButtonRect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_ASYNCWINDOWPOS);
}

void MoveStartButtonToCursor(int x, int y) {
    GetWindowRect(StartButtonWindow, &StartButtonRect);
    MoveStartButtonTo({x, y - 20});
}

void PressStartButton() {
    ShowForeignWindow(StartButtonWindow, SW_HIDE);
    SendToWindow(StartButtonWindow, WM_LBUTTONDOWN, 0, 0);
}

void RestoreStartButton() {
    SendToWindow(StartButtonWindow, WM_LBUTTONDOWN, 0, 0);
    MoveStartButtonTo({StartButtonRect.left, StartButtonRect.top});
    ShowForeignWindow(StartButtonWindow, SW_SHOWNOACTIVATE);
}

void OnStartMenuTimer(HWND mainWindow, UINT_PTR id) {
    if (!StopOneShot(mainWindow, id)) return;
    switch (id) {
    case StartMenuTimer:
        SetCapture(mainWindow);
        GetCursorPos(&StartMenuPoint);
        MoveStartButtonToCursor(StartMenuPoint.x, StartMenuPoint.y);
        StartTimerOrShutdown(mainWindow, PressStartTimer, 100);
        break;
    case PressStartTimer:
        PressStartButton();
        StartTimerOrShutdown(mainWindow, RestoreStartTimer, 100);
        break;
    default:
        RestoreStartButton();
        // Kept, the capture would take every later click on the desktop to the hidden window.
        ReleaseCapture();
        break;
    }
}
