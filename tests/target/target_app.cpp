// The program the tests click at: a window titled "Quillet Target NAME" whose left half is bare
// client area and whose right half is a multi-line edit control. It counts the mouse messages
// it receives and answers WM_APP + n with the count of the n-th message of Watched.
//
//   q99target.exe NAME X Y WIDTH HEIGHT ICONS TEXT
// ICONS "class" gives its window class the program's icon, "set" gives it to the window with
// WM_SETICON, "none" neither. TEXT "lines:N" fills the edit control with N numbered lines.
// A copy under another name stands in for any program or a document's associated program: it
// appends its path and command line to the file named by QUILLET_RECORD, and ends.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "target/watched.h"

static LONG Counts[WatchedCount];
static WNDPROC EditProc;
static HWND Edit;

static LRESULT Count(UINT message) {
    for (int i = 0; i < WatchedCount; ++i)
        Counts[i] += Watched[i] == message;
    return message >= WM_APP && message < WM_APP + WatchedCount ? Counts[message - WM_APP] : -1;
}

static LRESULT CALLBACK EditWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Count(message);
    return CallWindowProcA(EditProc, window, message, wParam, lParam);
}

static LRESULT CALLBACK TargetWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT count = Count(message);
    if (count >= 0) return count;
    if (message == WM_DESTROY) PostQuitMessage(0);
    if (message == WM_SETFOCUS) SetFocus(Edit); // Ctrl+C and Ctrl+V go to the edit control
    return DefWindowProcA(window, message, wParam, lParam);
}

static int Record() {
    char file[MAX_PATH], self[MAX_PATH], line[2 * MAX_PATH + 1024];
    GetModuleFileNameA(nullptr, self, sizeof self);
    DWORD length = wsprintfA(line, "%s|%.1000s\r\n", self, GetCommandLineA()), written;
    GetEnvironmentVariableA("QUILLET_RECORD", file, sizeof file);
    HANDLE out = CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, 0, nullptr);
    WriteFile(out, line, length, &written, nullptr);
    return CloseHandle(out) ? 0 : 1;
}

int main(int argc, char** argv) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (!strstr(self, "q99target.exe") || argc < 8) return Record();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    WNDCLASSA wc = {0,
                    TargetWndProc,
                    0,
                    0,
                    instance,
                    nullptr,
                    LoadCursorA(nullptr, IDC_ARROW),
                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                    nullptr,
                    "QuilletTarget"};
    wc.hIcon = strcmp(argv[6], "class") == 0 ? icon : nullptr;
    RegisterClassA(&wc);
    static char text[32768], title[128];
    strncpy(text, argv[7], sizeof text - 1);
    for (int i = 1, used = 0; !strncmp(argv[7], "lines:", 6) && i <= atoi(argv[7] + 6); ++i)
        used += wsprintfA(text + used, "line %d\r\n", i);
    wsprintfA(title, "Quillet Target %.64s", argv[1]);
    HWND window = CreateWindowA("QuilletTarget", title, WS_OVERLAPPEDWINDOW, atoi(argv[2]),
                                atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), 0, 0, instance, 0);
    if (strcmp(argv[6], "set") == 0) SendMessageA(window, WM_SETICON, ICON_BIG, LPARAM(icon));
    RECT client;
    GetClientRect(window, &client);
    Edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text,
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_NOHIDESEL,
                           client.right / 2, 0, client.right / 2, client.bottom, window, 0, 0, 0);
    EditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditWndProc)));
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
