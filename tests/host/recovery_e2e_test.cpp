// Never losing a window: icons added again when the shell starts anew, and windows given back
// by the next start after the host was killed.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "hook/host_messages.h"
#include "host_process.h"
#include "registry.h"
#include "tray.h"
#include "features/window_journal.h"
#include "config/registry_keys.h"

namespace {

const LONG RolledHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 2;

TEST(ShellRestart, EveryHiddenWindowGetsItsIconBackAndItStillRestoresTheWindow) {
    DeleteProductKey();
    HostProcess host;
    ASSERT_TRUE(host.Start());
    TargetProgram first, second;
    ASSERT_TRUE(first.Start("shell1", {60, 60, 460, 280}));
    ClickAt(first.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(BecomesHidden(first.Window()));
    ASSERT_TRUE(second.Start("shell2", {500, 300, 900, 520}));
    ClickAt(second.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(BecomesHidden(second.Window()));

    // What a restarted shell looks like: none of the icons, then its broadcast.
    DeleteTrayIcon(host.Window(), 555);
    DeleteTrayIcon(host.Window(), 556);
    ASSERT_FALSE(TrayIconPresent(host.Window(), 555));
    ASSERT_FALSE(TrayIconPresent(host.Window(), 556));
    PostMessageA(host.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(host.Window(), 555); }));
    EXPECT_TRUE(TrayIconPresent(host.Window(), 556));
    EXPECT_FALSE(IsWindowVisible(first.Window()));

    // The icons are added again in slot order, so the first lies at the right end.
    ClickAt(TrayIconPoint(0), Button::Left);
    EXPECT_TRUE(BecomesVisible(first.Window()));
    EXPECT_FALSE(IsWindowVisible(second.Window()));
    PostMessageA(host.Window(), UM_TRAYED_WINDOW_ICON, 556, WM_LBUTTONDOWN);
    EXPECT_TRUE(BecomesVisible(second.Window()));
}

TEST(CrashRecovery, TheNextStartGivesBackWhatAKilledHostLeftHiddenOrRolledUp) {
    DeleteProductKey();
    auto host = std::make_unique<HostProcess>();
    ASSERT_TRUE(host->Start());
    HWND oldHost = host->Window();
    TargetProgram first, second, rolled;
    ASSERT_TRUE(first.Start("crash1", {60, 60, 460, 280}));
    ClickAt(first.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(BecomesHidden(first.Window()));
    ASSERT_TRUE(second.Start("crash2", {500, 60, 900, 280}));
    ClickAt(second.CaptionPoint(), Button::Middle);
    ASSERT_TRUE(BecomesHidden(second.Window()));
    ASSERT_TRUE(rolled.Start("crash3", {300, 350, 700, 570}));
    PostMessageA(host->Window(), UM_ROLL_WINDOW, Low16(rolled.Window()), 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowRegionBox(rolled.Window()).bottom == RolledHeight; }));

    host->Process().Kill(); // TerminateProcess: nothing of the shutdown runs
    EXPECT_FALSE(IsWindowVisible(first.Window()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, JournalKey));
    // Wine keeps calling the killed host's hook: it must let middle clicks through now.
    LONG presses = rolled.Count(SawNcMButtonDown);
    ClickAt(rolled.CaptionPoint(), Button::Middle);
    EXPECT_TRUE(WaitUntil([&] { return rolled.Count(SawNcMButtonDown) > presses; }))
        << "with its host gone the hook still takes middle clicks";

    host = std::make_unique<HostProcess>();
    ASSERT_TRUE(host->Start());
    EXPECT_TRUE(BecomesVisible(first.Window()));
    EXPECT_TRUE(BecomesVisible(second.Window()));
    EXPECT_TRUE(WaitUntil([&] {
        return WindowRegionBox(rolled.Window()).bottom == 2 * GetSystemMetrics(SM_CYSCREEN);
    }));
    EXPECT_FALSE(TrayIconPresent(oldHost, 555)) << "an icon of the killed host is left over";
    EXPECT_FALSE(TrayIconPresent(oldHost, 556));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, JournalKey));
    EXPECT_EQ(host->Close(), 0u);
}

LRESULT CALLBACK Plain(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

void WriteJournal(const char* name, JournalKind kind, HWND window, DWORD processId,
                  const char* className, UINT iconId = 0) {
    JournalRecord record = {};
    record.kind = kind;
    record.window = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
    record.processId = processId;
    record.iconId = iconId;
    strncpy(record.className, className, sizeof record.className - 1);
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, JournalKey, 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&record), sizeof record);
    RegCloseKey(key);
}

TEST(CrashRecovery, EntriesThatNoLongerNameTheirWindowAreDroppedUntouched) {
    DeleteProductKey();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Plain;
    wc.lpszClassName = "QuilletJournalTest";
    RegisterClassA(&wc);
    auto make = [](DWORD style) {
        return CreateWindowA("QuilletJournalTest", "journal", style, 100, 100, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    };
    HWND dead = make(WS_OVERLAPPEDWINDOW);
    DestroyWindow(dead);
    HWND otherProcess = make(WS_OVERLAPPEDWINDOW); // hidden, and must stay hidden
    HWND otherClass = make(WS_OVERLAPPEDWINDOW);
    HWND mine = make(WS_OVERLAPPEDWINDOW);
    HRGN region = CreateRectRgn(0, 0, 50, 10);
    SetWindowRgn(otherClass, region, FALSE);
    const DWORD self = GetCurrentProcessId();
    WriteJournal("Hidden 555", JournalHidden, dead, self, "QuilletJournalTest", 555);
    WriteJournal("Hidden 556", JournalHidden, otherProcess, self + 4, "QuilletJournalTest", 556);
    WriteJournal("Rolled 1", JournalRolled, otherClass, self, "SomeOtherClass");
    WriteJournal("Hidden 557", JournalHidden, mine, self, "QuilletJournalTest", 557);
    WriteJournal("Rolled 2", JournalRolled, reinterpret_cast<HWND>(Low16(mine)), self,
                 "QuilletJournalTest");
    SetString(JournalKey, "Garbage", "not a record");

    HostProcess host;
    ASSERT_TRUE(host.Start());
    EXPECT_TRUE(BecomesVisible(mine)) << "a live entry of this very window is given back";
    EXPECT_EQ(WindowRegionBox(mine).bottom, 2 * GetSystemMetrics(SM_CYSCREEN));
    PumpFor(300);
    EXPECT_FALSE(IsWindowVisible(otherProcess)) << "a window of another process was touched";
    EXPECT_EQ(WindowRegionBox(otherClass).bottom, 10) << "a window of another class was touched";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, JournalKey));
    EXPECT_TRUE(host.Process().Running());
    DestroyWindow(otherProcess);
    DestroyWindow(otherClass);
    DestroyWindow(mine);
}

} // namespace
