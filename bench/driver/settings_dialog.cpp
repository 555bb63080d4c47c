// The settings dialog, as a user opens it with the real host: Ctrl+Alt+R until the dialog is on
// the screen, closed with Esc each time; and the host's private bytes before it and after it
// has been opened and closed once. The floor, taking turns with it: the bare program's own modal
// dialog of the same size, opened from a hot key (Ctrl+Alt+D) and closed the same way.
#include "bench.h"

#include <cstdio>

namespace {

constexpr int Openings = 30;
constexpr double MarginMs = 5;

HWND VisibleDialog(const char* title) {
    HWND dialog = FindWindowA("#32770", title);
    return IsWindowVisible(dialog) ? dialog : nullptr;
}

bool Fail(const char* what, int opening) {
    printf("settings: %s (opening %d)\n", what, opening + 1);
    return false;
}

// Ctrl+Alt+KEY until the dialog of this title is on the screen; the milliseconds it took.
bool TimeOpening(WORD key, const char* title, std::vector<double>& times) {
    return TimeChord(
        key, [title] { return VisibleDialog(title) != nullptr; }, times);
}

// Esc, once the dialog is the window in front that takes the keys: a dialog just shown can be
// on the screen a moment before it is, and an Esc typed then goes to whichever window was.
// Typed again if the dialog stays, after it is brought to the front.
bool CloseWithEsc(const char* title) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        HWND dialog = VisibleDialog(title);
        if (!dialog) return true;
        if (GetForegroundWindow() != dialog) SetForegroundWindow(dialog);
        PollUntil([&] { return GetForegroundWindow() == dialog; }, 2);
        Type({VK_ESCAPE});
        if (PollUntil([&] { return VisibleDialog(title) == nullptr; }, 2)) return true;
        printf("  settings: Esc did not close \"%s\" (attempt %d)\n", title, attempt + 1);
    }
    return false;
}

} // namespace

bool MeasureSettingsDialog(Report& report) {
    UseFirstRunSettings();
    Host host;
    Child bare;
    if (!host.Start() || !StartBare(bare, "dialog"))
        return Fail("the host or the bare program did not start", -1);
    const char* const settings = "Quillet 99 - Settings";
    double before = MemoryOf(host.process.info.hProcess).privateBytes, after = 0;
    std::vector<double> times, bareTimes;
    for (int opening = 0; opening < Openings; ++opening) {
        if (!TimeOpening('R', settings, times)) return Fail("no settings dialog", opening);
        if (!CloseWithEsc(settings)) return Fail("the settings dialog did not close", opening);
        if (!opening) after = MemoryOf(host.process.info.hProcess).privateBytes;
        if (!TimeOpening('D', BenchBareDialogTitle, bareTimes))
            return Fail("no dialog of the bare program", opening);
        if (!CloseWithEsc(BenchBareDialogTitle))
            return Fail("the bare program's dialog did not close", opening);
    }
    CloseBare(bare);
    double floor = Percentile(bareTimes, 50), floor95 = Percentile(bareTimes, 95);
    report.Add("bare_hot_key_to_dialog_p50", floor, "ms");
    report.Add("bare_hot_key_to_dialog_p95", floor95, "ms");
    Report::WithinOfFloor(
        report.Add("ctrl_alt_r_to_settings_dialog_p50", Percentile(times, 50), "ms"), floor,
        MarginMs);
    Report::Floor(report.Add("ctrl_alt_r_to_settings_dialog_p95", Percentile(times, 95), "ms"),
                  floor95);
    report.Add("host_private_bytes_before_settings", before, "KiB");
    report.Add("host_private_bytes_after_settings", after, "KiB");
    return true;
}
