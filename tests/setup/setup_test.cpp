// The set-up program and its uninstaller, run silently in a prefix of their own, and the
// installed host with a target program, driven by real input.
#include <gtest/gtest.h>

#include "harness.h"
#include "resources/resource_ids.h"
#include "resources/version.h"

// A dot in a folder's name, where the host looks for its help all the same; the folder of
// another program too, with a readme and an uninstaller of the usual names.
const std::string Dir = "C:\\Quillet.Tools\\",
                  Theirs[] = {Dir + "README.txt", Dir + "Uninstall.exe"},
                  Menu = std::string(getenv("ProgramData")) +
                         "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet 99\\",
                  Entry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet 99",
                  Mouse = "SOFTWARE\\Logitech\\MouseWare\\CurrentVersion",
                  Session = "System\\CurrentControlSet\\Control\\Session Manager";
const std::string Made[] = {Dir + "Quillet99.exe",   Dir + "QUILLET99HOOK.DLL",
                            Dir + "KBDHOOK.DLL",     Dir + "Quillet99.hlp",
                            Dir + "Quillet99.cnt",   Dir + "Quillet99.txt",
                            Menu + "Quillet 99.lnk", Menu + "Quillet 99 Help.lnk",
                            Menu + "Uninstall.lnk",  Dir + "Uninstall Quillet 99.exe"};
// The other program's readme, then its uninstaller: a megabyte, more than all of Quillet 99;
// no line ends, which text mode would translate.
const std::string TheirBytes = "Their readme" + std::string(1 << 20, 'U');

TEST(Setup, InstallsUpdatesOverARunningHostAndUninstallsBesideAnotherProgram) {
    auto present = [] {
        return std::count_if(Made, Made + 10, [](auto& f) { return PathFileExistsA(f.c_str()); });
    };
    auto entry = [](const char* name) { return Stored(Entry, name, HKEY_LOCAL_MACHINE); };
    auto host = [] { return FindWindowA("Quillet99", "Quillet 99"); };
    auto sendToTray = [](Target& t) { // middle clicks until a host started just now takes one
        auto gone = [&] { return !IsWindowVisible(t.window); };
        return WaitUntil([&] { return ClickAt(t.Caption(), Middle), WaitUntil(gone, 500); }, 15000);
    };
    auto theirs = [](std::string a = "", std::string b = "") { // byte for byte
        std::getline(std::ifstream(Theirs[0]), a, '\0');
        return std::getline(std::ifstream(Theirs[1]), b, '\0') && a + b == TheirBytes;
    };
    SHDeleteValueA(HKEY_LOCAL_MACHINE, Session.c_str(), "PendingFileRenameOperations");
    CreateDirectoryA(Dir.c_str(), nullptr);
    std::ofstream(Theirs[0]) << TheirBytes.substr(0, 12);
    std::ofstream(Theirs[1]) << TheirBytes.substr(12);
    const std::string setup = "\"" + BinPath("..\\setup\\Quillet99-setup.exe") + "\" /S";
    ASSERT_TRUE(!system((setup + " /D=" + Dir).c_str()) && present() == 10) << present();
    EXPECT_EQ(entry("DisplayName") + entry("Publisher") + entry("DisplayVersion"),
              "Quillet 99Brantle Software" QUILLET_VERSION_TEXT);
    EXPECT_TRUE(theirs() && std::stoi(entry("EstimatedSize")) < 1000) << entry("EstimatedSize");
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
    // The old hook library, which the first target still holds, went aside beside the new one, to
    // be deleted at the next start.
    std::string aside = Stored(Session, "PendingFileRenameOperations", HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(theirs() && !aside.find("\\??\\" + Dir) && PathFileExistsA(&aside[4])) << aside;

    // Removed with the host running and a window in the tray: the window comes back, and all
    // that is Quillet 99's goes, but no more: not the other program's files beside it.
    SetString(RunPath, "Quillet 99", Made[0]);
    SHSetValueA(HKEY_LOCAL_MACHINE, Mouse.c_str(), "ActiveMouse", REG_SZ, "0000", 5);
    system(("\"" + Made[9] + "\" /S").c_str()); // it goes on in a copy of itself
    EXPECT_TRUE(WaitUntil([&] { return entry("DisplayName") == "<none>"; }, 30000));
    EXPECT_TRUE(IsWindowVisible(later.window) && !host() && !present() && theirs());
    EXPECT_EQ(Stored(RunPath, "Quillet 99") + Stored(SettingsPath, "BodyFeature"), "<none><none>");
    EXPECT_EQ(Stored(Mouse, "ActiveMouse", HKEY_LOCAL_MACHINE), "0000");
}
