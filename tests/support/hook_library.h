// The hook library as a test sees it: loaded into the test process, its exports looked up by
// name, and its shared record found through the SHARDATA section of the loaded image.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hook/quillet99hook.h"

struct HookLibrary {
    HMODULE module = nullptr;
    HookSharedRecord* shared = nullptr;

    decltype(&WEP) wep = nullptr;
    decltype(&InstallMouseHook) install = nullptr;
    decltype(&UninstallMouseHook) uninstall = nullptr;
    decltype(&MouseHook) mouseHook = nullptr;
    decltype(&ActivateIt) activateIt = nullptr;
    decltype(&ActivateFeature) activateFeature = nullptr;
    decltype(&ActivateScroll) activateScroll = nullptr;
    decltype(&ActivateCaptionFeature) activateCaptionFeature = nullptr;
    decltype(&ActivateBodyFeature) activateBodyFeature = nullptr;
    decltype(&ActivateRightTray) activateRightTray = nullptr;
    decltype(&ActivateRightRoll) activateRightRoll = nullptr;
    decltype(&TellHookCustWin) tellHookCustWin = nullptr;

    // Loads "QUILLET99HOOK.DLL" from the test's directory, or the file named.
    bool Load(const std::string& path = "QUILLET99HOOK.DLL");
    void Free();
};

// The section of a loaded image, or null.
void* FindLoadedSection(HMODULE module, const char* name);

struct FileSection {
    DWORD characteristics = 0;
    std::vector<unsigned char> raw;
};
// Reads a section's header and raw bytes from an image file on disk.
bool ReadFileSection(const std::string& path, const char* name, FileSection& section);

// Host-format per-application records (528 bytes each), ending with an empty one.
struct CustomRecords {
    std::vector<unsigned char> bytes;
    void Add(const char* className, LONG caption, LONG body, const char* title = "");
    unsigned char* Record(size_t index);
    // Ends the array with an empty record and returns it for TellHookCustWin.
    const void* Data();
};
