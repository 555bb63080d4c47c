// The common controls (list views, image lists) are loaded by the first dialog that needs them,
// not at start-up, so that a host that never opens one pays nothing for them.
#pragma once

#include <windows.h>

// Loads comctl32 and registers its window classes, once; the library, or null without it.
HMODULE EnsureCommonControls();

// A function of the loaded library, null when it is missing.
template <typename Function>
Function* CommonControlsFunction(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(EnsureCommonControls(), name)));
}
