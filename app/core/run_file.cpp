#include "core/run_file.h"

#include "config/settings.h"

#include <shellapi.h>

static bool NamesExistingFile(const char* text) {
    DWORD attributes = GetFileAttributesA(text);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RunFile(const char* command) {
    if (!command[0]) return;
    // Unquoted, "C:\Program Files\App\app.exe" would start "C:\Program.exe" if there is one.
    char quoted[CommandSize + 2];
    const char* line = command;
    bool existingFile = NamesExistingFile(command);
    if (existingFile && command[0] != '"') {
        wsprintfA(quoted, "\"%s\"", command);
        line = quoted;
    }
    UINT result = WinExec(line, SW_SHOWNORMAL);
    // WinExec cannot start a document: the NT family answers ERROR_BAD_FORMAT for one.
    bool shellCanOpen = result == 0 || result == ERROR_FILE_NOT_FOUND ||
                        result == ERROR_ACCESS_DENIED ||
                        (result == ERROR_BAD_FORMAT && existingFile);
    if (shellCanOpen) ShellExecuteA(nullptr, nullptr, command, nullptr, nullptr, SW_SHOWNORMAL);
}
