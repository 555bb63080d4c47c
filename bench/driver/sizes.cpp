// Sizes of the three binaries of the i686 Release build, which links them stripped.
#include "bench.h"

#include <cstdio>

bool MeasureSizes(Report& report, const std::string& binDir) {
    struct Binary {
        const char* file;
        const char* figure;
        double limitKiB;
    };
    const Binary binaries[] = {{"Quillet99.exe", "size_quillet99_exe", 200},
                               {"QUILLET99HOOK.DLL", "size_quillet99hook_dll", 64},
                               {"KBDHOOK.DLL", "size_kbdhook_dll", 16}};
    bool found = true;
    for (const Binary& binary : binaries) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        std::string path = binDir + "\\" + binary.file;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
            printf("sizes: no %s\n", path.c_str());
            found = false;
            continue;
        }
        double kib = static_cast<double>(data.nFileSizeLow) / 1024;
        Report::Below(report.Add(binary.figure, kib, "KiB"), binary.limitKiB);
    }
    return found;
}
