// Start-up: from creating the host's process to the first middle click on a target's caption
// that the hook swallows, with clicks a few milliseconds apart from the start. Quiet features:
// the swallowed clicks have no visible effect. For comparison, the bare window program is
// started under the same clicks, alone and loading the libraries that the host imports. The
// floor of the first swallowed click is the bare program's window plus the 100 ms of the host's
// install timer. Then the host's own steps, from q99bench_host_steps.exe (host_steps.cpp).
#include "bench.h"

#include <cstdio>

namespace {

constexpr DWORD ClickGapMs = 5;
constexpr double InstallTimerMs = 100; // timer 1, which installs the hook
constexpr double MarginMs = 20;

// A middle click at this point, the press and the release placed there by SendInput itself,
// so that the display pulling the cursor back cannot move them.
void MiddleClickAt(POINT pt) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (pt.x * 65536 + width - 1) / width;
        input.mi.dy = (pt.y * 65536 + height - 1) / height;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MIDDLEDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MIDDLEUP;
    SendInput(2, inputs, sizeof inputs[0]);
}

struct StartUp {
    double window = -1, hook = -1, swallowed = -1; // milliseconds after CreateProcess
};

// Starts a program and clicks the target's caption until the program's window is there and,
// when `hook` is given, until a click is swallowed.
bool MeasureOnce(BenchTarget& target, const std::string& commandLine, const char* windowClass,
                 const HookLibrary* hook, StartUp& result) {
    const BenchTargetLog& log = target.Log();
    if (!target.TakesMouseAt(target.CaptionPoint())) return false;
    Child program;
    double start = Seconds();
    if (!program.Start(commandLine)) return false;
    for (int click = 0; Seconds() - start < 10; ++click) {
        HWND window = FindWindowA(windowClass, nullptr);
        if (result.window < 0 && window) result.window = 1000 * (Seconds() - start);
        if (!hook && window) break;
        if (hook && result.hook < 0 && window && hook->shared->hookProc &&
            hook->shared->hostWindow == window)
            result.hook = 1000 * (Seconds() - start);
        LONG presses = log.captionMiddleDowns, releases = log.captionMiddleUps;
        double pressed = Seconds();
        // Alternate points: two presses at one point would make a double click.
        MiddleClickAt(target.CaptionPoint(click % 2 ? 24 : 0));
        // The release always reaches the target; the press only while there is no hook.
        if (!PollUntil([&] { return log.captionMiddleUps != releases; }, 2)) return false;
        if (hook && log.captionMiddleDowns == presses) {
            result.swallowed = 1000 * (pressed - start);
            // Installed within the last click, if this program did not see it earlier.
            if (result.hook < 0) result.hook = result.swallowed;
            break;
        }
        Sleep(ClickGapMs);
    }
    if (HWND window = FindWindowA(windowClass, nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    program.Wait(5000);
    return result.window >= 0 && (!hook || result.swallowed >= 0);
}

// One start of the host's steps program, the moments of its steps kept.
bool MeasureSteps(BenchHostSteps& steps, LONGLONG& created) {
    Child program;
    created = Counter();
    if (!program.Start("\"" + BinPath("q99bench_host_steps.exe") + "\"")) return false;
    SharedView view;
    auto* record = static_cast<BenchHostSteps*>(view.Open(BenchHostStepsName, FILE_MAP_READ));
    if (record) steps = *record;
    if (HWND window = FindWindowA("Quillet99", nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    program.Wait(5000);
    return record != nullptr;
}

// The host's start-up step by step, in milliseconds: medians over the repetitions.
bool ReportSteps(Report& report) {
    std::vector<double> loading, window, create, timer, tick, start, apply, icon, dialogs;
    for (int rep = 0; rep < Repeats; ++rep) {
        BenchHostSteps s = {};
        LONGLONG created = 0;
        if (!MeasureSteps(s, created)) return false;
        loading.push_back(Ms(created, s.entry));
        window.push_back(Ms(s.entry, s.createBegin));
        create.push_back(Ms(s.createBegin, s.createEnd));
        timer.push_back(Ms(s.createEnd, s.firstTick));
        tick.push_back(Ms(s.firstTick, s.tickDone));
        start.push_back(1000 * SecondsOf(s.findStartButton));
        apply.push_back(1000 * SecondsOf(s.applySettings));
        icon.push_back(1000 * SecondsOf(s.trayIconAdd));
        dialogs.push_back(1000 * SecondsOf(s.dialogs));
    }
    report.Add("host_step_process_to_entry", Median(loading), "ms").note =
        "the loader: the host's image and the libraries it imports";
    report.Add("host_step_entry_to_wm_create", Median(window), "ms");
    report.Add("host_step_wm_create", Median(create), "ms");
    report.Add("host_step_wm_create_to_first_tick", Median(timer), "ms").note =
        "timer 1 is started inside WM_CREATE, 100 ms";
    report.Add("host_step_first_tick", Median(tick), "ms").note =
        "finding the Start button and installing the hook";
    report.Add("host_step_again_find_start_button", Median(start), "ms");
    report.Add("host_step_again_apply_settings", Median(apply), "ms");
    report.Add("host_step_again_tray_icon_add", Median(icon), "ms");
    report.Add("host_step_again_hidden_dialogs", Median(dialogs), "ms");
    return true;
}

} // namespace

bool MeasureStartUp(Report& report) {
    UseQuietFeatures();
    BenchTarget target;
    HookLibrary hook;
    if (!target.Start() || !hook.module) {
        printf("start-up: the target did not start\n");
        return false;
    }
    const std::string bare = "\"" + BinPath("q99bench_bare.exe") + "\"";
    std::vector<double> bareWindow, librariesWindow, window, installed, swallowed;
    for (int rep = 0; rep < Repeats; ++rep) {
        StartUp host, alone, libraries;
        if (!MeasureOnce(target, bare, "QuilletBenchBare", nullptr, alone) ||
            !MeasureOnce(target, bare + " " + HostLibraries, "QuilletBenchBare", nullptr,
                         libraries) ||
            !MeasureOnce(target, "\"" + BinPath("Quillet99.exe") + "\"", "Quillet99", &hook,
                         host)) {
            printf("start-up: a program did not start, or no click was swallowed within 10 s\n");
            return false;
        }
        bareWindow.push_back(alone.window);
        librariesWindow.push_back(libraries.window);
        window.push_back(host.window);
        installed.push_back(host.hook);
        swallowed.push_back(host.swallowed);
        printf("  start-up %d: window %.0f ms, hook %.0f ms, first swallowed click %.0f ms;"
               " bare program's window %.0f ms, with the host's libraries %.0f ms\n",
               rep + 1, host.window, host.hook, host.swallowed, alone.window, libraries.window);
    }
    Figure& floor = report.Add("bare_startup_to_window", Median(bareWindow), "ms");
    report.Add("bare_with_host_libraries_startup_to_window", Median(librariesWindow), "ms");
    report.Add("startup_to_main_window", Median(window), "ms");
    report.Add("startup_to_hook_installed", Median(installed), "ms");
    Figure& first = report.Add("startup_to_first_swallowed_click", Median(swallowed), "ms");
    Report::WithinOfFloor(first, floor.value + InstallTimerMs, MarginMs);
    if (!ReportSteps(report)) {
        printf("start-up: the host's steps program did not install its hook\n");
        return false;
    }
    return true;
}
