// The menus, as a user opens them with the real host: a right-button press on its icon until the
// tray menu is on the screen (100 ms of it are the host's deliberate delay), and Ctrl+Alt+M in a
// target program until the window-features menu is; and the host's private bytes before any
// menu and once each has been shown.
#include "bench.h"

#include <cstdio>

namespace {

constexpr int Openings = 30;

double Ms(LONGLONG from, LONGLONG to) {
    return 1000 * SecondsOf(to - from);
}

bool Fail(const char* what, int opening) {
    printf("menus: %s (opening %d)\n", what, opening + 1);
    return false;
}

// Opens a menu with `open`; the milliseconds until it showed.
template <typename Open>
bool TimeMenu(Open open, std::vector<double>& times) {
    LONGLONG start = Counter();
    open();
    if (!PollUntil([] { return OpenMenu() != nullptr; })) return false;
    times.push_back(Ms(start, Counter()));
    return true;
}

bool CloseMenu() {
    Type({VK_ESCAPE});
    return PollUntil([] { return OpenMenu() == nullptr; });
}

} // namespace

bool MeasureMenus(Report& report) {
    UseFirstRunSettings();
    Host host;
    BenchTarget target;
    if (!host.Start() || !target.Start()) return Fail("the host or the target did not start", -1);
    double before = MemoryOf(host.process.info.hProcess).privateBytes, after = 0;
    std::vector<double> tray, features;
    for (int opening = 0; opening < Openings; ++opening) {
        MoveMouseTo(TrayIconPoint(0));
        Sleep(300); // a press at once after a move can be lost under Wine
        if (!TimeMenu([] { SendClick(Button::Right); }, tray) || !CloseMenu())
            return Fail("no tray menu", opening);
        SetForegroundWindow(target.Window());
        if (!target.TakesMouseAt(target.ClientPoint()))
            return Fail("the target takes no mouse input", opening);
        bool shown;
        {
            HeldKey control(VK_CONTROL), alt(VK_MENU);
            shown = TimeMenu(
                [] {
                    SendInputOf(INPUT_KEYBOARD, 0, {}, 'M');
                    SendInputOf(INPUT_KEYBOARD, KEYEVENTF_KEYUP, {}, 'M');
                },
                features);
        }
        if (!shown || !CloseMenu()) return Fail("no window-features menu", opening);
        if (!opening) after = MemoryOf(host.process.info.hProcess).privateBytes;
    }
    report.Add("tray_icon_press_to_menu_p50", Percentile(tray, 50), "ms");
    report.Add("tray_icon_press_to_menu_p95", Percentile(tray, 95), "ms");
    report.Add("ctrl_alt_m_to_features_menu_p50", Percentile(features, 50), "ms");
    report.Add("ctrl_alt_m_to_features_menu_p95", Percentile(features, 95), "ms");
    report.Add("host_private_bytes_before_menus", before, "KiB");
    report.Add("host_private_bytes_after_menus", after, "KiB");
    return true;
}
