// The comparison for the host's idle cost, memory and start-up: a bare Win32 program built like
// the host (static, no exceptions, stripped) with a hidden main window, a plain message loop and
// a 100 ms timer that does nothing, as the host's indicator timer does while nothing happens.
// It is also the floor of the host's menus and settings dialog: its own pop-up menu and modal
// dialog, opened from hot keys as the host opens its own (bench_shared.h).
#include <windows.h>

#include "bench_shared.h"

namespace {

constexpr int MenuHotKey = 1, DialogHotKey = 2;

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        EndDialog(dialog, LOWORD(wParam));
    return 0;
}

// Six items at the cursor, owned by the main window made the foreground window, then the window
// that was in front made so again: what the host does for its window-features menu.
void ShowMenu(HWND window) {
    HWND previous = GetForegroundWindow();
    HMENU menu = CreatePopupMenu();
    const char* const items[] = {"Start Menu",  "Tray Window", "Roll Window",
                                 "Nail Window", "Min. Window", "Close"};
    for (UINT i = 0; i < 6; ++i)
        AppendMenuA(menu, MF_STRING, 100 + i, items[i]);
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    TrackPopupMenuEx(menu, 0, cursor.x, cursor.y, window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (IsWindow(previous)) SetForegroundWindow(previous);
}

LRESULT CALLBACK BareWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: return 0;
    case WM_HOTKEY:
        if (wParam == MenuHotKey) ShowMenu(window);
        if (wParam == DialogHotKey)
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(BenchBareDialog), window,
                            BareDialogProc, 0);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool WithTimer = true, WithMenu = false, WithDialog = false;

// Each word of the command line names a library to load first, to see what it costs;
// "no-timer" leaves the timer out, "menu" and "dialog" register their hot keys.
void ReadCommandLine(char* line) {
    for (char* word = line; *word;) {
        char* end = word;
        while (*end && *end != ' ')
            ++end;
        char kept = *end;
        *end = 0;
        if (lstrcmpA(word, "no-timer") == 0)
            WithTimer = false;
        else if (lstrcmpA(word, "menu") == 0)
            WithMenu = true;
        else if (lstrcmpA(word, "dialog") == 0)
            WithDialog = true;
        else if (end > word)
            LoadLibraryA(word);
        *end = kept;
        word = kept ? end + 1 : end;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR line, int) {
    ReadCommandLine(line);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BareWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = "QuilletBenchBare";
    if (!RegisterClassA(&wc)) return 1;
    HWND window =
        CreateWindowExA(0, wc.lpszClassName, "Quillet Bench Bare", WS_OVERLAPPEDWINDOW, 200, 100,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (WithTimer) SetTimer(window, 17, 100, nullptr);
    if (WithMenu) RegisterHotKey(window, MenuHotKey, MOD_CONTROL | MOD_ALT, 'B');
    if (WithDialog) RegisterHotKey(window, DialogHotKey, MOD_CONTROL | MOD_ALT, 'D');
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
