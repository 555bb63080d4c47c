// The help file lies beside the host under its name: Quillet99.exe's is Quillet99.hlp.
#pragma once

#include <windows.h>

// The program's path with the extension of its file name replaced by ".hlp" (appended when
// the name has none). The buffer holds MAX_PATH characters.
void HelpFileName(const char* programPath, char* helpPath);
void OpenHelpFile(HWND owner);
