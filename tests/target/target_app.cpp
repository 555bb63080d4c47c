// A plain program for the tests to click at: a captioned window whose left half is bare client
// area and whose right half is a multi-line edit control. It records every mouse message it
// receives in shared memory.
//
//   q99target.exe NAME [X Y WIDTH HEIGHT [TEXT | lines:COUNT]]
#include "target_log.h"

#include <cstdlib>
#include <cstring>

static TargetLog* Log;
static WNDPROC EditProc;

static void Count(UINT message, WPARAM wParam) {
    TargetEvent event;
    switch (message) {
    case WM_NCMBUTTONDOWN: event = SawNcMButtonDown; break;
    case WM_MBUTTONDOWN: event = SawMButtonDown; break;
    case WM_MBUTTONUP: event = SawMButtonUp; break;
    case WM_NCMBUTTONUP: event = SawNcMButtonUp; break;
    case WM_LBUTTONDOWN: event = SawLButtonDown; break;
    case WM_NCLBUTTONDOWN: event = SawNcLButtonDown; break;
    case WM_RBUTTONDOWN: event = SawRButtonDown; break;
    case WM_NCRBUTTONDOWN: event = SawNcRButtonDown; break;
    case WM_MOUSEMOVE: event = SawMouseMove; break;
    case WM_NCMOUSEMOVE: event = SawNcMouseMove; break;
    case WM_VSCROLL:
        event = SawVScroll;
        Log->lastVScrollCode = LOWORD(wParam);
        break;
    case WM_COPY: event = SawCopy; break;
    case WM_MBUTTONDBLCLK: event = SawMButtonDblClk; break;
    case WM_NCMBUTTONDBLCLK: event = SawNcMButtonDblClk; break;
    default: return;
    }
    InterlockedIncrement(&Log->counts[event]);
}

static LRESULT CALLBACK EditWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Count(message, wParam);
    return CallWindowProcA(EditProc, window, message, wParam, lParam);
}

static LRESULT CALLBACK TargetWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Count(message, wParam);
    switch (message) {
    case WM_SETFOCUS:
        SetFocus(reinterpret_cast<HWND>(static_cast<LONG_PTR>(Log->editWindow)));
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// "lines:COUNT" fills the edit control with numbered lines, enough to scroll.
static const char* EditText(const char* text) {
    if (strncmp(text, "lines:", 6) != 0) return text;
    static char lines[32768];
    int count = atoi(text + 6), used = 0;
    for (int i = 1; i <= count && used < static_cast<int>(sizeof lines) - 32; ++i)
        used += wsprintfA(lines + used, "line %d\r\n", i);
    return lines;
}

static const char* Arg(int argc, char** argv, int i, const char* fallback) {
    return i < argc ? argv[i] : fallback;
}

int main(int argc, char** argv) {
    const char* name = Arg(argc, argv, 1, "default");
    int x = atoi(Arg(argc, argv, 2, "100")), y = atoi(Arg(argc, argv, 3, "100"));
    int width = atoi(Arg(argc, argv, 4, "480")), height = atoi(Arg(argc, argv, 5, "320"));
    const char* text = EditText(Arg(argc, argv, 6, ""));

    char mapping[128];
    TargetLogName(mapping, sizeof mapping, name);
    HANDLE shared = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(TargetLog), mapping);
    if (!shared) return 1;
    Log = static_cast<TargetLog*>(MapViewOfFile(shared, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!Log) return 1;
    ZeroMemory(const_cast<TargetLog*>(Log), sizeof *Log);

    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TargetWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = TargetClassName;
    RegisterClassA(&wc);

    char title[128];
    wsprintfA(title, "Quillet Target %.64s", name);
    HWND window = CreateWindowExA(0, TargetClassName, title, WS_OVERLAPPEDWINDOW, x, y, width,
                                  height, nullptr, nullptr, wc.hInstance, nullptr);
    RECT client;
    GetClientRect(window, &client);
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_NOHIDESEL,
                                client.right / 2, 0, client.right - client.right / 2, client.bottom,
                                window, nullptr, wc.hInstance, nullptr);
    EditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditWndProc)));
    Log->mainWindow = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
    Log->editWindow = static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(edit);
    InterlockedExchange(&Log->ready, 1);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
