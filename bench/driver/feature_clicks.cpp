// Feature-click latency with the real host and first-run settings: a middle press on a
// target's caption until the target is hidden and its tray icon is there, and a left press on
// that icon until the target is shown again.
//
// For comparison, the same steps are first taken by this program itself, with the hook library
// installed for one of its own windows: how long the hook takes to hand a click over, and how
// long Wine takes for each call the host makes (ShowWindowAsync, Shell_NotifyIcon).
#include "bench.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Clicks = 60;
// Fewer for the stand-in: Wine 8's shell leaks a window with each tray icon added and
// removed, and every window shown or hidden afterwards takes longer.
constexpr int ReferenceClicks = 20;
constexpr UINT HostIconId = 555; // the host's first tray slot
constexpr UINT OwnIconId = 900;

// Presses of one button alternate between points a few pixels apart: two presses at one point
// within the double-click time would make a double click.
POINT CaptionPointFor(const BenchTarget& target, int click) {
    return target.CaptionPoint(click % 2 ? 24 : 0);
}

// The host's own icon comes first; a trayed window's follows it.
POINT IconPointFor(int click, int place) {
    POINT icon = TrayIconPoint(place);
    icon.x += click % 2 ? 4 : -4;
    return icon;
}

struct Steps {
    std::vector<double> hook, hide, iconAdd, iconPress, iconDelete, show;
};

bool Fail(const char* what, int click) {
    printf("feature clicks: %s (click %d)\n", what, click + 1);
    return false;
}

// The stand-in host's window: counts the hook's requests and the icon's presses, which the
// shell may send rather than post.
LONG TrayRequests, IconPresses;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_TRAY_WINDOW) ++TrayRequests;
    if (message == UM_TRAYED_WINDOW_ICON && lParam == WM_LBUTTONDOWN) ++IconPresses;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateStandIn() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuilletBenchStandIn";
    RegisterClassA(&wc);
    return CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                         nullptr);
}

// Pumps this thread's messages until the count goes past `before`.
bool PumpUntilCounted(const LONG& count, LONG before) {
    return PollUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return count != before;
    });
}

// One feature click and its way back, with this program standing in for the host.
bool ReferenceClick(BenchTarget& target, HWND window, int click, Steps& steps) {
    const BenchTargetLog& log = target.Log();
    if (!target.TakesMouseAt(CaptionPointFor(target, click)))
        return Fail("the target takes no mouse input", click);
    PumpFor(0);
    LONG requests = TrayRequests;
    LONGLONG start = Counter();
    SendClick(Button::Middle);
    if (!PumpUntilCounted(TrayRequests, requests))
        return Fail("the hook did not hand the click over", click);
    steps.hook.push_back(Ms(start, Counter()));

    LONG hides = log.hides;
    start = Counter();
    ShowWindowAsync(target.Window(), SW_HIDE);
    if (!PollUntil([&] { return log.hides != hides; }))
        return Fail("the target was not hidden", click);
    steps.hide.push_back(Ms(start, log.hiddenAt));

    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = OwnIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = UM_TRAYED_WINDOW_ICON;
    icon.hIcon = LoadIconA(nullptr, IDI_EXCLAMATION);
    lstrcpyA(icon.szTip, BenchTargetTitle);
    start = Counter();
    if (!Shell_NotifyIconA(NIM_ADD, &icon)) return Fail("no tray icon", click);
    steps.iconAdd.push_back(Ms(start, Counter()));

    MoveMouseTo(IconPointFor(click, 0));
    PumpFor(0);
    LONG presses = IconPresses;
    start = Counter();
    SendClick(Button::Left);
    if (!PumpUntilCounted(IconPresses, presses))
        return Fail("the icon did not report its press", click);
    steps.iconPress.push_back(Ms(start, Counter()));

    start = Counter();
    Shell_NotifyIconA(NIM_DELETE, &icon);
    steps.iconDelete.push_back(Ms(start, Counter()));

    LONG shows = log.shows;
    start = Counter();
    ShowWindowAsync(target.Window(), SW_SHOW);
    if (!PollUntil([&] { return log.shows != shows; }))
        return Fail("the target was not shown", click);
    steps.show.push_back(Ms(start, log.shownAt));
    return true;
}

bool MeasureReference(BenchTarget& target, Steps& steps) {
    HookLibrary hook;
    HWND window = CreateStandIn();
    if (!window || !hook.module) return Fail("no hook library", -1);
    HOOK_EXPORT(hook, ActivateIt)(1);
    HOOK_EXPORT(hook, ActivateCaptionFeature)(CAPTION_TRAY_WINDOW);
    bool done = HOOK_EXPORT(hook, InstallMouseHook)(window) != nullptr;
    for (int click = 0; done && click < ReferenceClicks; ++click)
        done = ReferenceClick(target, window, click, steps);
    HOOK_EXPORT(hook, UninstallMouseHook)();
    DestroyWindow(window);
    ShowWindowAsync(target.Window(), SW_SHOW);
    return done;
}

// The real host: middle press to hidden with the icon present, left press on the icon to
// shown.
bool MeasureHost(BenchTarget& target, std::vector<double>& hide, std::vector<double>& show) {
    UseFirstRunSettings();
    Host host;
    if (!host.Start()) return Fail("the host did not start", -1);
    const BenchTargetLog& log = target.Log();
    for (int click = 0; click < Clicks; ++click) {
        if (!target.TakesMouseAt(CaptionPointFor(target, click)))
            return Fail("the target takes no mouse input", click);
        LONG hides = log.hides, presses = log.captionMiddleDowns;
        LONGLONG start = Counter(), iconAt = 0;
        SendClick(Button::Middle);
        // The icon is looked for once the target is hidden: each look is a message to the
        // shell, which has the host's icon to add.
        bool hidden = PollUntil([&] { return log.hides != hides; }) && PollUntil([&] {
                          bool present = Notify(NIM_MODIFY, host.window, HostIconId);
                          iconAt = Counter();
                          return present;
                      });
        if (!hidden || log.captionMiddleDowns != presses)
            return Fail("the host did not send the target to the tray", click);
        hide.push_back(Ms(start, std::max(iconAt, LONGLONG{log.hiddenAt})));

        MoveMouseTo(IconPointFor(click, 1));
        LONG shows = log.shows;
        start = Counter();
        SendClick(Button::Left);
        if (!PollUntil([&] { return log.shows != shows; }))
            return Fail("the host did not bring the target back", click);
        show.push_back(Ms(start, log.shownAt));
    }
    return true;
}

} // namespace

bool MeasureFeatureClicks(Report& report) {
    BenchTarget target;
    Steps steps;
    std::vector<double> hide, show;
    if (!target.Start() || !MeasureReference(target, steps) ||
        !target.TakesMouseAt(target.ClientPoint()) || !MeasureHost(target, hide, show)) {
        return false;
    }
    // The floors: the same steps made one at a time by the benchmark itself, added up.
    double hideFloor = Median(steps.hook) + Median(steps.hide) + Median(steps.iconAdd);
    double showFloor = Median(steps.iconPress) + Median(steps.iconDelete) + Median(steps.show);
    Report::WithinOfFloor(report.Add("caption_click_to_tray_p50", Percentile(hide, 50), "ms"),
                          hideFloor, 1);
    Report::Below(report.Add("caption_click_to_tray_p95", Percentile(hide, 95), "ms"), 10);
    Report::WithinOfFloor(report.Add("icon_click_to_visible_p50", Percentile(show, 50), "ms"),
                          showFloor, 1);
    Report::Below(report.Add("icon_click_to_visible_p95", Percentile(show, 95), "ms"), 10);
    // The steps one at a time, medians: what the hook takes, and what Wine takes for the calls
    // the host makes.
    report.Add("step_hook_press_to_message", Median(steps.hook), "ms");
    report.Add("step_wine_hide_window", Median(steps.hide), "ms");
    report.Add("step_wine_tray_icon_add", Median(steps.iconAdd), "ms");
    report.Add("step_wine_icon_press_to_callback", Median(steps.iconPress), "ms");
    report.Add("step_wine_tray_icon_delete", Median(steps.iconDelete), "ms");
    report.Add("step_wine_show_window", Median(steps.show), "ms");
    return true;
}
