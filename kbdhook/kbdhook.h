// KBDHOOK.DLL: types a short key string into the window that has the keyboard focus.
#pragma once

#include <windows.h>

#ifdef KBDHOOK_BUILD
#define KBDHOOK_API extern "C"
#else
#define KBDHOOK_API extern "C" __declspec(dllimport)
#endif

// Ordinal 2. "^", "+" and "%" hold Ctrl, Shift and Alt down while the next key is pressed
// ("^c" is Ctrl+C); every other character is typed as itself. Returns once the keys are
// queued, with the number of key events queued.
KBDHOOK_API int WINAPI SendKeys(const char* keys);
