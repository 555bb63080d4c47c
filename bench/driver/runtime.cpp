// The host without the C runtime DLL and the same host linked the old way, with msvcrt's
// start-up (q99bench_host_crt.exe), side by side with the bare window program: from creating
// the process to its main window, and its private bytes once it has settled. The three take
// turns within each repetition; only one host runs at a time.
#include "bench.h"

#include <cstdio>

namespace {

struct Program {
    const char* name;
    const char* file;
    const char* windowClass;
    std::vector<double> startup, privateBytes;
};

} // namespace

bool MeasureRuntime(Report& report) {
    UseQuietFeatures();
    Program programs[] = {{"host", "Quillet99.exe", "Quillet99", {}, {}},
                          {"host_with_crt", "q99bench_host_crt.exe", "Quillet99", {}, {}},
                          {"bare", "q99bench_bare.exe", "QuilletBenchBare", {}, {}}};
    for (int rep = 0; rep < Repeats; ++rep) {
        for (Program& program : programs) {
            Child child;
            double start = Seconds();
            if (!child.Start("\"" + BinPath(program.file) + "\"") ||
                !PollUntil([&] { return FindWindowA(program.windowClass, nullptr) != nullptr; },
                           10)) {
                printf("runtime: %s did not start\n", program.file);
                return false;
            }
            program.startup.push_back(1000 * (Seconds() - start));
            Sleep(2000); // past the host's first timer tick, which installs the hook
            program.privateBytes.push_back(MemoryOf(child.info.hProcess).privateBytes);
            PostMessageA(FindWindowA(program.windowClass, nullptr), WM_CLOSE, 0, 0);
            child.Wait(5000);
        }
        printf("  runtime %d: window after %.1f / %.1f / %.1f ms, private %.0f / %.0f / %.0f KiB"
               " (host, host with the C runtime, bare)\n",
               rep + 1, programs[0].startup.back(), programs[1].startup.back(),
               programs[2].startup.back(), programs[0].privateBytes.back(),
               programs[1].privateBytes.back(), programs[2].privateBytes.back());
    }
    for (Program& program : programs) {
        report.Add(std::string("runtime_startup_to_window_") + program.name,
                   Median(program.startup), "ms");
        report.Add(std::string("runtime_private_bytes_") + program.name,
                   Median(program.privateBytes), "KiB");
    }
    return true;
}
