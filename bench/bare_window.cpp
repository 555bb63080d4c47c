// The comparison for the host's idle cost and memory: a bare Win32 program built like the
// host (static, no exceptions, stripped) with a hidden main window, a plain message loop and
// a 100 ms timer that does nothing, as the host's indicator timer does while nothing happens.
#include <windows.h>

static LRESULT CALLBACK BareWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

static bool WithTimer = true;

// Each word of the command line names a library to load first, to see what it costs;
// "no-timer" leaves the timer out.
static void ReadCommandLine(char* line) {
    for (char* word = line; *word;) {
        char* end = word;
        while (*end && *end != ' ')
            ++end;
        char kept = *end;
        *end = 0;
        if (lstrcmpA(word, "no-timer") == 0)
            WithTimer = false;
        else if (end > word)
            LoadLibraryA(word);
        *end = kept;
        word = kept ? end + 1 : end;
    }
}

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
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
