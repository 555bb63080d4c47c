// The windows this run has hidden in the tray or rolled up, kept in a volatile registry key
// while they are, so that the next start can give them back after a run that ended without
// doing so itself (a crash, or the process being killed).
#pragma once

#include <windows.h>

enum JournalKind : DWORD { JournalHidden = 1, JournalRolled = 2 };

// One value of the Journal key. The window's process and class make sure that a handle that
// names another window by now is left alone.
struct JournalRecord {
    DWORD kind;
    DWORD window;
    DWORD processId;
    DWORD iconId;
    char className[256];
};

void JournalWindowHidden(HWND mainWindow, HWND window, UINT iconId);
void JournalWindowRolled(HWND window);
void ForgetHiddenWindow(UINT iconId);
void ForgetRolledWindow(HWND window);

// At start-up, before anything else touches windows: gives back what a run that did not end
// cleanly left hidden or rolled up, and removes that run's icons.
void RecoverWindowJournal();
// At a clean end, once every window has been given back.
void ClearWindowJournal();
