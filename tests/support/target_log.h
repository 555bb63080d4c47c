// What the target program saw, kept in shared memory so that a test in another process can
// read it. Window handles are stored as 32-bit values: that is all a handle carries.
#pragma once

#include <windows.h>

enum TargetEvent : int {
    SawNcMButtonDown,
    SawMButtonDown,
    SawMButtonUp,
    SawNcMButtonUp,
    SawLButtonDown,
    SawNcLButtonDown,
    SawRButtonDown,
    SawNcRButtonDown,
    SawMouseMove,
    SawNcMouseMove,
    SawVScroll,
    SawCopy,
    SawMButtonDblClk,
    SawNcMButtonDblClk,
    TargetEventCount
};

struct TargetLog {
    volatile LONG ready;
    volatile LONG mainWindow;
    volatile LONG editWindow;
    volatile LONG counts[TargetEventCount];
    volatile LONG lastVScrollCode;
};

// The shared memory's name for the target of that name (wsprintf knows no "*" precision).
inline void TargetLogName(char* buffer, size_t size, const char* name) {
    lstrcpynA(buffer, "QuilletTargetLog.", static_cast<int>(size));
    int used = lstrlenA(buffer);
    lstrcpynA(buffer + used, name, static_cast<int>(size) - used);
}

constexpr char TargetClassName[] = "QuilletTarget";
