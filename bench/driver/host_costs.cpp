// The host at rest: CPU time over ten quiet seconds and memory after start-up, each beside a
// bare window program with the same 100 ms timer, both running at the same time; then ten more
// seconds with the features indicator shown and 100 per-application entries, which timer 17
// walks on every tick. A third
// program, the bare one loading the libraries the host imports, shows how much of the host's
// memory is theirs.
#include "bench.h"

#include <psapi.h>

#include <cstdio>

#include "unix_process.h"

namespace {

constexpr DWORD QuietMs = 10000;

} // namespace

bool MeasureHostCosts(Report& report) {
    std::vector<double> hostCpu, bareCpu, cpuRatio, hostPrivate, barePrivate, privateRatio,
        librariesPrivate, hostWorkingSet, bareWorkingSet;
    std::vector<double> tableCpu, tableBareCpu, tableRatio;
    for (int rep = 0; rep < Repeats; ++rep) {
        UseFirstRunSettings();
        Host host;
        Child bare;
        if (!host.Start() || !StartBare(bare)) {
            printf("host costs: the programs did not start\n");
            return false;
        }
        DWORD hostPid = UnixPidOf(BinPath("Quillet99.exe"));
        DWORD barePid = UnixPidOf(BinPath("q99bench_bare.exe"));
        if (!hostPid || !barePid) {
            printf("host costs: no /proc entry for the programs\n");
            return false;
        }
        // Started after the look-up: the same image as the bare program.
        Child libraries;
        if (!libraries.Start("\"" + BinPath("q99bench_bare.exe") + "\" " + HostLibraries)) {
            printf("host costs: the bare program with libraries did not start\n");
            return false;
        }
        // Start-up done: the host has installed its hook; give both a moment to settle.
        Sleep(2000);
        Memory hostMemory = MemoryOf(host.process.info.hProcess);
        Memory bareMemory = MemoryOf(bare.info.hProcess);
        librariesPrivate.push_back(MemoryOf(libraries.info.hProcess).privateBytes);
        TerminateProcess(libraries.info.hProcess, 1);
        hostPrivate.push_back(hostMemory.privateBytes);
        barePrivate.push_back(bareMemory.privateBytes);
        privateRatio.push_back(hostMemory.privateBytes / bareMemory.privateBytes);
        hostWorkingSet.push_back(hostMemory.workingSet);
        bareWorkingSet.push_back(bareMemory.workingSet);

        double hostBefore = UnixCpuSeconds(hostPid), bareBefore = UnixCpuSeconds(barePid);
        double start = Seconds();
        Sleep(QuietMs);
        double hostAfter = UnixCpuSeconds(hostPid), bareAfter = UnixCpuSeconds(barePid);
        double elapsed = Seconds() - start;
        hostCpu.push_back(100 * (hostAfter - hostBefore) / elapsed);
        bareCpu.push_back(100 * (bareAfter - bareBefore) / elapsed);
        cpuRatio.push_back((hostAfter - hostBefore) / (bareAfter - bareBefore));
        printf("  quiet %d: host %.3f%% bare %.3f%% of a core; private %.0f / %.0f KiB\n", rep + 1,
               hostCpu.back(), bareCpu.back(), hostPrivate.back(), barePrivate.back());

        // None of the entries is the foreground application's, so every tick walks all 100.
        for (int i = 0; i < 100; ++i)
            SetDword(WindowsPath + "\\QuilletBenchClass" + std::to_string(i), "CaptionFeature", 2);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        if (!PollUntil([] { return IsWindowVisible(FindWindowA("#32770", "")) != FALSE; })) {
            printf("host costs: the features indicator is not shown\n");
            return false;
        }
        Sleep(2000);
        hostBefore = UnixCpuSeconds(hostPid), bareBefore = UnixCpuSeconds(barePid);
        start = Seconds();
        Sleep(QuietMs);
        hostAfter = UnixCpuSeconds(hostPid), bareAfter = UnixCpuSeconds(barePid);
        elapsed = Seconds() - start;
        tableCpu.push_back(100 * (hostAfter - hostBefore) / elapsed);
        tableBareCpu.push_back(100 * (bareAfter - bareBefore) / elapsed);
        tableRatio.push_back((hostAfter - hostBefore) / (bareAfter - bareBefore));
        printf("  quiet %d with the indicator and 100 entries: host %.3f%% bare %.3f%% of a core\n",
               rep + 1, tableCpu.back(), tableBareCpu.back());
    }

    Figure& bare = report.Add("bare_idle_cpu", Median(bareCpu), "% core");
    Figure& host = report.Add("host_idle_cpu", Median(hostCpu), "% core");
    Report::WithinOfFloor(host, bare.value, 0.05);
    report.AddRatio("host_idle_cpu/bare", host, bare, Median(cpuRatio));
    Figure& tableBare = report.Add("bare_idle_cpu_beside_it", Median(tableBareCpu), "% core");
    Figure& table = report.Add("host_idle_cpu_indicator_100_entries", Median(tableCpu), "% core");
    Report::WithinOfFloor(table, tableBare.value, 0.05);
    report.AddRatio("host_idle_cpu_indicator_100_entries/bare", table, tableBare,
                    Median(tableRatio));

    Figure& bareBytes = report.Add("bare_private_bytes", Median(barePrivate), "KiB");
    Figure& librariesBytes =
        report.Add("bare_with_host_libraries_private_bytes", Median(librariesPrivate), "KiB");
    librariesBytes.note = std::string("the bare program after loading ") + HostLibraries;
    Figure& hostBytes = report.Add("host_private_bytes", Median(hostPrivate), "KiB");
    Report::Floor(hostBytes, librariesBytes.value);
    Figure& ratio =
        report.AddRatio("host_private_bytes/bare", hostBytes, bareBytes, Median(privateRatio));
    Report::Below(ratio, 1.3);
    Report::Below(report.AddRatio("host_private_bytes/bare_with_host_libraries", hostBytes,
                                  librariesBytes, hostBytes.value / librariesBytes.value),
                  1.2);
    report.Add("host_working_set", Median(hostWorkingSet), "KiB");
    report.Add("bare_working_set", Median(bareWorkingSet), "KiB");
    return true;
}
