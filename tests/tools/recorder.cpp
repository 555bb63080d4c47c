// Stands in for a program or a document's associated program: records that it ran, from
// where and with what command line, in the file named by QUILLET_RECORD.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char file[MAX_PATH];
    if (!GetEnvironmentVariableA("QUILLET_RECORD", file, sizeof file)) return 1;
    char line[2 * MAX_PATH + 1024];
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    int length = wsprintfA(line, "%s|%.1000s\r\n", self, GetCommandLineA());
    HANDLE out = CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 1;
    DWORD written;
    WriteFile(out, line, length, &written, nullptr);
    CloseHandle(out);
    return 0;
}
