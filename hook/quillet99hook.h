// The hook library's exports and the record it shares between every process that maps it.
#pragma once

#include <windows.h>

constexpr int SharedClassNameSize = 520;
constexpr int MaxSharedCustomEntries = 100;
constexpr LONG NoSavedFeature = 999;

// One per-application override, as the hook library keeps it.
struct SharedCustomEntry {
    char className[SharedClassNameSize];
    LONG captionFeature;
    LONG bodyFeature;
};
static_assert(sizeof(SharedCustomEntry) == 528, "shared entries are 528 bytes");

// The whole SHARDATA section (`HookShared`): one instance for all processes. Any program that maps
// the library can write it, so readers treat every word as untrusted.
struct HookSharedRecord {
    HOOKPROC hookProc;
    HHOOK hookHandle;
    HMODULE hookModule;
    HWND hostWindow;
    LONG itEnabled;
    LONG scrollEnabled;
    LONG savedCaptionFeature;
    LONG savedBodyFeature;
    LONG currentCaptionFeature;
    LONG currentBodyFeature;
    LONG featureValue;
    LONG rightTrayEnabled;
    LONG rightRollEnabled;
    LONG customCount;
    SharedCustomEntry customTable[MaxSharedCustomEntries];
    // Odd while TellHookCustWin rewrites customTable; readers discard a search that saw it
    // change.
    LONG tableSequence;
};

// The host's per-application record as TellHookCustWin reads it: a class name from byte 0,
// the host's copy of the title behind it, the two feature codes at 520 and 524.
constexpr int CustomRecordSize = 528;
constexpr int CustomRecordCaptionOffset = 520;
constexpr int CustomRecordBodyOffset = 524;

#ifdef QUILLET99HOOK_BUILD
#define QUILLET99HOOK_API extern "C"
#else
#define QUILLET99HOOK_API extern "C" __declspec(dllimport)
#endif

QUILLET99HOOK_API int WINAPI WEP(int unused);
QUILLET99HOOK_API HHOOK WINAPI InstallMouseHook(HWND hostWindow);
QUILLET99HOOK_API BOOL WINAPI UninstallMouseHook(void);
QUILLET99HOOK_API LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM event);
QUILLET99HOOK_API LONG WINAPI ActivateIt(LONG enabled);
QUILLET99HOOK_API LONG WINAPI ActivateFeature(LONG value);
QUILLET99HOOK_API LONG WINAPI ActivateScroll(LONG enabled);
QUILLET99HOOK_API LONG WINAPI ActivateCaptionFeature(LONG code);
QUILLET99HOOK_API LONG WINAPI ActivateBodyFeature(LONG code);
QUILLET99HOOK_API LONG WINAPI ActivateRightTray(LONG enabled);
QUILLET99HOOK_API LONG WINAPI ActivateRightRoll(LONG enabled);
QUILLET99HOOK_API void WINAPI TellHookCustWin(const void* records);
