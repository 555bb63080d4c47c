// Program entry: one copy only, a hidden main window and a plain message loop.
#include "core_globals.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
    if (FindWindowA(MainClassName, MainWindowTitle)) return 0;
    if (!previous && !RegisterMainClass(instance)) return 0;
    if (!CreateMainWindow(instance)) return 0;
    InitCommonControls();

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
