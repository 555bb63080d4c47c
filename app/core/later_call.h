// Calls that only later systems have, found at run time: importing them would keep the host
// from loading on Windows 95 and NT 4.0.
#pragma once

#include <windows.h>

// Null where the system lacks the call; the module is one the host has loaded already.
template <typename Function>
Function LaterCall(const char* module, const char* name) {
    HMODULE loaded = GetModuleHandleA(module);
    return loaded
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)))
               : nullptr;
}

// Windows 95 and 98 (the high bit of GetVersion) keep to ANSI texts.
inline bool NtFamily() {
    return (GetVersion() & 0x80000000) == 0;
}
