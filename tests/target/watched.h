// The messages the target program counts, in the order of its WM_APP + n answers.
#pragma once

#include <windows.h>

enum TargetEvent : int {
    SawNcMButtonDown,
    SawMButtonDown,
    SawMButtonUp,
    SawLButtonDown,
    SawNcRButtonDown,
    SawMouseMove,
    SawVScroll,
    SawCopy,
    WatchedCount
};
constexpr UINT Watched[WatchedCount] = {WM_NCMBUTTONDOWN, WM_MBUTTONDOWN,   WM_MBUTTONUP,
                                        WM_LBUTTONDOWN,   WM_NCRBUTTONDOWN, WM_MOUSEMOVE,
                                        WM_VSCROLL,       WM_COPY};
