// The settings dialog, as a user opens it with the real host: Ctrl+Alt+R until the dialog is on
// the screen, closed with Esc each time; and the host's private bytes before it and after it
// has been opened and closed once.
#include "bench.h"

#include <cstdio>

namespace {

constexpr int Openings = 30;

HWND SettingsDialog() {
    HWND dialog = FindWindowA("#32770", "Quillet 99 - Settings");
    return IsWindowVisible(dialog) ? dialog : nullptr;
}

bool Fail(const char* what, int opening) {
    printf("settings: %s (opening %d)\n", what, opening + 1);
    return false;
}

} // namespace

bool MeasureSettingsDialog(Report& report) {
    UseFirstRunSettings();
    Host host;
    if (!host.Start()) return Fail("the host did not start", -1);
    double before = MemoryOf(host.process.info.hProcess).privateBytes, after = 0;
    std::vector<double> times;
    for (int opening = 0; opening < Openings; ++opening) {
        LONGLONG start;
        {
            HeldKey control(VK_CONTROL), alt(VK_MENU);
            start = Counter();
            SendInputOf(INPUT_KEYBOARD, 0, {}, 'R');
            SendInputOf(INPUT_KEYBOARD, KEYEVENTF_KEYUP, {}, 'R');
            if (!PollUntil([] { return SettingsDialog() != nullptr; }))
                return Fail("no settings dialog", opening);
            times.push_back(1000 * SecondsOf(Counter() - start));
        }
        Type({VK_ESCAPE});
        if (!PollUntil([] { return SettingsDialog() == nullptr; }))
            return Fail("the settings dialog did not close", opening);
        if (!opening) after = MemoryOf(host.process.info.hProcess).privateBytes;
    }
    report.Add("ctrl_alt_r_to_settings_dialog_p50", Percentile(times, 50), "ms");
    report.Add("ctrl_alt_r_to_settings_dialog_p95", Percentile(times, 95), "ms");
    report.Add("host_private_bytes_before_settings", before, "KiB");
    report.Add("host_private_bytes_after_settings", after, "KiB");
    return true;
}
