// A small command-line window prober for the scripts around the tests and the demo.
//
//   q99probe wait-taskbar MS                 wait for the shell's taskbar
//   q99probe wait-window CLASS TITLE MS      wait for a top-level window
//   q99probe caption-point TITLE             print X Y of a point on a window's caption
//   q99probe state TITLE                     print "visible", "hidden" or "missing"
//   q99probe tray-point PLACE                print X Y of a notification-area icon, counted
//                                            from the right end of the taskbar
//   q99probe menu-rect                       print LEFT TOP RIGHT BOTTOM of the open menus
//   q99probe close CLASS TITLE MS            post WM_CLOSE and wait for the window to go
//   q99probe keys KEY...                     type keys: a character, or a virtual-key code
//                                            such as 0x28 (Down); "^m" is Ctrl+Alt+M
//   q99probe hold                            stay running, so that the desktop stays up
//   q99probe window-rect CLASS TITLE         print LEFT TOP RIGHT BOTTOM of a top-level window
//                                            (an empty TITLE finds one without a title)
//   q99probe control-point TITLE ID          print X Y of the middle of a dialog's control
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static bool Wait(HWND (*find)(const char*, const char*), const char* cls, const char* title, int ms,
                 bool present) {
    for (int waited = 0;; waited += 20) {
        if ((find(cls, title) != nullptr) == present) return true;
        if (waited >= ms) return false;
        Sleep(20);
    }
}

static HWND FindA(const char* cls, const char* title) {
    return FindWindowA(cls, title);
}

// Through the system's input queue, as a keyboard would type them.
static void Key(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

static void Type(const char* name) {
    bool hotKey = name[0] == '^' && name[1];
    WORD key = !strncmp(name, "0x", 2) ? static_cast<WORD>(strtol(name, nullptr, 16))
                                       : LOBYTE(VkKeyScanA(name[hotKey]));
    if (hotKey) Key(VK_CONTROL, false), Key(VK_MENU, false);
    Key(key, false);
    Key(key, true);
    if (hotKey) Key(VK_MENU, true), Key(VK_CONTROL, true);
    Sleep(300);
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const char* command = argv[1];
    if (!strcmp(command, "wait-taskbar") && argc == 3)
        return Wait(FindA, "Shell_TrayWnd", nullptr, atoi(argv[2]), true) ? 0 : 1;
    if (!strcmp(command, "wait-window") && argc == 5)
        return Wait(FindA, argv[2], argv[3], atoi(argv[4]), true) ? 0 : 1;
    if (!strcmp(command, "caption-point") && argc == 3) {
        HWND window = FindWindowA(nullptr, argv[2]);
        RECT frame;
        if (!window || !GetWindowRect(window, &frame)) return 1;
        printf("%ld %ld\n", frame.left + (frame.right - frame.left) / 3,
               frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2);
        return 0;
    }
    if (!strcmp(command, "state") && argc == 3) {
        HWND window = FindWindowA(nullptr, argv[2]);
        puts(!window ? "missing" : IsWindowVisible(window) ? "visible" : "hidden");
        return 0;
    }
    if (!strcmp(command, "tray-point") && argc == 3) {
        RECT bar;
        if (!GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar)) return 1;
        int cell = GetSystemMetrics(SM_CXSMICON) + 4;
        printf("%ld %ld\n", bar.right - cell * atoi(argv[2]) - cell / 2,
               (bar.top + bar.bottom) / 2);
        return 0;
    }
    if (!strcmp(command, "menu-rect")) {
        RECT all = {}, r;
        for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
            if (IsWindowVisible(menu) && GetWindowRect(menu, &r)) UnionRect(&all, &all, &r);
        printf("%ld %ld %ld %ld\n", all.left, all.top, all.right, all.bottom);
        return IsRectEmpty(&all) ? 1 : 0;
    }
    if (!strcmp(command, "close") && argc == 5) {
        HWND window = FindWindowA(argv[2], argv[3]);
        if (!window) return 1;
        PostMessageA(window, WM_CLOSE, 0, 0);
        return Wait(FindA, argv[2], argv[3], atoi(argv[4]), false) ? 0 : 1;
    }
    if (!strcmp(command, "keys")) {
        for (int i = 2; i < argc; ++i)
            Type(argv[i]);
        return 0;
    }
    if (!strcmp(command, "window-rect") && argc == 4) {
        RECT r;
        if (!GetWindowRect(FindWindowA(argv[2], argv[3]), &r)) return 1;
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (!strcmp(command, "control-point") && argc == 4) {
        RECT r;
        if (!GetWindowRect(GetDlgItem(FindWindowA(nullptr, argv[2]), atoi(argv[3])), &r)) return 1;
        printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    if (!strcmp(command, "hold")) {
        // Wine closes a desktop whose last program has ended.
        CreateWindowA("STATIC", "Quillet desktop holder", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                      nullptr, nullptr);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        return 0;
    }
    return 2;
}
