// The program the tests click at: a window titled "Quillet Target NAME" whose left half is bare
// client area and whose right half is a multi-line edit control. It counts the messages it
// receives, and answers WM_APP with the count of the message in wParam. After
// WM_APP + 1 it answers nothing any more. WM_APP + 2 opens a file dialog, whose current folder
// becomes the window's title.
//
//   q99target.exe NAME ICONS
// ICONS "class" gives its window class the program's icon, "none" does not.
// A copy under another name stands in for any program or a document's associated program: it
// appends its path and command line to the file named by QUILLET_RECORD, and ends.
#include <windows.h>
#include <commdlg.h>

#include <cstring>

static LONG Counts[WM_USER];
static WNDPROC FileDialogProc;

// Wine's file dialog has no "?" button (it draws none for WS_EX_CONTEXTHELP), and its file-name
// box is an "Edit" inside a combo box. As on Windows 95, the caption left of the close box
// answers as the "?" button and the box becomes the dialog's own child; the folder it shows
// becomes the title of its owner.
static LRESULT CALLBACK FileDialogFrame(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = CallWindowProcA(FileDialogProc, box, message, wParam, lParam);
    RECT r;
    bool help = message == WM_NCHITTEST && hit == HTCAPTION && GetWindowRect(box, &r) &&
                short(LOWORD(lParam)) > r.right - 2 * GetSystemMetrics(SM_CXSIZE);
    return help ? HTHELP : hit;
}

static UINT_PTR CALLBACK FileDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    char folder[MAX_PATH];
    HWND box = GetParent(dialog), name = FindWindowExA(GetDlgItem(box, 1148), 0, 0, 0);
    UINT code = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code : 0;
    if (code == CDN_FOLDERCHANGE && CommDlg_OpenSave_GetFolderPath(box, folder, MAX_PATH) > 0)
        SetWindowTextA(GetParent(box), folder);
    if (code != CDN_INITDONE) return 0;
    FileDialogProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FileDialogFrame)));
    return SetParent(FindWindowExA(name, 0, "Edit", 0), box), 0;
}

static LRESULT CALLBACK TargetWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Counts[message % WM_USER] += message < WM_USER;
    if (message == WM_APP) return Counts[wParam % WM_USER];
    if (message == WM_APP + 1) Sleep(INFINITE); // a program that hangs
    if (message == WM_APP + 2) {
        char file[MAX_PATH] = "";
        OPENFILENAMEA open = {};
        open.lStructSize = sizeof open, open.hwndOwner = window, open.lpstrFile = file;
        open.nMaxFile = MAX_PATH, open.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
        open.lpfnHook = FileDialogHook;
        GetOpenFileNameA(&open);
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    // Ctrl+C and Ctrl+V go to the edit control.
    if (message == WM_SETFOCUS) SetFocus(FindWindowExA(window, nullptr, "Edit", nullptr));
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv) {
    char self[MAX_PATH], file[MAX_PATH], text[1100];
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (!strstr(self, "q99target.exe") || argc < 3) {
        DWORD length = wsprintfA(text, "%s|%.1000s\r\n", self, GetCommandLineA()), written;
        GetEnvironmentVariableA("QUILLET_RECORD", file, sizeof file);
        HANDLE out = CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_ALWAYS, 0, nullptr);
        return WriteFile(out, text, length, &written, nullptr) && CloseHandle(out) ? 0 : 1;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TargetWndProc, wc.hInstance = instance, wc.lpszClassName = "QuilletTarget";
    wc.hIcon = strcmp(argv[2], "class") ? nullptr : icon, wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    wsprintfA(text, "Quillet Target %.64s", argv[1]);
    HWND window = CreateWindowA("QuilletTarget", text, WS_OVERLAPPEDWINDOW, 150, 100, 500, 400,
                                nullptr, nullptr, instance, nullptr);
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_NOHIDESEL, 242, 0, 242,
                    362, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    for (MSG msg; GetMessageA(&msg, nullptr, 0, 0) > 0; DispatchMessageA(&msg))
        TranslateMessage(&msg);
}
