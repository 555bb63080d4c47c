// The benchmark driver's common parts: the clock, statistics, the figures it reports, and the
// target program it measures against.
#pragma once

#include <windows.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "bench_shared.h"
#include "support/harness.h"

// Repetitions of each measurement; every figure is the median over them.
extern int Repeats;

// The performance counter, in seconds and in milliseconds.
double SecondsOf(LONGLONG counter);
LONGLONG Counter();
double Seconds();
double Ms(LONGLONG from, LONGLONG to); // between two readings of Counter()

// Polls until `done` holds, sleeping a millisecond between looks: a spinning poller would take
// one of the machine's few cores from the programs it watches.
template <typename Done>
bool PollUntil(Done done, double timeoutSeconds = 5) {
    double end = Seconds() + timeoutSeconds;
    while (!done()) {
        if (Seconds() > end) return false;
        Sleep(1);
    }
    return true;
}

// Ctrl+Alt held, then this key; the milliseconds from the key going down until `shown` holds.
template <typename Shown>
bool TimeChord(WORD key, Shown shown, std::vector<double>& times) {
    HeldKey control(VK_CONTROL), alt(VK_MENU);
    LONGLONG start = Counter();
    SendInputOf(INPUT_KEYBOARD, 0, {}, key);
    SendInputOf(INPUT_KEYBOARD, KEYEVENTF_KEYUP, {}, key);
    if (!PollUntil(shown)) return false;
    times.push_back(Ms(start, Counter()));
    return true;
}

double Median(std::vector<double> values);
// The nearest-rank percentile, 0 < p <= 100.
double Percentile(std::vector<double> values, double p);
// "quartiles A to B of N", for the note of a figure made of noisy repetitions.
std::string Quartiles(const std::vector<double>& values);

struct Figure {
    std::string name;
    double value = 0;
    std::string unit;
    std::string target; // as "< 10", ">= 0.95" or "floor + 5"; empty when there is none
    // What the platform itself costs for the same thing, measured in the same run; NaN without.
    double floor = NAN;
    int met = -1; // -1 without a target
    // A ratio names the two raw figures it divides.
    std::string numerator, denominator;
    double numeratorValue = 0, denominatorValue = 0;
    std::string note;
};

class Report {
  public:
    Figure& Add(const std::string& name, double value, const std::string& unit);
    // A comparison: `value` is the median of the ratios of paired repetitions; the two raw
    // figures are the medians of each side.
    Figure& AddRatio(const std::string& name, const Figure& numerator, const Figure& denominator,
                     double value);
    // Sets the target and whether the figure meets it.
    static void Below(Figure& figure, double limit);
    static void AtLeast(Figure& figure, double limit);
    static void Above(Figure& figure, double limit);
    // Sets the floor beside the figure and, with a margin, the target: at most floor + margin.
    static void Floor(Figure& figure, double floor);
    static void WithinOfFloor(Figure& figure, double floor, double margin);
    void Print() const;
    bool WriteJson(const std::string& path) const;

  private:
    std::deque<Figure> figures_; // references to figures stay valid
};

// The shared memory a benchmark program creates to report to the driver: waited for, mapped
// and released. Its first word is set to 1 once the program is ready.
class SharedView {
  public:
    SharedView() = default;
    ~SharedView() { Close(); }
    SharedView(const SharedView&) = delete;
    SharedView& operator=(const SharedView&) = delete;
    void* Open(const char* name, DWORD access, DWORD timeoutMs = 10000);
    void Close();

  private:
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};

// q99bench_target.exe, the window that the mouse-move and click benchmarks aim at.
class BenchTarget {
  public:
    BenchTarget() = default;
    BenchTarget(const BenchTarget&) = delete;
    BenchTarget& operator=(const BenchTarget&) = delete;
    ~BenchTarget() { Close(); }

    bool Start(RECT frame = {200, 150, 680, 470});
    void Close();
    HWND Window() const;
    const BenchTargetLog& Log() const { return *log_; }
    // A caption point, moved right by `shift` pixels; a client point off its centre.
    POINT CaptionPoint(int shift = 0) const;
    POINT ClientPoint(int dx = 0, int dy = 0) const;
    // Moves the cursor to a point of the window and waits until the move reaches it: under Wine
    // a window just shown can miss mouse input for a moment.
    bool TakesMouseAt(POINT pt);

  private:
    Child process_;
    SharedView view_;
    BenchTargetLog* log_ = nullptr;
};

// The loaded hook library's exports, called as the host calls them.
#define HOOK_EXPORT(library, name) ((library).Get<decltype(name)>(#name))

// The screen point of the notification area's icon at this place, counted from the right end
// of the taskbar, where the shell puts the first.
POINT TrayIconPoint(int place);

// A press and release of one button where the cursor is, in one SendInput call.
void SendClick(Button button);

// The libraries the host imports beyond the bare program's, for q99bench_bare.exe to load (the
// common controls and dialogs are loaded where they are first used).
constexpr char HostLibraries[] = "shell32.dll advapi32.dll gdi32.dll";

// The bare program with these words on its command line, once its window is there; and closed
// again as the host is, with WM_CLOSE.
bool StartBare(Child& bare, const std::string& words = "");
void CloseBare(Child& bare);

// Removes the host's settings, so that its next start is a first run with default features.
void UseFirstRunSettings();
// Features with no visible effect, running an empty command, in a registry of an earlier run.
void UseQuietFeatures();

struct Memory {
    double privateBytes = 0, workingSet = 0; // KiB
};
Memory MemoryOf(HANDLE process);

// The sections of the benchmark; false when one could not measure.
bool MeasureMouseMoves(Report& report);
bool MeasureFeatureClicks(Report& report);
bool MeasureHostCosts(Report& report);
bool MeasureStartUp(Report& report);
bool MeasureSizes(Report& report, const std::string& binDir);
bool MeasureMenus(Report& report);
bool MeasureRuntime(Report& report);
bool MeasureSettingsDialog(Report& report);
