// The shared record, the per-process words, the library's entry point and its exports other
// than the hook procedure. No C runtime is linked: nothing here may need one.
#define QUILLET99HOOK_BUILD
#include "hook/hook_state.h"

// The first program to map the library sees this image.
#if defined(_MSC_VER)
#pragma data_seg("SHARDATA")
#pragma comment(linker, "/SECTION:SHARDATA,RWS")
#define SHARED_SECTION
#else
#define SHARED_SECTION __attribute__((section("SHARDATA"), shared))
#endif
SHARED_SECTION HookSharedRecord HookShared = {
    nullptr,        // hookProc
    nullptr,        // hookHandle
    nullptr,        // hookModule
    nullptr,        // hostWindow
    1,              // itEnabled
    1,              // scrollEnabled
    NoSavedFeature, // savedCaptionFeature
    NoSavedFeature, // savedBodyFeature
    0,              // currentCaptionFeature
    0,              // currentBodyFeature
    0,              // featureValue
    0,              // rightTrayEnabled
    0,              // rightRollEnabled
    0,              // customCount
    {},             // customTable
    0,              // tableSequence
};
#if defined(_MSC_VER)
#pragma data_seg()
#endif

LONG startMenuPending;
const MOUSEHOOKSTRUCT* currentEvent;
char classUnderCursor[20];

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

QUILLET99HOOK_API int WINAPI WEP(int) {
    return 1;
}

QUILLET99HOOK_API HHOOK WINAPI InstallMouseHook(HWND hostWindow) {
    HookShared.hostWindow = hostWindow;
    HMODULE self = LoadLibraryA("QUILLET99HOOK.DLL");
    HookShared.hookModule = self;
    HOOKPROC proc =
        self
            ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(self, "MouseHook")))
            : nullptr;
    HookShared.hookProc = proc;
    if (!proc) return nullptr;
    HookShared.hookHandle = SetWindowsHookExA(WH_MOUSE, proc, self, 0);
    return HookShared.hookHandle;
}

QUILLET99HOOK_API BOOL WINAPI UninstallMouseHook(void) {
    if (HookShared.hookProc) {
        UnhookWindowsHookEx(HookShared.hookHandle);
        HookShared.hookProc = nullptr;
    }
    HMODULE self = HookShared.hookModule;
    if (!self) return FALSE;
    // Cleared first: the reference we drop might be the one that keeps this code mapped.
    HookShared.hookModule = nullptr;
    return FreeLibrary(self);
}

QUILLET99HOOK_API LONG WINAPI ActivateIt(LONG enabled) {
    return HookShared.itEnabled = enabled;
}

QUILLET99HOOK_API LONG WINAPI ActivateFeature(LONG value) {
    return HookShared.featureValue = value;
}

QUILLET99HOOK_API LONG WINAPI ActivateScroll(LONG enabled) {
    return HookShared.scrollEnabled = enabled;
}

QUILLET99HOOK_API LONG WINAPI ActivateCaptionFeature(LONG code) {
    HookShared.savedCaptionFeature = NoSavedFeature;
    return HookShared.currentCaptionFeature = code;
}

QUILLET99HOOK_API LONG WINAPI ActivateBodyFeature(LONG code) {
    HookShared.savedBodyFeature = NoSavedFeature;
    return HookShared.currentBodyFeature = code;
}

QUILLET99HOOK_API LONG WINAPI ActivateRightTray(LONG enabled) {
    return HookShared.rightTrayEnabled = enabled;
}

QUILLET99HOOK_API LONG WINAPI ActivateRightRoll(LONG enabled) {
    return HookShared.rightRollEnabled = enabled;
}

static LONG ReadUnalignedLong(const unsigned char* bytes) {
    return static_cast<LONG>(static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 |
                             static_cast<DWORD>(bytes[2]) << 16 |
                             static_cast<DWORD>(bytes[3]) << 24);
}

// Takes the class name up to its zero and nothing behind it; a name without a zero is cut so
// that the entry always holds a terminated string.
static void CopyClassName(char* to, const unsigned char* from) {
    int i = 0;
    for (; i < SharedClassNameSize - 1 && from[i]; ++i)
        to[i] = static_cast<char>(from[i]);
    for (; i < SharedClassNameSize; ++i)
        to[i] = 0;
}

QUILLET99HOOK_API void WINAPI TellHookCustWin(const void* records) {
    const auto* source = static_cast<const unsigned char*>(records);
    // Odd while the table is rewritten. Forcing the low bit repairs a counter that another
    // program left odd.
    LONG sequence = ReadShared(HookShared.tableSequence) | 1;
    InterlockedExchange(&HookShared.tableSequence, sequence);

    LONG copied = 0;
    while (source && copied < MaxSharedCustomEntries) {
        const unsigned char* record = source + copied * CustomRecordSize;
        if (!record[0]) break;
        SharedCustomEntry& entry = HookShared.customTable[copied];
        CopyClassName(entry.className, record);
        entry.captionFeature = ReadUnalignedLong(record + CustomRecordCaptionOffset);
        entry.bodyFeature = ReadUnalignedLong(record + CustomRecordBodyOffset);
        ++copied;
    }
    HookShared.customCount = copied;
    InterlockedExchange(&HookShared.tableSequence, sequence + 1);
}
