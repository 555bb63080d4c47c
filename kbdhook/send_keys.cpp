// Turns a key string into keyboard input. Runs without a C runtime, so everything is on the
// stack and bounded.
#define KBDHOOK_BUILD
#include "kbdhook/kbdhook.h"

namespace {

constexpr int MaxKeys = 256;
constexpr int BatchSize = 64;

constexpr BYTE ShiftBit = 1, ControlBit = 2, AltBit = 4;
constexpr struct {
    BYTE bit;
    WORD key;
} Modifiers[] = {{ControlBit, VK_CONTROL}, {ShiftBit, VK_SHIFT}, {AltBit, VK_MENU}};

struct Batch {
    INPUT events[BatchSize];
    int count;
    int sent;
};

void Flush(Batch& batch) {
    if (batch.count)
        batch.sent += static_cast<int>(SendInput(batch.count, batch.events, sizeof(INPUT)));
    batch.count = 0;
}

void Add(Batch& batch, WORD key, bool up) {
    if (batch.count == BatchSize) Flush(batch);
    INPUT& input = batch.events[batch.count++];
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.ki.time = 0;
    input.ki.dwExtraInfo = 0;
}

void Press(Batch& batch, WORD key, BYTE modifiers) {
    for (const auto& m : Modifiers)
        if (modifiers & m.bit) Add(batch, m.key, false);
    Add(batch, key, false);
    Add(batch, key, true);
    for (int i = sizeof Modifiers / sizeof Modifiers[0] - 1; i >= 0; --i)
        if (modifiers & Modifiers[i].bit) Add(batch, Modifiers[i].key, true);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

KBDHOOK_API int WINAPI SendKeys(const char* keys) {
    if (!keys) return 0;
    Batch batch;
    batch.count = 0;
    batch.sent = 0;
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
        Press(batch, LOBYTE(scan), static_cast<BYTE>(held | HIBYTE(scan)));
        held = 0;
    }
    Flush(batch);
    return batch.sent;
}
