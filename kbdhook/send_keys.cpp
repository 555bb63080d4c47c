// Turns a key string into keyboard input. Runs without a C runtime, so everything is on the
// stack and bounded.
#define KBDHOOK_BUILD
#include "kbdhook/kbdhook.h"

namespace {

constexpr int MaxKeys = 256;

constexpr BYTE ShiftBit = 1, ControlBit = 2, AltBit = 4;
constexpr struct {
    BYTE bit;
    BYTE key;
} Modifiers[] = {{ControlBit, VK_CONTROL}, {ShiftBit, VK_SHIFT}, {AltBit, VK_MENU}};

// keybd_event rather than SendInput, which Windows 95 and NT 4.0 before Service Pack 3 lack.
// Each event is in the input queue when the call returns.
int Key(BYTE key, bool up) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)),
                up ? KEYEVENTF_KEYUP : 0, 0);
    return 1;
}

int Press(BYTE key, BYTE modifiers) {
    int sent = 0;
    for (const auto& m : Modifiers)
        if (modifiers & m.bit) sent += Key(m.key, false);
    sent += Key(key, false);
    sent += Key(key, true);
    for (int i = sizeof Modifiers / sizeof Modifiers[0] - 1; i >= 0; --i)
        if (modifiers & Modifiers[i].bit) sent += Key(Modifiers[i].key, true);
    return sent;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

KBDHOOK_API int WINAPI SendKeys(const char* keys) {
    if (!keys) return 0;
    int sent = 0;
    BYTE held = 0;
    for (int i = 0; i < MaxKeys && keys[i]; ++i) {
        char c = keys[i];
        if (c == '^') {
            held |= ControlBit;
            continue;
        }
        if (c == '+') {
            held |= ShiftBit;
            continue;
        }
        if (c == '%') {
            held |= AltBit;
            continue;
        }
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) {
            held = 0;
            continue;
        }
        sent += Press(LOBYTE(scan), static_cast<BYTE>(held | HIBYTE(scan)));
        held = 0;
    }
    return sent;
}
