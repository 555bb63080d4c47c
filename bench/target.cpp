// The benchmark's target: a plain captioned window that counts the mouse messages the
// benchmark needs and notes when it is hidden and shown (see bench_shared.h).
//   q99bench_target.exe X Y WIDTH HEIGHT
#include "bench_shared.h"

#include <cstdlib>

static BenchTargetLog* Log;

static LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

static LRESULT CALLBACK TargetWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: InterlockedIncrement(&Log->moves); return 0;
    case WM_NCMOUSEMOVE: InterlockedIncrement(&Log->captionMoves); break;
    case WM_LBUTTONUP: InterlockedIncrement(&Log->leftUps); break;
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK: InterlockedIncrement(&Log->captionMiddleDowns); break;
    case WM_NCMBUTTONUP: InterlockedIncrement(&Log->captionMiddleUps); break;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (pos->flags & SWP_HIDEWINDOW) {
            Log->hiddenAt = Now();
            InterlockedIncrement(&Log->hides);
        }
        if (pos->flags & SWP_SHOWWINDOW) {
            Log->shownAt = Now();
            InterlockedIncrement(&Log->shows);
        }
        break;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    HANDLE shared = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(BenchTargetLog), BenchTargetLogName);
    if (!shared) return 1;
    Log = static_cast<BenchTargetLog*>(MapViewOfFile(shared, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!Log) return 1;
    ZeroMemory(const_cast<BenchTargetLog*>(Log), sizeof *Log);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = TargetWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "QuilletBenchTarget";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, BenchTargetTitle, WS_OVERLAPPEDWINDOW,
                                  atoi(argv[1]), atoi(argv[2]), atoi(argv[3]), atoi(argv[4]),
                                  nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    Log->window = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    InterlockedExchange(&Log->ready, 1);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
