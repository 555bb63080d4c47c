#include "features/help_file.h"

void HelpFileName(const char* programPath, char* helpPath) {
    lstrcpynA(helpPath, programPath, MAX_PATH - 4);
    // Only a dot in the file name starts its extension: "C:\My.Tools\app" has none.
    char* extension = nullptr;
    for (char* c = helpPath; *c; c = CharNextA(c)) {
        if (*c == '.') extension = c;
        if (*c == '\\' || *c == '/') extension = nullptr;
    }
    if (!extension) extension = helpPath + lstrlenA(helpPath);
    lstrcpyA(extension, ".hlp");
}

void OpenHelpFile(HWND owner) {
    char program[MAX_PATH], help[MAX_PATH];
    program[GetModuleFileNameA(nullptr, program, MAX_PATH - 1)] = 0;
    HelpFileName(program, help);
    WinHelpA(owner, help, HELP_FINDER, 0);
}
