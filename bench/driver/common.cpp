#include "bench.h"

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

int Repeats = 7;

LONGLONG Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double SecondsOf(LONGLONG counter) {
    static LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return static_cast<double>(counter) / static_cast<double>(frequency);
}

double Seconds() {
    return SecondsOf(Counter());
}

double Ms(LONGLONG from, LONGLONG to) {
    return 1000 * SecondsOf(to - from);
}

bool StartBare(Child& bare, const std::string& words) {
    return bare.Start("\"" + BinPath("q99bench_bare.exe") + "\" " + words) &&
           PollUntil([] { return FindWindowA("QuilletBenchBare", nullptr) != nullptr; }, 10);
}

void CloseBare(Child& bare) {
    PostMessageA(FindWindowA("QuilletBenchBare", nullptr), WM_CLOSE, 0, 0);
    bare.Wait(3000);
}

double Median(std::vector<double> values) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    size_t rank = static_cast<size_t>(std::ceil(p / 100 * static_cast<double>(values.size())));
    return values[std::min(values.size(), std::max<size_t>(rank, 1)) - 1];
}

std::string Quartiles(const std::vector<double>& values) {
    char text[96];
    snprintf(text, sizeof text, "quartiles %.3g to %.3g of %u", Percentile(values, 25),
             Percentile(values, 75), static_cast<unsigned>(values.size()));
    return text;
}

Figure& Report::Add(const std::string& name, double value, const std::string& unit) {
    Figure figure;
    figure.name = name;
    figure.value = value;
    figure.unit = unit;
    figures_.push_back(figure);
    return figures_.back();
}

Figure& Report::AddRatio(const std::string& name, const Figure& numerator,
                         const Figure& denominator, double value) {
    Figure& figure = Add(name, value, "ratio");
    figure.numerator = numerator.name;
    figure.numeratorValue = numerator.value;
    figure.denominator = denominator.name;
    figure.denominatorValue = denominator.value;
    return figure;
}

static std::string Number(double value) {
    char text[64];
    snprintf(text, sizeof text, std::fabs(value) < 1000 ? "%.4g" : "%.0f", value);
    return text;
}

void Report::Below(Figure& figure, double limit) {
    figure.target = "< " + Number(limit);
    figure.met = figure.value < limit;
}

void Report::AtLeast(Figure& figure, double limit) {
    figure.target = ">= " + Number(limit);
    figure.met = figure.value >= limit;
}

void Report::Above(Figure& figure, double limit) {
    figure.target = "> " + Number(limit);
    figure.met = figure.value > limit;
}

void Report::Floor(Figure& figure, double floor) {
    figure.floor = floor;
}

void Report::WithinOfFloor(Figure& figure, double floor, double margin) {
    figure.floor = floor;
    figure.target = "floor + " + Number(margin);
    figure.met = figure.value <= floor + margin;
}

void Report::Print() const {
    printf("\n%-42s %10s %-7s %10s %-11s %s\n", "figure", "value", "unit", "floor", "target",
           "result");
    for (const Figure& f : figures_) {
        const char* result = f.met < 0 ? "" : f.met ? "met" : "MISSED";
        std::string floor = std::isnan(f.floor) ? "" : Number(f.floor);
        printf("%-42s %10s %-7s %10s %-11s %s\n", f.name.c_str(), Number(f.value).c_str(),
               f.unit.c_str(), floor.c_str(), f.target.c_str(), result);
    }
    fflush(stdout);
}

static std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

static std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[64];
    snprintf(text, sizeof text, "%.6g", value);
    return text;
}

bool Report::WriteJson(const std::string& path) const {
    FILE* out = fopen(path.c_str(), "w");
    if (!out) return false;
    fputs("[\n", out);
    for (size_t i = 0; i < figures_.size(); ++i) {
        const Figure& f = figures_[i];
        fprintf(out, "  {\"name\": %s, \"value\": %s, \"unit\": %s", Quoted(f.name).c_str(),
                JsonNumber(f.value).c_str(), Quoted(f.unit).c_str());
        if (!f.numerator.empty())
            fprintf(out,
                    ", \"numerator\": {\"name\": %s, \"value\": %s}"
                    ", \"denominator\": {\"name\": %s, \"value\": %s}",
                    Quoted(f.numerator).c_str(), JsonNumber(f.numeratorValue).c_str(),
                    Quoted(f.denominator).c_str(), JsonNumber(f.denominatorValue).c_str());
        if (!std::isnan(f.floor)) fprintf(out, ", \"floor\": %s", JsonNumber(f.floor).c_str());
        if (f.met >= 0)
            fprintf(out, ", \"target\": %s, \"met\": %s", Quoted(f.target).c_str(),
                    f.met ? "true" : "false");
        if (!f.note.empty()) fprintf(out, ", \"note\": %s", Quoted(f.note).c_str());
        fputs(i + 1 < figures_.size() ? "},\n" : "}\n", out);
    }
    fputs("]\n", out);
    return fclose(out) == 0;
}

bool BenchTarget::Start(RECT frame) {
    char command[512];
    wsprintfA(command, "\"%s\" %ld %ld %ld %ld", BinPath("q99bench_target.exe").c_str(), frame.left,
              frame.top, frame.right - frame.left, frame.bottom - frame.top);
    if (!process_.Start(command)) return false;
    log_ = static_cast<BenchTargetLog*>(view_.Open(BenchTargetLogName, FILE_MAP_ALL_ACCESS));
    return log_ && TakesMouseAt(ClientPoint());
}

void BenchTarget::Close() {
    if (HWND window = Window()) PostMessageA(window, WM_CLOSE, 0, 0);
    process_.Wait(3000);
    TerminateProcess(process_.info.hProcess, 1);
    view_.Close();
    log_ = nullptr;
}

HWND BenchTarget::Window() const {
    return log_ ? reinterpret_cast<HWND>(static_cast<LONG_PTR>(log_->window)) : nullptr;
}

POINT BenchTarget::CaptionPoint(int shift) const {
    RECT frame;
    GetWindowRect(Window(), &frame);
    return {frame.left + (frame.right - frame.left) / 3 + shift,
            frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
}

POINT BenchTarget::ClientPoint(int dx, int dy) const {
    RECT client;
    GetClientRect(Window(), &client);
    POINT pt = {client.right / 2 + dx, client.bottom / 2 + dy};
    ClientToScreen(Window(), &pt);
    return pt;
}

bool BenchTarget::TakesMouseAt(POINT pt) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        LONG moves = log_->moves, captionMoves = log_->captionMoves;
        POINT nudged = {pt.x + attempt % 2, pt.y};
        MoveMouseTo(nudged);
        if (WaitUntil([&] { return log_->moves != moves || log_->captionMoves != captionMoves; },
                      100))
            return true;
    }
    return false;
}

void SendClick(Button button) {
    INPUT inputs[2] = {};
    DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP;
    if (button == Button::Middle) down = MOUSEEVENTF_MIDDLEDOWN, up = MOUSEEVENTF_MIDDLEUP;
    if (button == Button::Right) down = MOUSEEVENTF_RIGHTDOWN, up = MOUSEEVENTF_RIGHTUP;
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof inputs[0]);
}

void UseFirstRunSettings() {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
}

void UseQuietFeatures() {
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str());
    SetDword(ProductPath + "\\Folders", "x", 0); // the key that marks an earlier run
    for (const char* name : {"CaptionFeature", "BodyFeature"})
        SetDword(SettingsPath, name, 4);
}

POINT TrayIconPoint(int place) {
    RECT taskbar = {};
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
    // Each icon takes a small icon's width and a border of two pixels on either side.
    const int cell = GetSystemMetrics(SM_CXSMICON) + 4;
    return {taskbar.right - cell * place - cell / 2, (taskbar.top + taskbar.bottom) / 2};
}

void* SharedView::Open(const char* name, DWORD access, DWORD timeoutMs) {
    Close();
    WaitUntil([&] { return (mapping_ = OpenFileMappingA(access, FALSE, name)) != nullptr; },
              timeoutMs);
    if (!mapping_) return nullptr;
    view_ = MapViewOfFile(mapping_, access, 0, 0, 0);
    auto* ready = static_cast<volatile LONG*>(view_);
    if (!view_ || !WaitUntil([&] { return *ready == 1; }, timeoutMs)) return nullptr;
    return view_;
}

void SharedView::Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    view_ = nullptr;
    mapping_ = nullptr;
}

// Wine leaves PrivateUsage at zero; its PagefileUsage, the commit charge that Windows reports
// as private bytes too, is the process's anonymous resident memory.
Memory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    Memory memory;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return memory;
    SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    memory.privateBytes = static_cast<double>(privateBytes) / 1024;
    memory.workingSet = static_cast<double>(counters.WorkingSetSize) / 1024;
    return memory;
}
