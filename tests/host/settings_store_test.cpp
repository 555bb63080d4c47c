// The settings store against the real registry: first run, reloads, saves, hostile data.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "host_window_fixture.h"
#include "hook/quillet99hook.h"
#include "registry.h"
#include "config/registry_value.h"

namespace {

const std::string Product = TestProductKey;
const std::string SettingsPath = Product + "\\Settings";
const char RunPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

DWORD Stored(const char* name, const std::string& path = SettingsPath) {
    DWORD value = 0xDEADBEEF;
    GetDword(path, name, value);
    return value;
}

RECT WorkArea() {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

class SettingsStore : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteProductKey();
        DeleteValue(HKEY_CURRENT_USER, RunPath, "Quillet 99");
        Settings = {};
    }
    void TearDown() override { FreeCustomWindowTable(); }
};

TEST_F(SettingsStore, FirstRunWritesTheDefaultsAndCreatesEveryKey) {
    LoadSettings();
    for (const char* key : {"\\Settings", "\\Settings\\Indicator", "\\Folders", "\\Windows"})
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Product + key)) << key;
    const struct {
        const char* name;
        DWORD value;
    } defaults[] = {{"CaptionFeature", 3}, {"LogitechFeature", 0}, {"BodyFeature", 5},
                    {"LoadOnStartUp", 1},  {"ShowState", 1},       {"DetectMiddleButton", 1},
                    {"ShowTrayIcon", 1},   {"TrayOnMinimize", 0},  {"RollUpOnMaximize", 0},
                    {"FastFolders", 1},    {"HotKey", 1},          {"Chord", 0},
                    {"CtrlClipboard", 0}};
    for (const auto& d : defaults)
        EXPECT_EQ(Stored(d.name), d.value) << d.name;
    std::string text;
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, SettingsPath, "RunCommand", text));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, RunPath, "Quillet 99", text))
        << "no start-up entry before the first save";

    RECT work = WorkArea();
    EXPECT_EQ(static_cast<LONG>(Stored("PosX", SettingsPath + "\\Indicator")), work.right - 50);
    EXPECT_EQ(static_cast<LONG>(Stored("PosY", SettingsPath + "\\Indicator")), work.bottom - 50);
    EXPECT_EQ(Settings.CaptionFeature, 3);
    EXPECT_EQ(Settings.BodyFeature, 5);
    EXPECT_EQ(Settings.HotKey, 1);
    EXPECT_EQ(Settings.PosX, work.right - 50);
    EXPECT_EQ(Settings.RunCommand[0], 0);
    EXPECT_EQ(CustomWindowCount, 0);
    EXPECT_EQ(CustomWindowTable[0].ClassName[0], 0) << "the table ends with its terminator";
}

TEST_F(SettingsStore, OnlyAMissingFoldersKeyMeansFirstRun) {
    LoadSettings();
    DeleteKeyTree(HKEY_CURRENT_USER, SettingsPath);
    LoadSettings();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, SettingsPath));
    EXPECT_EQ(Stored("CaptionFeature"), 0xDEADBEEFu) << "defaults were written again";
    EXPECT_EQ(Settings.CaptionFeature, 3) << "a missing value keeps the first-run default";
    EXPECT_EQ(Settings.ShowTrayIcon, 1);
}

TEST_F(SettingsStore, AReloadTakesUpWhatAnotherProgramChanged) {
    LoadSettings();
    SetDword(SettingsPath, "CaptionFeature", 2);
    SetDword(SettingsPath, "Chord", 1);
    SetString(SettingsPath, "RunCommand", "notepad.exe");
    SetDword(SettingsPath + "\\Indicator", "PosX", static_cast<DWORD>(-20));
    LoadSettings();
    EXPECT_EQ(Settings.CaptionFeature, 2);
    EXPECT_EQ(Settings.Chord, 1);
    EXPECT_STREQ(Settings.RunCommand, "notepad.exe");
    EXPECT_EQ(Settings.PosX, -20) << "positions are signed";

    DeleteValue(HKEY_CURRENT_USER, SettingsPath, "RunCommand");
    LoadSettings();
    EXPECT_STREQ(Settings.RunCommand, "notepad.exe") << "a missing command keeps what was there";
}

TEST_F(SettingsStore, HostileValuesNeverOverrunAFieldAndLeaveSaneSettings) {
    LoadSettings();
    SetString(SettingsPath, "CaptionFeature", "3");
    WORD shortValue = 2;
    SetRaw(SettingsPath, "BodyFeature", REG_DWORD, &shortValue, sizeof shortValue);
    unsigned long long longValue = 1;
    SetRaw(SettingsPath, "HotKey", REG_DWORD, &longValue, sizeof longValue);
    SetRaw(SettingsPath, "ShowState", REG_BINARY, "\1\0\0\0", 4);
    SetString(SettingsPath, "RunCommand", std::string(600, 'x'));
    const char unterminated[8] = {'c', 'a', 'l', 'c', '.', 'e', 'x', 'e'};
    SetRaw(SettingsPath, "RunBodyCommand", REG_SZ, unterminated, sizeof unterminated);
    LoadSettings();
    EXPECT_EQ(Settings.CaptionFeature, 3) << "a text where a number belongs";
    EXPECT_EQ(Settings.BodyFeature, 5) << "a two-byte DWORD";
    EXPECT_EQ(Settings.HotKey, 1) << "an eight-byte DWORD";
    EXPECT_EQ(Settings.ShowState, 1) << "binary data";
    EXPECT_EQ(Settings.RunCommand[0], 0) << "600 characters do not fit";
    EXPECT_STREQ(Settings.RunBodyCommand, "calc.exe") << "a text without its zero";

    const DWORD wrongCaptions[] = {static_cast<DWORD>(-1), 6, 0x7fffffff, 0x80000000};
    const DWORD wrongBodies[] = {static_cast<DWORD>(-7), 8, 0x7fffffff, 0x80000000};
    for (int i = 0; i < 4; ++i) {
        SetDword(SettingsPath, "CaptionFeature", wrongCaptions[i]);
        SetDword(SettingsPath, "BodyFeature", wrongBodies[i]);
        LoadSettings();
        EXPECT_EQ(Settings.CaptionFeature, 3)
            << "caption code " << static_cast<LONG>(wrongCaptions[i]);
        EXPECT_EQ(Settings.BodyFeature, 5) << "body code " << static_cast<LONG>(wrongBodies[i]);
    }
}

// A field that ends where readable memory ends: one byte too many would fault.
template <typename Field>
Field* FieldBeforeGuardPage(size_t size) {
    auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(pages + 4096, 4096, PAGE_NOACCESS, &old);
    return reinterpret_cast<Field*>(pages + 4096 - size);
}

TEST_F(SettingsStore, ReadsStopAtTheEndOfTheirFieldWhateverIsStored) {
    const std::string path = SettingsPath + "\\GuardTest";
    LONG* number = FieldBeforeGuardPage<LONG>(sizeof(LONG));
    char* text = FieldBeforeGuardPage<char>(CommandSize);
    unsigned char big[64] = {1, 2, 3, 4, 5, 6, 7, 8};
    SetRaw(path, "Big", REG_DWORD, big, sizeof big);
    SetRaw(path, "BigBinary", REG_BINARY, big, sizeof big);
    SetString(path, "Long", std::string(600, 'y'));
    SetString(path, "Exact", std::string(CommandSize, 'z').substr(0, CommandSize - 1));
    std::string noZero(CommandSize, 'n');
    SetRaw(path, "NoZero", REG_SZ, noZero.data(), CommandSize);
    SetDword(path, "Number", 7);

    RegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, path.c_str(), KEY_READ));
    *number = 5;
    EXPECT_FALSE(ReadDwordValue(key.Handle(), "Big", *number));
    EXPECT_FALSE(ReadDwordValue(key.Handle(), "BigBinary", *number));
    EXPECT_FALSE(ReadStringValue(key.Handle(), "Number", text, CommandSize));
    EXPECT_EQ(*number, 5);
    EXPECT_TRUE(ReadDwordValue(key.Handle(), "Number", *number));
    EXPECT_EQ(*number, 7);

    strcpy(text, "kept");
    EXPECT_FALSE(ReadStringValue(key.Handle(), "Long", text, CommandSize));
    EXPECT_FALSE(ReadStringValue(key.Handle(), "NoZero", text, CommandSize))
        << "260 characters leave no room for the zero";
    EXPECT_FALSE(ReadDwordValue(key.Handle(), "Missing", *number));
    EXPECT_STREQ(text, "kept");
    EXPECT_TRUE(ReadStringValue(key.Handle(), "Exact", text, CommandSize));
    EXPECT_EQ(strlen(text), CommandSize - 1u);
}

TEST_F(SettingsStore, SaveWritesEveryValueAndAQuotedStartUpEntry) {
    LoadSettings();
    SettingsRecord values = Settings;
    values.CaptionFeature = 1;
    values.BodyFeature = 7;
    values.Chord = 1;
    values.CtrlClipboard = 1;
    strcpy(values.RunCommand, std::string(259, 'r').c_str());
    strcpy(values.RunBodyCommand, "");
    values.LoadOnStartUp = 1;
    SaveSettingsValues(values);
    LoadSettings();
    EXPECT_EQ(Settings.CaptionFeature, 1);
    EXPECT_EQ(Settings.BodyFeature, 7);
    EXPECT_EQ(Settings.Chord, 1);
    EXPECT_EQ(Settings.CtrlClipboard, 1);
    EXPECT_EQ(strlen(Settings.RunCommand), 259u) << "259 characters survive a save and a reload";

    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string run;
    ASSERT_TRUE(GetString(HKEY_CURRENT_USER, RunPath, "Quillet 99", run));
    EXPECT_EQ(run, std::string("\"") + path + "\"") << "the start-up entry must be quoted";

    values.LoadOnStartUp = 0;
    SaveSettingsValues(values);
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, RunPath, "Quillet 99", run));
}

TEST_F(SettingsStore, IndicatorPositionIsSavedFromTheWindow) {
    LoadSettings();
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, -30, 640, 50, 20, nullptr, nullptr, nullptr, nullptr);
    SaveIndicatorPos(window);
    DestroyWindow(window);
    LoadSettings();
    EXPECT_EQ(Settings.PosX, -30);
    EXPECT_EQ(Settings.PosY, 640);
    SaveIndicatorPos(nullptr);
    LoadSettings();
    EXPECT_EQ(Settings.PosX, -30) << "no window, nothing written";
}

TEST_F(SettingsStore, PerApplicationTableIsBoundedAndTerminated) {
    LoadSettings();
    const std::string windows = Product + "\\Windows";
    for (int i = 0; i < 300; ++i) {
        std::string entry = windows + "\\Class" + std::to_string(i);
        SetDword(entry, "CaptionFeature", i % 6);
        SetDword(entry, "BodyFeature", i % 8);
        SetString(entry, "Title", std::string(400, 't'));
    }
    SetString(windows + "\\NoFeatures", "Title", "bare");
    LoadCustomWindowTable();
    EXPECT_EQ(CustomWindowCount, CustomWindowTableSize - 1);
    EXPECT_EQ(CustomWindowTable[CustomWindowCount].ClassName[0], 0);
    EXPECT_EQ(CustomWindowTable[0].Title[0], 0) << "a 400-character title does not fit";

    DeleteKeyTree(HKEY_CURRENT_USER, windows);
    SetDword(windows + "\\Notepad", "CaptionFeature", 2);
    SetDword(windows + "\\Notepad", "BodyFeature", 7);
    SetString(windows + "\\Notepad", "Title", "Untitled - Notepad");
    SetString(windows + "\\Bare", "Title", "bare");
    LoadCustomWindowTable();
    ASSERT_EQ(CustomWindowCount, 2);
    const CustomWindowEntry* notepad = strcmp(CustomWindowTable[0].ClassName, "Notepad") == 0
                                           ? &CustomWindowTable[0]
                                           : &CustomWindowTable[1];
    EXPECT_EQ(notepad->CaptionFeature, 2);
    EXPECT_EQ(notepad->BodyFeature, 7);
    EXPECT_STREQ(notepad->Title, "Untitled - Notepad");
}

} // namespace
