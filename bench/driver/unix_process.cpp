#include "unix_process.h"

#include <cstdlib>
#include <cstring>

static std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

static std::string ProcPath(DWORD pid, const char* rest) {
    return "Z:\\proc\\" + std::to_string(pid) + "\\" + rest;
}

// Field 22 of /proc/PID/stat: the start time, in clock ticks since boot.
static unsigned long long StartTime(DWORD pid) {
    std::string stat = ReadWholeFile(ProcPath(pid, "stat"));
    size_t at = stat.rfind(')');
    if (at == std::string::npos) return 0;
    const char* field = stat.c_str() + at + 2; // field 3
    for (int i = 3; i < 22 && field; ++i) {
        field = strchr(field, ' ');
        if (field) ++field;
    }
    return field ? strtoull(field, nullptr, 10) : 0;
}

DWORD UnixPidOf(const std::string& imagePath) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    DWORD best = 0;
    unsigned long long bestStart = 0;
    do {
        char* end = nullptr;
        DWORD pid = strtoul(entry.cFileName, &end, 10);
        if (!pid || *end) continue;
        std::string command = ReadWholeFile(ProcPath(pid, "cmdline"));
        if (lstrcmpiA(command.c_str(), imagePath.c_str()) != 0) continue;
        unsigned long long start = StartTime(pid);
        if (!best || start >= bestStart) best = pid, bestStart = start;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return best;
}

double UnixCpuSeconds(DWORD pid) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(ProcPath(pid, "task\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return -1;
    double seconds = 0;
    do {
        if (entry.cFileName[0] == '.') continue;
        std::string path = ProcPath(pid, "task\\") + entry.cFileName + "\\schedstat";
        seconds += strtod(ReadWholeFile(path).c_str(), nullptr) / 1e9;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return seconds;
}
