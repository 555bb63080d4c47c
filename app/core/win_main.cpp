// Program entry: one copy only, a hidden main window and a plain message loop.
#include "core_globals.h"

#include <commctrl.h>

HINSTANCE AppInstance;
HWND MainWindow;

static bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "QUILLET96");
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENUTEXT + 1);
    wc.lpszClassName = MainClassName;
    return RegisterClassA(&wc) != 0;
}

static bool CreateMainWindow(HINSTANCE instance) {
    AppInstance = instance;
    // WM_CREATE runs inside this call and sets MainWindow.
    HWND window =
        CreateWindowExA(0, MainClassName, MainWindowTitle, WS_OVERLAPPEDWINDOW, 200, 100,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return false;
    MainWindow = window;
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);
    return true;
}

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
