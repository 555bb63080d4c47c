// Mouse-move throughput through a target program's message loop: with no hook, with our
// WH_MOUSE hook (the hook library's InstallMouseHook, called here as the host calls it), with
// the floor of such a hook (a library whose WH_MOUSE procedure only passes every message on,
// installed the same way), and with a do-nothing WH_MOUSE_LL hook in another process. The
// machine is shared and noisy, so the four take turns in many short rounds and each comparison
// is the median of the ratios within a round.
#include "bench.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "unix_process.h"

namespace {

constexpr int BatchMoves = 800;
constexpr int WarmUpMoves = 50;

enum HookKind { NoHook, OurHook, PassThroughHook, LowLevelHook, HookKinds };
const char* const KindNames[HookKinds] = {"none", "ours", "pass_through", "low_level"};

// The pass-through hook library, loaded and installed as InstallMouseHook does with ours.
class PassThrough {
  public:
    PassThrough() : module_(LoadLibraryA(BinPath("Q99PASSHOOK.DLL").c_str())) {}
    PassThrough(const PassThrough&) = delete;
    PassThrough& operator=(const PassThrough&) = delete;
    ~PassThrough() {
        Set(false);
        if (module_) FreeLibrary(module_);
    }
    bool Loaded() const { return module_ != nullptr; }
    bool Set(bool on) {
        if (!on) {
            bool removed = !hook_ || UnhookWindowsHookEx(hook_);
            hook_ = nullptr;
            return removed;
        }
        auto proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(module_, "PassThroughHook")));
        hook_ = proc ? SetWindowsHookExA(WH_MOUSE, proc, module_, 0) : nullptr;
        return hook_ != nullptr;
    }

  private:
    HMODULE module_;
    HHOOK hook_ = nullptr;
};

HANDLE NewEvent(const char* name, BOOL manualReset) {
    HANDLE event = CreateEventA(nullptr, manualReset, FALSE, name);
    ResetEvent(event);
    return event;
}

// A helper program of this benchmark, ended by its stop event.
class Helper {
  public:
    explicit Helper(const char* stopName) : stop_(NewEvent(stopName, TRUE)) {}
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    ~Helper() {
        SetEvent(stop_);
        if (info_.hProcess) {
            if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
                TerminateProcess(info_.hProcess, 1);
            CloseHandle(info_.hProcess);
            CloseHandle(info_.hThread);
        }
        CloseHandle(stop_);
    }

    // Without DISPLAY in its environment, a Wine program has no X connection.
    bool Start(const std::string& commandLine, bool withDisplay) {
        std::string environment;
        char* strings = GetEnvironmentStringsA();
        for (const char* entry = strings; *entry; entry += lstrlenA(entry) + 1)
            if (withDisplay || _strnicmp(entry, "DISPLAY=", 8) != 0)
                environment.append(entry).push_back(0);
        environment.push_back(0);
        FreeEnvironmentStringsA(strings);
        std::string line = commandLine;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, &environment[0],
                              nullptr, &startup, &info_) != 0;
    }

  private:
    HANDLE stop_;
    PROCESS_INFORMATION info_ = {};
};

// Switches one hook configuration on and off.
class Hooks {
  public:
    Hooks()
        : lowLevel_(BenchLowLevelStopName), on_(NewEvent(BenchLowLevelOnName, FALSE)),
          off_(NewEvent(BenchLowLevelOffName, FALSE)),
          ready_(NewEvent(BenchLowLevelReadyName, FALSE)) {}
    ~Hooks() {
        if (window_) DestroyWindow(window_);
        CloseHandle(on_);
        CloseHandle(off_);
        CloseHandle(ready_);
    }

    bool Start() {
        window_ =
            CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        return window_ && ours_.module && passThrough_.Loaded() &&
               lowLevel_.Start("\"" + BinPath("q99bench_llhook.exe") + "\"", true) &&
               WaitForSingleObject(ready_, 10000) == WAIT_OBJECT_0;
    }

    bool Set(HookKind kind, bool on) {
        if (kind == OurHook)
            return on ? HOOK_EXPORT(ours_, InstallMouseHook)(window_) != nullptr
                      : HOOK_EXPORT(ours_, UninstallMouseHook)();
        if (kind == PassThroughHook) return passThrough_.Set(on);
        if (kind == LowLevelHook) {
            SetEvent(on ? on_ : off_);
            return WaitForSingleObject(ready_, 10000) == WAIT_OBJECT_0;
        }
        return true;
    }

  private:
    HookLibrary ours_;
    PassThrough passThrough_;
    HWND window_ = nullptr;
    Helper lowLevel_;
    HANDLE on_, off_, ready_;
};

// The sender of the moves (see mover.cpp).
class Mover {
  public:
    Mover()
        : process_(BenchMoverStopName), go_(NewEvent(BenchMoverGoName, FALSE)),
          ready_(NewEvent(BenchMoverReadyName, FALSE)),
          mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(BenchMoverOrder), BenchMoverOrderName)),
          order_(static_cast<BenchMoverOrder*>(
              MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0))) {}
    ~Mover() {
        if (order_) UnmapViewOfFile(order_);
        CloseHandle(mapping_);
        CloseHandle(go_);
        CloseHandle(ready_);
    }

    bool Start(POINT a, POINT b) {
        char command[512];
        wsprintfA(command, "\"%s\" %ld %ld %ld %ld", BinPath("q99bench_mover.exe").c_str(), a.x,
                  a.y, b.x, b.y);
        return order_ && process_.Start(command, false) &&
               WaitForSingleObject(ready_, 10000) == WAIT_OBJECT_0;
    }

    void Send(int count) {
        order_->count = count;
        SetEvent(go_);
    }

  private:
    Helper process_;
    HANDLE go_, ready_, mapping_;
    BenchMoverOrder* order_;
};

struct Batch {
    double movesPerSecond = 0;
    LONG messages = 0;        // WM_MOUSEMOVE the target took: Wine merges queued moves
    double cpuPerMessage = 0; // the target's CPU time per message, in microseconds
};

// `count` moves, then a left click: input is taken from the queue in order, so when the target
// has the click it has had every move. Throughput is the moves over the time from the go to
// the click's release reaching the target.
bool SendBatch(const BenchTarget& target, DWORD targetPid, Mover& mover, int count, Batch& batch) {
    const BenchTargetLog& log = target.Log();
    LONG clicks = log.leftUps, moves = log.moves;
    double cpu = UnixCpuSeconds(targetPid);
    double start = Seconds();
    mover.Send(count);
    if (!PollUntil([&] { return log.leftUps != clicks; }, 30)) return false;
    batch.movesPerSecond = count / (Seconds() - start);
    batch.messages = log.moves - moves;
    batch.cpuPerMessage = 1e6 * (UnixCpuSeconds(targetPid) - cpu) / batch.messages;
    return true;
}

bool Fail(const char* what) {
    printf("mouse moves: %s\n", what);
    return false;
}

} // namespace

bool MeasureMouseMoves(Report& report) {
    BenchTarget target;
    DWORD targetPid = 0;
    if (!target.Start() || !(targetPid = UnixPidOf(BinPath("q99bench_target.exe"))))
        return Fail("the target did not start");
    POINT a = target.ClientPoint(-40, 0), b = target.ClientPoint(40, 0);
    Hooks hooks;
    Mover mover;
    if (!hooks.Start() || !mover.Start(a, b)) return Fail("the helper programs did not start");
    if (!target.TakesMouseAt(a)) return Fail("the target takes no mouse input");

    const int rounds = 3 * Repeats;
    std::vector<double> rates[HookKinds], messages[HookKinds], cpu[HookKinds];
    std::vector<double> oursToNone, oursToPassThrough, oursToLowLevel, cpuOursToNone,
        cpuOursToPassThrough;
    for (int round = 0; round < rounds; ++round) {
        Batch batches[HookKinds];
        // A different order each round, so that drift in the machine's load favours none.
        for (int step = 0; step < HookKinds; ++step) {
            auto kind = static_cast<HookKind>((round + step) % HookKinds);
            Batch warmUp;
            if (!hooks.Set(kind, true)) return Fail("a hook could not be installed");
            bool sent = SendBatch(target, targetPid, mover, WarmUpMoves, warmUp) &&
                        SendBatch(target, targetPid, mover, BatchMoves, batches[kind]);
            if (!hooks.Set(kind, false)) return Fail("a hook could not be removed");
            if (!sent) return Fail("a batch did not reach the target");
        }
        for (int kind = 0; kind < HookKinds; ++kind) {
            rates[kind].push_back(batches[kind].movesPerSecond);
            messages[kind].push_back(batches[kind].messages);
            cpu[kind].push_back(batches[kind].cpuPerMessage);
        }
        oursToNone.push_back(batches[OurHook].movesPerSecond / batches[NoHook].movesPerSecond);
        oursToPassThrough.push_back(batches[OurHook].movesPerSecond /
                                    batches[PassThroughHook].movesPerSecond);
        cpuOursToPassThrough.push_back(batches[OurHook].cpuPerMessage /
                                       batches[PassThroughHook].cpuPerMessage);
        oursToLowLevel.push_back(batches[OurHook].movesPerSecond /
                                 batches[LowLevelHook].movesPerSecond);
        cpuOursToNone.push_back(batches[OurHook].cpuPerMessage / batches[NoHook].cpuPerMessage);
    }
    printf(
        "  moves: %d rounds of %d moves; ours/none %s, ours/pass-through %s, ours/low-level %s\n",
        rounds, BatchMoves, Quartiles(oursToNone).c_str(), Quartiles(oursToPassThrough).c_str(),
        Quartiles(oursToLowLevel).c_str());

    Figure* rate[HookKinds];
    for (int kind = 0; kind < HookKinds; ++kind) {
        rate[kind] =
            &report.Add(std::string("mouse_moves_") + KindNames[kind], Median(rates[kind]), "/s");
        rate[kind]->note =
            "messages taken: " + std::to_string(static_cast<long>(Median(messages[kind]))) +
            " of " + std::to_string(BatchMoves);
    }
    Report::Floor(*rate[OurHook], rate[PassThroughHook]->value);
    Figure& oursPassThrough = report.AddRatio("mouse_moves_ours/pass_through", *rate[OurHook],
                                              *rate[PassThroughHook], Median(oursToPassThrough));
    oursPassThrough.note = "per round: " + Quartiles(oursToPassThrough);
    Report::AtLeast(oursPassThrough, 0.98);
    Figure& oursNone =
        report.AddRatio("mouse_moves_ours/none", *rate[OurHook], *rate[NoHook], Median(oursToNone));
    oursNone.note = "per round: " + Quartiles(oursToNone);
    Report::AtLeast(oursNone, 0.95);
    Figure& oursLowLevel = report.AddRatio("mouse_moves_ours/low_level", *rate[OurHook],
                                           *rate[LowLevelHook], Median(oursToLowLevel));
    oursLowLevel.note = "per round: " + Quartiles(oursToLowLevel);
    // "Well above 1": a fifth faster at least.
    Report::Above(oursLowLevel, 1.2);
    // What the hook costs the target itself, per mouse message it takes.
    Figure& cpuNone = report.Add("target_cpu_per_message_none", Median(cpu[NoHook]), "us");
    Figure& cpuPassThrough =
        report.Add("target_cpu_per_message_pass_through", Median(cpu[PassThroughHook]), "us");
    Figure& cpuOurs = report.Add("target_cpu_per_message_ours", Median(cpu[OurHook]), "us");
    Report::Floor(cpuOurs, cpuPassThrough.value);
    Report::Below(report.AddRatio("target_cpu_per_message_ours/pass_through", cpuOurs,
                                  cpuPassThrough, Median(cpuOursToPassThrough)),
                  1.05);
    report.AddRatio("target_cpu_per_message_ours/none", cpuOurs, cpuNone, Median(cpuOursToNone));
    return true;
}
