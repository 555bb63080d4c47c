// The floor of a WH_MOUSE hook: a library built as the hook library is, whose hook procedure
// only passes every message on. The benchmark installs it as the host installs its own: the
// library loaded, the procedure looked up by name, SetWindowsHookExA for every thread.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

extern "C" LRESULT CALLBACK PassThroughHook(int code, WPARAM message, LPARAM event) {
    return CallNextHookEx(nullptr, code, message, event);
}
