// A library that imports SendInput, which Windows 95 and NT 4.0 lack: the import gate must
// refuse it.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

extern "C" __declspec(dllexport) UINT WINAPI PressNothing() {
    INPUT input = {};
    return SendInput(0, &input, sizeof input);
}
