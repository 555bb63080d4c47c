// A library that imports SendInput, which Windows 95 and NT 4.0 lack, for the import gate to
// refuse. It is only read, never loaded.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return SendInput(0, nullptr, sizeof(INPUT)) == 0;
}
