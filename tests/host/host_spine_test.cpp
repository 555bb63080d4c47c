// The real host with a separate target program, driven by real mouse input.
#include <gtest/gtest.h>

#include <random>

#include "desktop.h"
#include "host_process.h"
#include "hook/host_messages.h"
#include "registry.h"

namespace {

// Mouse input is handled in order: once a later click has arrived, an earlier one that was
// not swallowed would have arrived too.
bool ArrivesAfter(TargetProgram& target, POINT at, TargetEvent proof) {
    LONG before = target.Count(proof);
    ClickAt(at, Button::Left);
    return WaitUntil([&] { return target.Count(proof) > before; });
}

class HostSpine : public ::testing::Test {
  protected:
    void SetUp() override {
        UseQuietFeatures();
        ASSERT_TRUE(target.Start("spine"));
        ASSERT_TRUE(host.Start()) << "the host did not install its hook";
    }
    TargetProgram target;
    HostProcess host;
};

TEST_F(HostSpine, FeatureClicksAreSwallowedAndEverythingElseReachesTheTarget) {
    MoveMouseTo(target.CaptionPoint());
    PumpFor(50);
    MoveMouseTo(target.ClientPoint());
    EXPECT_TRUE(WaitUntil([&] { return target.Count(SawMouseMove) > 0; })) << "moves reach it";
    EXPECT_GT(target.Count(SawNcMouseMove), 0);

    ClickAt(target.CaptionPoint(), Button::Middle);
    ClickAt(target.ClientPoint(), Button::Middle);
    ASSERT_TRUE(ArrivesAfter(target, target.ClientPoint(), SawLButtonDown))
        << "left clicks reach it";
    EXPECT_EQ(target.Count(SawNcMButtonDown), 0) << "a caption feature click reached the target";
    EXPECT_EQ(target.Count(SawMButtonDown), 0) << "a body feature click reached the target";
    EXPECT_EQ(target.Count(SawMButtonUp), 0) << "the release of a body feature click too";
    EXPECT_EQ(target.Count(SawLButtonDown), 1);
}

TEST_F(HostSpine, ASecondCopyExitsAtOnceAndTheFirstKeepsRunning) {
    ChildProcess second;
    ASSERT_TRUE(second.Start("\"" + BinPath("Quillet99.exe") + "\""));
    EXPECT_EQ(second.WaitExit(5000), 0u);
    PumpFor(200);
    EXPECT_TRUE(host.Process().Running());
    EXPECT_EQ(FindWindowA("Quillet99", "Quillet 99"), host.Window());
    EXPECT_TRUE(host.HookInstalled());
}

TEST_F(HostSpine, ClosingTheHostRemovesTheHook) {
    EXPECT_EQ(host.Close(), 0u);
    EXPECT_EQ(host.Hook().shared->hookProc, nullptr);
    EXPECT_EQ(FindWindowA("Quillet99", "Quillet 99"), nullptr);

    ClickAt(target.CaptionPoint(), Button::Middle);
    EXPECT_TRUE(WaitUntil([&] { return target.Count(SawNcMButtonDown) == 1; }))
        << "a middle click no longer reaches the target";
    ClickAt(target.ClientPoint(), Button::Middle);
    EXPECT_TRUE(WaitUntil([&] { return target.Count(SawMButtonDown) == 1; }));
}

TEST_F(HostSpine, GarbageInTheSharedRecordFromAnotherProcessIsSurvived) {
    HookSharedRecord& shared = *host.Hook().shared;
    auto* bytes = reinterpret_cast<unsigned char*>(&shared);
    std::mt19937 random(42);
    const POINT points[] = {target.CaptionPoint(), target.ClientPoint(), target.EditPoint()};
    const Button buttons[] = {Button::Middle, Button::Left};
    for (int round = 0; round < 30; ++round) {
        // The installer's four words stay: they only decide where requests are posted.
        for (size_t i = offsetof(HookSharedRecord, itEnabled); i < sizeof shared; ++i)
            bytes[i] = static_cast<unsigned char>(random());
        ClickAt(points[random() % 3], buttons[random() % 2]);
    }
    PumpFor(300);
    ASSERT_TRUE(target.Process().Running()) << "the target died";
    DWORD_PTR result;
    EXPECT_NE(SendMessageTimeoutA(target.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result),
              0)
        << "the target stopped answering";
    ASSERT_TRUE(host.Process().Running());

    // Good values pushed again: switched on as the tray menu's Activate does, the rest by a
    // reload from the registry. Feature clicks work as before.
    HookLibrary& hook = host.Hook();
    hook.activateIt(1);
    SetDword(TestSettingsKey, "CaptionFeature", 3);
    PostMessageA(host.Window(), UM_RELOAD_SETTINGS, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return shared.currentCaptionFeature == 3; }));
    EXPECT_EQ(shared.customCount, 0);
    LONG caption = target.Count(SawNcMButtonDown), body = target.Count(SawMButtonDown);
    ClickAt(target.ClientPoint(), Button::Middle);
    ASSERT_TRUE(ArrivesAfter(target, target.ClientPoint(), SawLButtonDown));
    EXPECT_EQ(target.Count(SawMButtonDown), body);
    ClickAt(target.CaptionPoint(), Button::Middle);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(target.Window()); }))
        << "the caption click did not send the window to the tray";
    EXPECT_EQ(target.Count(SawNcMButtonDown), caption);
}

} // namespace
