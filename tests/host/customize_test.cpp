// The per-application table under hostile registry data, and the indicator's pictures and place,
// with the host's own code.
#include <gtest/gtest.h>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "core/main_window.h"
#include "harness.h"
#include "indicator/indicator.h"

namespace {

HookLibrary Hook;
constexpr LONG No = -99; // a value missing

TEST(CustomWindows, HostileRegistryDataNeitherOverrunsTheTableNorReachesTheHookLibraryBroken) {
    LoadSettings(); // a first run: the global features are 3 and 5, standing in for missing ones
    // A class, its caption and body features, its title ("#": a number), and its entry then.
    const std::tuple<std::string, LONG, LONG, std::string, std::string> rows[] = {
        {"A body missing, a title of a number", 5, No, "#", "5 5 "},
        {"A caption missing, a title missing", No, 0, "", "3 0 "},
        {"A title too long", 0, 7, std::string(300, 't'), "0 7 "},
        {std::string(255, 'A'), 1, 2, "Editor", "1 2 Editor"}}; // the longest name
    HKEY keys; // opened here: a whole path to the longest name is too long for the ANSI calls
    RegCreateKeyA(HKEY_CURRENT_USER, WindowsPath.c_str(), &keys);
    for (const auto& [name, caption, body, title, entry] : rows) {
        const char* key = name.c_str();
        if (caption != No) SHSetValueA(keys, key, "CaptionFeature", REG_DWORD, &caption, 4);
        if (body != No) SHSetValueA(keys, key, "BodyFeature", REG_DWORD, &body, 4);
        DWORD type = title == "#" ? REG_DWORD : REG_SZ, size = title.size() + 1;
        if (size > 1) SHSetValueA(keys, key, "Title", type, title.c_str(), size);
    }
    RegCloseKey(keys);
    for (int i = 0; i < 300; ++i) // enumerated after the rows
        SetDword(WindowsPath + "\\Z" + std::to_string(i), "BodyFeature", 1);
    ApplySettings();
    EXPECT_TRUE(CustomWindowCount == 255 && !CustomWindowTable[255].ClassName[0]);
    EXPECT_EQ(Hook.shared->customCount, 100);
    EXPECT_STREQ(Hook.shared->customTable[3].className, std::get<0>(rows[3]).c_str());
    for (int i = 0; i < 4; ++i) {
        const CustomWindowEntry& read = CustomWindowTable[i];
        EXPECT_EQ(read.ClassName + (" " + std::to_string(read.CaptionFeature)) + " " +
                      std::to_string(read.BodyFeature) + " " + read.Title,
                  std::get<0>(rows[i]) + " " + std::get<4>(rows[i]));
    }
}

TEST(Indicator, ShowsTheLastMatchingEntryExactlyAndComesBackOntoTheScreen) {
    LoadSettings();
    AppInstance = GetModuleHandleA(nullptr);
    // A face wholly off the screen goes where a first run puts it, and is stored there.
    std::string places;
    for (POINT stored : {POINT{-30, -30}, {1000, 740}, {-60, 100}, {100, 5000}}) {
        DestroyWindow(IndicatorWindow);
        SetDword(SettingsPath + "\\Indicator", "PosX", 1);
        Settings.PosX = stored.x, Settings.PosY = stored.y;
        CreateIndicator(nullptr);
        RECT frame;
        GetWindowRect(IndicatorWindow, &frame);
        places += std::to_string(frame.left) + "," + std::to_string(frame.top) + "/" +
                  Stored(SettingsPath + "\\Indicator", "PosX") + " ";
    }
    EXPECT_EQ(places, "-30,-30/1 1000,740/1 974,698/974 974,698/974 ") << "a 1024 x 748 work area";

    ShowWindow(IndicatorWindow, SW_SHOWNA);
    HWND mine = MakeWindow("QuilletMine");
    const CustomWindowEntry entries[] = {
        {"QuilletMine", "", 0, 7}, {"QuilletMine", "", 5, 0}, {"QUILLETMINE", "", 2, 2}};
    CustomWindowCount = 3;
    memcpy(CustomWindowTable, entries, sizeof entries);
    ASSERT_TRUE(BringToFront(mine));
    OnIndicatorTimer();
    EXPECT_EQ(Pictures(IndicatorWindow), "1149 1161 ") << "the later entry, letter case and all";
    DestroyWindow(IndicatorWindow), DestroyWindow(mine);
}

} // namespace
