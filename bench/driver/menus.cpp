// The menus, as a user opens them with the real host: a right-button press on its icon until the
// tray menu is on the screen (100 ms of it are the host's deliberate delay), and Ctrl+Alt+M in a
// target program until the window-features menu is; and the host's private bytes before any
// menu and once each has been shown. The floor, taking turns with them: the bare program's own
// pop-up menu at the cursor from a hot key (Ctrl+Alt+B), for the window-features menu as it is
// and for the tray menu with the host's 100 ms delay added.
#include "bench.h"

#include <cstdio>

namespace {

constexpr int Openings = 30;
constexpr double TrayMenuDelayMs = 100; // the host's own, on its timer 2
constexpr double MarginMs = 5;

bool Fail(const char* what, int opening) {
    printf("menus: %s (opening %d)\n", what, opening + 1);
    return false;
}

bool MenuShown() {
    return OpenMenu() != nullptr;
}

// Opens a menu with `open`; the milliseconds until it showed.
template <typename Open>
bool TimeMenu(Open open, std::vector<double>& times) {
    LONGLONG start = Counter();
    open();
    if (!PollUntil(MenuShown)) return false;
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
    Child bare;
    if (!host.Start() || !target.Start() || !StartBare(bare, "menu"))
        return Fail("the host, the target or the bare program did not start", -1);
    double before = MemoryOf(host.process.info.hProcess).privateBytes, after = 0;
    std::vector<double> tray, features, bareMenu;
    for (int opening = 0; opening < Openings; ++opening) {
        MoveMouseTo(TrayIconPoint(0));
        Sleep(300); // a press at once after a move can be lost under Wine
        if (!TimeMenu([] { SendClick(Button::Right); }, tray) || !CloseMenu())
            return Fail("no tray menu", opening);
        SetForegroundWindow(target.Window());
        if (!target.TakesMouseAt(target.ClientPoint()))
            return Fail("the target takes no mouse input", opening);
        if (!TimeChord('M', MenuShown, features) || !CloseMenu())
            return Fail("no window-features menu", opening);
        SetForegroundWindow(target.Window());
        if (!TimeChord('B', MenuShown, bareMenu) || !CloseMenu())
            return Fail("no menu of the bare program", opening);
        if (!opening) after = MemoryOf(host.process.info.hProcess).privateBytes;
    }
    CloseBare(bare);
    double floor = Percentile(bareMenu, 50), floor95 = Percentile(bareMenu, 95);
    report.Add("bare_hot_key_to_menu_p50", floor, "ms");
    report.Add("bare_hot_key_to_menu_p95", floor95, "ms");
    Report::WithinOfFloor(report.Add("tray_icon_press_to_menu_p50", Percentile(tray, 50), "ms"),
                          floor + TrayMenuDelayMs, MarginMs);
    Report::Floor(report.Add("tray_icon_press_to_menu_p95", Percentile(tray, 95), "ms"),
                  floor95 + TrayMenuDelayMs);
    Report::WithinOfFloor(
        report.Add("ctrl_alt_m_to_features_menu_p50", Percentile(features, 50), "ms"), floor,
        MarginMs);
    Report::Floor(report.Add("ctrl_alt_m_to_features_menu_p95", Percentile(features, 95), "ms"),
                  floor95);
    report.Add("host_private_bytes_before_menus", before, "KiB");
    report.Add("host_private_bytes_after_menus", after, "KiB");
    return true;
}
