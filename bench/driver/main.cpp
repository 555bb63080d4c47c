// The benchmark driver: runs inside the Wine desktop, prints the table and writes the JSON.
//   q99bench.exe RESULTS_JSON SIZES_BIN_DIR [REPEATS [SECTION...]]
// Sections: clicks, menus, moves, startup, costs, sizes, runtime, settings; all of them by default.
#include "bench.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: q99bench RESULTS_JSON SIZES_BIN_DIR [REPEATS [SECTION...]]\n");
        return 2;
    }
    if (argc > 3) Repeats = atoi(argv[3]);
    if (Repeats < 1) Repeats = 1;
    auto wanted = [&](const char* section) {
        if (argc <= 4) return true;
        for (int i = 4; i < argc; ++i)
            if (!strcmp(argv[i], section)) return true;
        return false;
    };
    printf("Quillet 99 benchmarks: %d-bit build under Wine, medians of %d repetitions\n",
           static_cast<int>(8 * sizeof(void*)), Repeats);
    fflush(stdout);
    Report report;
    // Clicks first, in a fresh desktop: see feature_clicks.cpp.
    bool measured = true;
    if (wanted("clicks")) measured &= MeasureFeatureClicks(report);
    if (wanted("menus")) measured &= MeasureMenus(report);
    if (wanted("moves")) measured &= MeasureMouseMoves(report);
    if (wanted("startup")) measured &= MeasureStartUp(report);
    if (wanted("costs")) measured &= MeasureHostCosts(report);
    if (wanted("sizes")) measured &= MeasureSizes(report, argv[2]);
    if (wanted("runtime")) measured &= MeasureRuntime(report);
    if (wanted("settings")) measured &= MeasureSettingsDialog(report);
    report.Print();
    if (!report.WriteJson(argv[1])) {
        fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return measured ? 0 : 1;
}
