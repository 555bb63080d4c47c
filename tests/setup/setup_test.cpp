// The set-up program and its uninstaller, run silently in a prefix of their own, and the
// installed host with a target program, driven by real input.
#include <gtest/gtest.h>

#include "harness.h"
#include "resources/resource_ids.h"
#include "resources/version.h"

// A dot in a folder's name, where the host looks for its help all the same.
const std::string Dir = "C:\\Quillet.Tools\\Quillet 99\\",
                  Menu = std::string(getenv("ProgramData")) +
                         "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet 99\\",
                  Entry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet 99",
                  Mouse = "SOFTWARE\\Logitech\\MouseWare\\CurrentVersion";
const std::string Made[] = {Dir + "Quillet99.exe",        Dir + "QUILLET99HOOK.DLL",
                            Dir + "KBDHOOK.DLL",          Dir + "Quillet99.hlp",
                            Dir + "Quillet99.cnt",        Dir + "README.txt",
                            Dir + "Uninstall.exe",        Menu + "Quillet 99.lnk",
                            Menu + "Quillet 99 Help.lnk", Menu + "Uninstall.lnk"};

TEST(Setup, InstallsUpdatesOverARunningHostAndUninstallsCleanly) {
    auto present = [] {
        return std::count_if(Made, Made + 10, [](auto& f) { return PathFileExistsA(f.c_str()); });
    };
    auto entry = [](const char* name) { return Stored(Entry, name, HKEY_LOCAL_MACHINE); };
    auto host = [] { return FindWindowA("Quillet99", "Quillet 99"); };
    auto sendToTray = [](Target& t) { // middle clicks until a host started just now takes one
        auto gone = [&] { return !IsWindowVisible(t.window); };
        return WaitUntil([&] { return ClickAt(t.Caption(), Middle), WaitUntil(gone, 500); }, 15000);
    };
    SHDeleteKeyA(HKEY_CURRENT_USER, ProductPath.c_str()); // whatever other tests left: a first run
    const std::string setup = "\"" + BinPath("..\\setup\\Quillet99-setup.exe") + "\" /S";
    ASSERT_TRUE(!system((setup + " /D=" + Dir).c_str()) && present() == 10) << present();
    EXPECT_EQ(entry("DisplayName") + entry("Publisher") + entry("DisplayVersion"),
              "Quillet 99Brantle Software" QUILLET_VERSION_TEXT);
    Target target, later;
    Child first;
    ASSERT_TRUE(target.Start("Setup") && first.Start("\"" + Made[0] + "\"") && sendToTray(target));

    // Its "Help" opens the help file beside it on its contents.
    PostMessageA(host(), WM_COMMAND, IDM_HELP, 0);
    char t[400] = {}; // the text of the help window's topic
    auto help = [] { return FindWindowExA(FindWindowA("MS_WINHELP", 0), 0, "RichEdit20A", 0); };
    EXPECT_TRUE(WaitUntil([&] {
        return SendMessageA(help(), WM_GETTEXT, 99, LPARAM(t)) && !memcmp(t, "Quillet 99 Help", 15);
    })) << t;
    PostMessageA(FindWindowA("MS_WINHELP", 0), WM_CLOSE, 0, 0); // a later run must open its own

    // An update, into the folder of the first install: the running host gives the window back,
    // ends and starts again; the files are new and the user's settings stay.
    SetDword(SettingsPath, "BodyFeature", 7);
    std::ofstream(Made[3]) << "old";
    ASSERT_EQ(system(setup.c_str()), 0);
    EXPECT_TRUE(IsWindowVisible(target.window) && first.Wait(5000) == 0);
    EXPECT_GT(std::ifstream(Made[3], std::ios::ate).tellg(), 1000);
    EXPECT_EQ(Stored(SettingsPath, "BodyFeature"), "7");
    // Wine keeps a hook library in every program it was loaded into: a program started before the
    // update would go on with the old one.
    ASSERT_TRUE(WaitUntil(host) && later.Start("Later") && sendToTray(later));

    // Removed with the host running and a window in the tray: the window comes back, and all
    // that is Quillet 99's goes, but no more.
    SetString(RunPath, "Quillet 99", Made[0]);
    SHSetValueA(HKEY_LOCAL_MACHINE, Mouse.c_str(), "ActiveMouse", REG_SZ, "0000", 5);
    system(("\"" + Made[6] + "\" /S").c_str()); // it goes on in a copy of itself
    EXPECT_TRUE(WaitUntil([&] { return entry("DisplayName") == "<none>"; }, 30000));
    EXPECT_TRUE(IsWindowVisible(later.window) && !host() && !present() &&
                !PathFileExistsA(Dir.c_str()));
    EXPECT_EQ(Stored(RunPath, "Quillet 99") + Stored(SettingsPath, "BodyFeature"), "<none><none>");
    EXPECT_EQ(Stored(Mouse, "ActiveMouse", HKEY_LOCAL_MACHINE), "0000");
}
