// State of the hook library: the shared record and this process's own words.
#pragma once

#include "hook/quillet99hook.h"

extern HookSharedRecord HookShared;

// Per process: each program that maps the library has its own copy.
extern LONG startMenuPending;
extern const MOUSEHOOKSTRUCT* currentEvent;
extern char classUnderCursor[20];

// The shared record can change under us at any moment: read each word once, whole.
inline LONG ReadShared(const LONG& word) {
    return *static_cast<const volatile LONG*>(&word);
}

template <typename Handle>
inline Handle ReadSharedHandle(const Handle& word) {
    return *static_cast<const volatile Handle*>(&word);
}
