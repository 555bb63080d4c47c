// Program entry: one copy only, a hidden main window and a plain message loop.
#include "core/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
    if (FindWindowA(MainClassName, MainWindowTitle)) return 0;
    if (!previous && !RegisterMainClass(instance)) return 0;
    // The common controls are initialised where the first one is used, not here: loading
    // their library at start-up would cost the resident host more memory than all of its own.
    if (!CreateMainWindow(instance)) return 0;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
