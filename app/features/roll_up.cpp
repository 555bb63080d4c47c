#include "features/roll_up.h"

#include "features/window_journal.h"
#include "hook/host_messages.h"

RolledWindowList RolledWindows;

// Room for two more records than it holds.
static bool Grow(RolledWindowList& list) {
    SIZE_T size = (list.count + 2) * sizeof(RolledWindow);
    void* grown = list.records ? HeapReAlloc(GetProcessHeap(), 0, list.records, size)
                               : HeapAlloc(GetProcessHeap(), 0, size);
    if (!grown) return false;
    list.records = static_cast<RolledWindow*>(grown);
    list.room = list.count + 2;
    return true;
}

void CreateRolledWindows() {
    FreeRolledWindows();
    Grow(RolledWindows);
}

void FreeRolledWindows() {
    if (RolledWindows.records) HeapFree(GetProcessHeap(), 0, RolledWindows.records);
    RolledWindows = {};
}

static void SetRegion(HWND window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

// SetWindowRgn waits for the window's thread: a hung program is left as it is.
bool UnrollWindow(HWND window) {
    if (!Answers(window)) return false;
    SetRegion(window, 2 * GetSystemMetrics(SM_CXSCREEN), 2 * GetSystemMetrics(SM_CYSCREEN));
    return true;
}

// One that does not answer keeps its record and its journal entry for the next try.
static bool Unroll(RolledWindow& record) {
    if (!UnrollWindow(record.window.handle)) return false;
    record.rolled = 0;
    ForgetRolledWindow(record.window.handle);
    return true;
}

// A window rolled up without its record could never be unrolled: room first.
static bool HaveRoom() {
    return RolledWindows.count < RolledWindows.room || Grow(RolledWindows);
}

static void Keep(HWND window) {
    RolledWindows.records[RolledWindows.count++] = {Remember(window), 1};
    Grow(RolledWindows);
}

void KeepRolledWindow(HWND window) {
    if (HaveRoom()) Keep(window);
}

void ToggleRollUp(HWND, UINT, WPARAM wParam, LPARAM) {
    HWND window = WindowFromMessageParam(wParam);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_DLGFRAME)) return;
    for (int i = 0; i < RolledWindows.count; ++i) {
        RolledWindow& record = RolledWindows.records[i];
        if (!SameWindow(record.window.handle, window) || record.rolled != 1) continue;
        // A record of a window that is gone says nothing about the one that has its handle now.
        if (!StillThere(record.window)) {
            record.rolled = 0;
            continue;
        }
        Unroll(record);
        return;
    }
    if (!HaveRoom() || !Answers(window)) return;
    int frame = GetSystemMetrics((style & WS_THICKFRAME) ? SM_CYFRAME : SM_CYDLGFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    // The top frame, the title bar and two more rows stay; size and position do not change.
    SetRegion(window, 2 * GetSystemMetrics(SM_CXSCREEN), caption + frame + 2);
    Keep(window);
    JournalWindowRolled(window);
}

bool UnrollAllWindows() {
    bool all = true;
    for (int i = 0; i < RolledWindows.count; ++i) {
        RolledWindow& record = RolledWindows.records[i];
        if (record.rolled == 1 && StillThere(record.window) && !Unroll(record)) all = false;
    }
    return all;
}
