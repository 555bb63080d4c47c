#include "features/roll_up.h"

#include "features/window_journal.h"
#include "hook/host_messages.h"

RolledWindowList RolledWindows;

void CreateRolledWindows() {
    FreeRolledWindows();
    RolledWindows.room = 2;
    RolledWindows.records = static_cast<RolledWindow*>(
        HeapAlloc(GetProcessHeap(), 0, RolledWindows.room * sizeof(RolledWindow)));
    if (!RolledWindows.records) RolledWindows.room = 0;
}

void FreeRolledWindows() {
    if (RolledWindows.records) HeapFree(GetProcessHeap(), 0, RolledWindows.records);
    RolledWindows = {};
}

// After each append the list has room for two more.
static void Append(HWND window) {
    RolledWindowList& list = RolledWindows;
    if (list.count >= list.room) return;
    list.records[list.count++] = {window, 1};
    int room = list.count + 2;
    void* grown = list.records
                      ? HeapReAlloc(GetProcessHeap(), 0, list.records, room * sizeof(RolledWindow))
                      : nullptr;
    if (!grown) return;
    list.records = static_cast<RolledWindow*>(grown);
    list.room = room;
}

static void SetRegion(HWND window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void UnrollWindow(HWND window) {
    SetRegion(window, 2 * GetSystemMetrics(SM_CXSCREEN), 2 * GetSystemMetrics(SM_CYSCREEN));
}

static void Unroll(RolledWindow& record) {
    UnrollWindow(record.window);
    record.rolled = 0;
    ForgetRolledWindow(record.window);
}

void ToggleRollUp(HWND, UINT, WPARAM wParam, LPARAM) {
    HWND window = WindowFromMessageParam(wParam);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_DLGFRAME)) return;
    for (int i = 0; i < RolledWindows.count; ++i) {
        if (SameWindow(RolledWindows.records[i].window, window) &&
            RolledWindows.records[i].rolled == 1) {
            Unroll(RolledWindows.records[i]);
            return;
        }
    }
    int frame = GetSystemMetrics((style & WS_THICKFRAME) ? SM_CYFRAME : SM_CYDLGFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    // The top frame, the title bar and two more rows stay; size and position do not change.
    SetRegion(window, 2 * GetSystemMetrics(SM_CXSCREEN), caption + frame + 2);
    Append(window);
    JournalWindowRolled(window);
}

void UnrollAllWindows() {
    for (int i = 0; i < RolledWindows.count; ++i) {
        RolledWindow& record = RolledWindows.records[i];
        if (record.rolled == 1 && IsWindow(record.window)) Unroll(record);
    }
}
