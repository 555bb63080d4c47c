// What the benchmark's target program reports, in shared memory that the driver maps: mouse
// messages counted and the moments its window was hidden and shown, on the performance
// counter, which every process of the desktop reads alike.
#pragma once

#include <windows.h>

struct BenchTargetLog {
    volatile LONG ready;
    volatile LONG window;             // a window handle's 32 bits
    volatile LONG moves;              // WM_MOUSEMOVE
    volatile LONG captionMoves;       // WM_NCMOUSEMOVE
    volatile LONG captionMiddleDowns; // WM_NCMBUTTONDOWN and WM_NCMBUTTONDBLCLK
    volatile LONG captionMiddleUps;   // WM_NCMBUTTONUP
    volatile LONG leftUps;            // WM_LBUTTONUP
    // Each moment is written before its count goes up.
    volatile LONGLONG hiddenAt, shownAt;
    volatile LONG hides, shows;
};

constexpr char BenchTargetLogName[] = "QuilletBenchTargetLog";
constexpr char BenchTargetTitle[] = "Quillet Bench Target";
// The do-nothing low-level hook program: the driver switches its hook on and off with these
// events and ends it with the stop event; it answers each with the ready event.
constexpr char BenchLowLevelOnName[] = "QuilletBenchLowLevelOn";
constexpr char BenchLowLevelOffName[] = "QuilletBenchLowLevelOff";
constexpr char BenchLowLevelStopName[] = "QuilletBenchLowLevelStop";
constexpr char BenchLowLevelReadyName[] = "QuilletBenchLowLevelReady";

// The mouse-move sender: it signals ready, then sends `count` moves and a click each time the
// driver signals go, until the driver signals stop.
struct BenchMoverOrder {
    volatile LONG count;
};
constexpr char BenchMoverOrderName[] = "QuilletBenchMoverOrder";
constexpr char BenchMoverReadyName[] = "QuilletBenchMoverReady";
constexpr char BenchMoverGoName[] = "QuilletBenchMoverGo";
constexpr char BenchMoverStopName[] = "QuilletBenchMoverStop";

// The bare program's own pop-up menu and modal dialog, the floors of the host's: with the word
// "menu" on its command line it opens a menu of six items at the cursor on Ctrl+Alt+B, with
// "dialog" a modal dialog as large as the settings dialog on Ctrl+Alt+D.
constexpr char BenchBareDialogTitle[] = "Quillet Bench Bare Dialog";
constexpr int BenchBareDialog = 1;

// The host's start-up, step by step, as q99bench_host_steps.exe notes it on the performance
// counter: the host's own entry point and main window, with a moment noted between each step.
struct BenchHostSteps {
    volatile LONG ready; // 1 once the hook is installed and every moment is noted
    LONGLONG entry, createBegin, createEnd, windowDone, firstTick, tickDone;
    // Steps of the start-up made again once it is over, each on its own.
    LONGLONG findStartButton, applySettings, trayIconAdd, dialogs;
};
constexpr char BenchHostStepsName[] = "QuilletBenchHostSteps";
