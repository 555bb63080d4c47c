// MouseHook against random input: random messages, hit-test codes, points and window handles
// (live, dead, null), with random contents written into the shared record between calls. The
// calls run inside a program of their own, which must come out alive.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "desktop.h"
#include "hook_library.h"

namespace {

constexpr unsigned FuzzSeed = 19990101;
constexpr int FuzzCalls = 100000;
constexpr DWORD FuzzTimeLimitMs = 120000;

TEST(HookFuzz, RandomCallsAndARandomSharedRecordNeverTakeTheProgramDown) {
    ChildProcess child;
    ASSERT_TRUE(child.Start("\"" + BinPath("hook_tests.exe") + "\" --fuzz " +
                            std::to_string(FuzzSeed) + " " + std::to_string(FuzzCalls)));
    DWORD code = child.WaitExit(FuzzTimeLimitMs + 30000);
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE)) << "a call did not return";
    EXPECT_EQ(code, 0u) << "the program died or gave up (exit code " << code << ")";
}

LRESULT CALLBACK Plain(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

} // namespace

// Child mode. Exit code 0: every call returned and the program still answers.
int FuzzMouseHook(unsigned seed, int calls) {
    HookLibrary lib;
    if (!lib.Load()) return 10;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Plain;
    wc.lpszClassName = "QuilletFuzzWindow";
    RegisterClassA(&wc);
    HWND host = CreateWindowA("QuilletFuzzWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr);
    std::vector<HWND> handles = {nullptr};
    std::vector<HWND> live;
    for (int i = 0; i < 4; ++i) {
        HWND top = CreateWindowA("QuilletFuzzWindow", "fuzz", WS_OVERLAPPEDWINDOW, 50 * i, 50 * i,
                                 200, 150, nullptr, nullptr, nullptr, nullptr);
        HWND child = CreateWindowA("QuilletFuzzWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                   top, nullptr, nullptr, nullptr);
        live.push_back(top);
        live.push_back(child);
    }
    // A foreground window of this program, so that every click looks for an override.
    ShowWindow(live[0], SW_SHOW);
    SetForegroundWindow(live[0]);
    for (int i = 0; i < 3; ++i) {
        HWND dead = CreateWindowA("QuilletFuzzWindow", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                  nullptr);
        DestroyWindow(dead);
        handles.push_back(dead);
    }
    handles.insert(handles.end(), live.begin(), live.end());

    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto* record = reinterpret_cast<unsigned char*>(lib.shared);
    const size_t firstSwitch = offsetof(HookSharedRecord, itEnabled);
    const UINT messages[] = {
        WM_MOUSEMOVE,     WM_LBUTTONDOWN,   WM_LBUTTONUP,      WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
        WM_RBUTTONUP,     WM_RBUTTONDBLCLK, WM_MBUTTONDOWN,    WM_MBUTTONUP,     WM_MBUTTONDBLCLK,
        WM_MOUSEWHEEL,    WM_NCMOUSEMOVE,   WM_NCLBUTTONDOWN,  WM_NCRBUTTONDOWN, WM_NCRBUTTONUP,
        WM_NCMBUTTONDOWN, WM_NCMBUTTONUP,   WM_NCMBUTTONDBLCLK};
    const int codes[] = {HC_ACTION, HC_NOREMOVE, -1, 7};
    DWORD start = GetTickCount();
    for (int call = 0; call < calls; ++call) {
        if (GetTickCount() - start > FuzzTimeLimitMs) return 11;
        if (call % 64 == 0) {
            // Random bytes anywhere but in the installer's words, which decide where posts go.
            size_t at =
                firstSwitch + pick(static_cast<int>(sizeof(HookSharedRecord) - firstSwitch));
            size_t length = 1 + pick(600);
            for (size_t i = at; i < sizeof(HookSharedRecord) && i < at + length; ++i)
                record[i] = static_cast<unsigned char>(random());
            // Now and then small codes, so that every dispatch path is taken.
            if (pick(2)) lib.shared->currentCaptionFeature = pick(9) - 1;
            if (pick(2)) lib.shared->currentBodyFeature = pick(10) - 1;
            if (pick(3) == 0) lib.shared->itEnabled = 1;
            if (pick(3) == 0) lib.shared->scrollEnabled = 1;
            if (pick(4) == 0) lib.shared->tableSequence &= ~1;
            if (pick(8) == 0) {
                int entry = pick(MaxSharedCustomEntries);
                strcpy(lib.shared->customTable[entry].className, "QuilletFuzzWindow");
            }
            lib.shared->hostWindow = pick(4) ? host : nullptr;
            lib.shared->hookProc = pick(8) ? lib.mouseHook : nullptr;
            lib.shared->hookHandle = reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(random()));
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SCROLL] = static_cast<BYTE>(pick(3) == 0 ? 1 : pick(256));
            SetKeyboardState(keys);
        }
        MOUSEHOOKSTRUCT event = {};
        event.pt.x = static_cast<LONG>(random()) >> pick(32);
        event.pt.y = static_cast<LONG>(random()) >> pick(32);
        event.hwnd = handles[pick(static_cast<int>(handles.size()))];
        event.wHitTestCode = pick(2) ? static_cast<UINT>(pick(32)) : static_cast<UINT>(random());
        event.dwExtraInfo = random();
        UINT message = messages[pick(sizeof messages / sizeof messages[0])];
        LPARAM parameter = pick(50) ? reinterpret_cast<LPARAM>(&event) : 0;
        lib.mouseHook(codes[pick(4)], message, parameter);
        if (call % 256 == 0) {
            // The requests and clicks posted meanwhile are dropped, not carried out; only
            // painting is done, or it would be asked for again and again.
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                if (msg.message == WM_PAINT) DispatchMessageA(&msg);
        }
    }
    for (HWND window : live)
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr)) return 12;
    CustomRecords none;
    lib.tellHookCustWin(none.Data());
    lib.activateIt(1);
    return 0;
}
