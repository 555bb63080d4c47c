// The real Quillet99.exe and real target programs, driven by real mouse and keyboard input and
// observed from outside.
#include <gtest/gtest.h>

#include <memory>

#include "features/window_journal.h"
#include "harness.h"

namespace {

TEST(EndToEnd, FeatureClicksAreSwallowedAndCarriedOutAndClosingGivesEverythingBack) {
    UseSettings({{"CaptionFeature", 4}, {"BodyFeature", 4}}); // both run the empty command
    Target target;
    ASSERT_TRUE(target.Start("e2e"));
    Host host;
    ASSERT_TRUE(host.Start());
    ClickAt(target.Caption(), Middle);
    ClickAt(target.Client(), Middle);
    // Input is handled in order: a later left click arrives after any click not swallowed.
    ClickAt(target.Client(), Left);
    ASSERT_TRUE(WaitUntil([&] { return target.Count(SawLButtonDown) == 1; }));
    EXPECT_EQ(target.Count(SawNcMButtonDown) + target.Count(SawMButtonDown), 0);
    EXPECT_EQ(target.Count(SawMButtonUp), 0) << "the release of a feature click too";
    Child second;
    ASSERT_TRUE(second.Start("\"" + BinPath("Quillet99.exe") + "\""));
    EXPECT_EQ(second.Wait(5000), 0u) << "a second copy must end at once";

    SetDword(SettingsPath, "CaptionFeature", CAPTION_TRAY_WINDOW);
    host.Reload();
    ClickAt(target.Caption(), Middle);
    ASSERT_TRUE(WaitUntil([&] { return !Visible(target.window); }));
    ClickAt(TrayIconPoint(0), Left);
    ASSERT_TRUE(WaitUntil([&] { return Visible(target.window); }));
    EXPECT_TRUE(WaitUntil([&] { return !Notify(NIM_MODIFY, host.window, 555); }));

    ASSERT_TRUE(target.TakesMouseInput());
    ClickAt(target.Caption(), Middle);
    ASSERT_TRUE(WaitUntil([&] { return !Visible(target.window); })) << "the first slot again";
    EXPECT_EQ(host.Close(), 0u);
    EXPECT_TRUE(Visible(target.window) && !Notify(NIM_MODIFY, host.window, 555));
    EXPECT_EQ(host.hook.shared->hookProc, nullptr);
    ClickAt(target.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] { return target.Count(SawNcMButtonDown) == 1; }))
        << "with the host gone a middle click reaches the program";
}

TEST(EndToEnd, TheWindowScrollsWhileTheButtonIsHeldUpOrDownByTheHalfItWasPressedIn) {
    UseSettings({{"CaptionFeature", 4}}); // the body feature is scroll mode by default
    Host host;
    ASSERT_TRUE(host.Start());
    Target target;
    ASSERT_TRUE(target.Start("scroll", {150, 100, 650, 500}, "lines:300"));
    auto line = [&] { return SendMessageA(target.edit, EM_GETFIRSTVISIBLELINE, 0, 0); };
    RECT client;
    GetClientRect(target.edit, &client);
    // The line scrolled to at once, and the line at the release.
    auto hold = [&](LONG y, DWORD ms) {
        MoveMouseTo(Target::At(target.edit, 30, y));
        LONG scrolls = target.Count(SawVScroll);
        Press(Middle, true);
        WaitUntil([&] { return target.Count(SawVScroll) > scrolls; }, 80);
        LRESULT atOnce = line();
        PumpFor(ms);
        Press(Middle, false);
        SendMessageA(host.window, WM_NULL, 0, 0);
        return std::make_pair(atOnce, line());
    };
    auto down = hold(client.bottom / 2 + 20, 1000);
    EXPECT_GE(down.first, 1) << "one line at once";
    EXPECT_TRUE(down.second >= 6 && down.second <= 14) << "about ten more in a second";
    EXPECT_EQ(target.Count(SawCopy), 1) << "the selection is copied at the start only";
    EXPECT_EQ(target.Count(SawMButtonDown) + target.Count(SawMButtonUp), 0);
    PumpFor(400);
    EXPECT_EQ(line(), down.second) << "the release ends scroll mode";
    SendMessageA(target.edit, EM_LINESCROLL, 0, 100 - line());
    auto up = hold(10, 600);
    EXPECT_TRUE(up.first <= 99 && up.second <= 96);
    LONG scrolls = target.Count(SawVScroll);
    hold(client.bottom / 2, 400);
    EXPECT_EQ(target.Count(SawVScroll), scrolls) << "the middle line scrolls nothing";
}

void WriteJournal(const char* name, JournalKind kind, HWND window, DWORD processId,
                  const char* className) {
    JournalRecord record = {kind, static_cast<DWORD>(Low16(window)), processId, 560, {}};
    strncpy(record.className, className, sizeof record.className - 1);
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, (ProductPath + "\\Journal").c_str(), 0, nullptr,
                    REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<BYTE*>(&record), sizeof record);
    RegCloseKey(key);
}

TEST(EndToEnd, TheNextStartGivesBackWhatAKilledHostLeftAndNothingElse) {
    DeleteTree(HKEY_CURRENT_USER, ProductPath); // a first run: the caption feature is the tray
    auto host = std::make_unique<Host>();
    ASSERT_TRUE(host->Start());
    HWND oldHost = host->window;
    Target hidden, rolled;
    ASSERT_TRUE(hidden.Start("crash1", {60, 60, 460, 280}));
    ClickAt(hidden.Caption(), Middle);
    ASSERT_TRUE(rolled.Start("crash2", {300, 350, 700, 570}));
    PostMessageA(host->window, UM_ROLL_WINDOW, Low16(rolled.window), 0);
    ASSERT_TRUE(WaitUntil([&] { return RegionBottom(rolled.window) == RolledBottom(); }));
    ASSERT_FALSE(Visible(hidden.window));
    TerminateProcess(host->process.info.hProcess, 1); // nothing of the shutdown runs
    host->process.Wait(5000);
    // Wine keeps calling a killed host's hook: it must let middle clicks through now.
    ClickAt(rolled.Caption(), Middle);
    EXPECT_TRUE(WaitUntil([&] { return rolled.Count(SawNcMButtonDown) > 0; }));
    // Entries whose window is now of another process, or of another class, are left alone;
    // a value that is no record is ignored.
    HWND otherProcess = CreateWindowA("STATIC", "", WS_OVERLAPPEDWINDOW, 9, 9, 99, 99, 0, 0, 0, 0);
    HWND otherClass =
        CreateWindowA("STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 9, 9, 99, 99, 0, 0, 0, 0);
    SetWindowRgn(otherClass, CreateRectRgn(0, 0, 50, 10), FALSE);
    WriteJournal("Hidden 560", JournalHidden, otherProcess, GetCurrentProcessId() + 4, "Static");
    WriteJournal("Rolled 1", JournalRolled, otherClass, GetCurrentProcessId(), "Other");
    SetString(ProductPath + "\\Journal", "Garbage", "not a record");
    host = std::make_unique<Host>();
    ASSERT_TRUE(host->Start());
    EXPECT_TRUE(WaitUntil([&] { return Visible(hidden.window); }));
    EXPECT_TRUE(WaitUntil([&] { return RegionBottom(rolled.window) == UnrolledBottom(); }));
    EXPECT_FALSE(Notify(NIM_MODIFY, oldHost, 555)) << "an icon of the killed host is left over";
    EXPECT_FALSE(Visible(otherProcess));
    EXPECT_EQ(RegionBottom(otherClass), 10);
    EXPECT_FALSE(KeyExists(ProductPath + "\\Journal"));
}

} // namespace
