// Sends batches of mouse moves for the throughput benchmark, from a process of its own.
//   q99bench_mover.exe AX AY BX BY
// Each time the driver signals go: the ordered count of absolute moves alternating between A
// and B, then a left click, each with SendInput (bench_shared.h). The driver starts it without
// DISPLAY: in a process with a display connection, Wine's SendInput also grabs and warps the X
// pointer on every move, round trips to the X server that would dwarf what is measured.
#include "bench_shared.h"

#include <cstdlib>

static INPUT MoveTo(int x, int y) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + width - 1) / width;
    input.mi.dy = (y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    INPUT a = MoveTo(atoi(argv[1]), atoi(argv[2])), b = MoveTo(atoi(argv[3]), atoi(argv[4]));
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, BenchMoverOrderName);
    auto* order =
        mapping
            ? static_cast<const BenchMoverOrder*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0))
            : nullptr;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, BenchMoverReadyName);
    HANDLE events[2] = {OpenEventA(SYNCHRONIZE, FALSE, BenchMoverStopName),
                        OpenEventA(SYNCHRONIZE, FALSE, BenchMoverGoName)};
    if (!order || !ready || !events[0] || !events[1]) return 1;
    SetEvent(ready);
    while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        for (LONG i = 0; i < order->count; ++i)
            SendInput(1, i % 2 ? &a : &b, sizeof(INPUT));
        SendInput(2, click, sizeof(INPUT));
    }
    return 0;
}
