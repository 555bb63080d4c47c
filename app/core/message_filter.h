// Windows Vista and later refuse an elevated program the posts of programs that run with less:
// the hook library's inside every program, the shell's. The host lets its own through.
#pragma once

#include <windows.h>

void AllowMessagesFromOtherPrograms(HWND mainWindow, UINT taskbarCreated);
