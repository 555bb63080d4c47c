// The Start menu under the cursor: the taskbar's own Start button is moved under the cursor,
// pressed there, and put back (timers 7, 8 and 9 space the steps).
#include "features_globals.h"
#include "foreign_window.h"

#include "core_globals.h"
#include "host_messages.h"
#include "top_level_window.h"

RECT StartButtonRect;
POINT StartMenuPoint;

void StartMenuRequest(HWND mainWindow, WPARAM wParam) {
    HWND clicked = WindowFromMessageParam(wParam);
    // A click on the taskbar itself is left alone.
    if (SameWindow(clicked, TaskbarWindow) || SameWindow(TopLevelWindowOf(clicked), TaskbarWindow))
        return;
    SetForegroundWindow(mainWindow);
    StartTimerOrShutdown(mainWindow, StartMenuTimer, 350);
}

static void MoveStartButtonTo(POINT screen) {
    ScreenToClient(TaskbarWindow, &screen);
    MoveWindow(StartButtonWindow, screen.x, screen.y, StartButtonRect.right - StartButtonRect.left,
               StartButtonRect.bottom - StartButtonRect.top, FALSE);
}

void MoveStartButtonToCursor(int x, int y) {
    GetWindowRect(StartButtonWindow, &StartButtonRect);
    MoveStartButtonTo({x, y - 20});
}

void PressStartButton() {
    ShowWindow(StartButtonWindow, SW_HIDE);
    SendToWindow(StartButtonWindow, WM_LBUTTONDOWN, 0, 0);
}

void RestoreStartButton() {
    SendToWindow(StartButtonWindow, WM_LBUTTONDOWN, 0, 0);
    MoveStartButtonTo({StartButtonRect.left, StartButtonRect.top});
    ShowWindow(StartButtonWindow, SW_SHOWNOACTIVATE);
}
