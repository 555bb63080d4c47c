// The system-wide mouse hook. It runs inside every program on the desktop, for every mouse
// message: it must never block, never read outside its own bounds, and pass everything that
// is not a button press or release straight on.
#define QUILLET99HOOK_BUILD
#include "hook/hook_state.h"
#include "hook/host_messages.h"
#include "hook/top_level_window.h"

namespace {

constexpr LRESULT Swallow = 1;
constexpr int ForegroundClassSize = 260;

LRESULT PassOn(int code, WPARAM message, LPARAM event) {
    return CallNextHookEx(ReadSharedHandle(HookShared.hookHandle), code, message, event);
}

WPARAM HandleParam(HWND window) {
    return static_cast<WPARAM>(reinterpret_cast<UINT_PTR>(window) & 0xFFFF);
}

LPARAM PointParam(POINT pt) {
    return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(pt.x & 0xFFFF, pt.y & 0xFFFF)));
}

// A request the host cannot receive (a full queue, a host that the system shields from this
// program) leaves the click to the program: swallowed, it would be lost to everyone.
bool PostToHost(UINT message, WPARAM wParam, POINT pt) {
    return PostMessageA(ReadSharedHandle(HookShared.hostWindow), message, wParam, PointParam(pt));
}

bool PostToHost(UINT message, const MOUSEHOOKSTRUCT& event) {
    return PostToHost(message, HandleParam(event.hwnd), event.pt);
}

LRESULT SwallowIf(bool delivered, int code, WPARAM message, LPARAM event) {
    return delivered ? Swallow : PassOn(code, message, event);
}

bool KeyDown(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

// Toggled on and not held down at this moment: exactly 1, so 0x81 does not count.
bool ScrollLockOn() {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return false;
    return keys[VK_SCROLL] == 1;
}

bool SameText(const char* a, const char* b, int size) {
    for (int i = 0; i < size; ++i) {
        if (a[i] != b[i]) return false;
        if (!a[i]) return true;
    }
    return false;
}

// A left or right press after a Start-menu click closes that menu unless it lands in a menu.
void DismissStartMenu() {
    if (startMenuPending != 1) return;
    POINT pt;
    GetCursorPos(&pt);
    if (!GetClassNameA(WindowFromPoint(pt), classUnderCursor, sizeof classUnderCursor))
        classUnderCursor[0] = 0;
    if (SameText(classUnderCursor, "#32768", sizeof classUnderCursor)) return;

    GetCursorPos(&pt);
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", "")) SetForegroundWindow(taskbar);
    HWND top = TopLevelWindowOf(WindowFromPoint(pt));
    // Asynchronous so that a hung owner of that window cannot stall this program.
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_ASYNCWINDOWPOS);
    SetForegroundWindow(top);
    startMenuPending = 0;
}

// Whole-entry search of the override table. The count and every name are bounded whatever
// the shared words hold, and a search that overlapped a rewrite of the table is discarded: the
// features are copied before the check, so that they belong to the name that matched.
bool FindOverride(const char* className, LONG& caption, LONG& body) {
    LONG sequence = ReadShared(HookShared.tableSequence);
    if (sequence & 1) return false;
    MemoryBarrier();
    LONG count = ReadShared(HookShared.customCount);
    if (count < 0) count = 0;
    if (count > MaxSharedCustomEntries) count = MaxSharedCustomEntries;
    bool found = false;
    for (LONG i = 0; i < count && !found; ++i) {
        const SharedCustomEntry& entry = HookShared.customTable[i];
        if (!SameText(entry.className, className, SharedClassNameSize)) continue;
        caption = ReadShared(entry.captionFeature);
        body = ReadShared(entry.bodyFeature);
        found = true;
    }
    MemoryBarrier();
    return found && ReadShared(HookShared.tableSequence) == sequence;
}

void ApplyOverrides() {
    LONG saved = ReadShared(HookShared.savedCaptionFeature);
    if (saved != NoSavedFeature) HookShared.currentCaptionFeature = saved;
    saved = ReadShared(HookShared.savedBodyFeature);
    if (saved != NoSavedFeature) HookShared.currentBodyFeature = saved;

    char className[ForegroundClassSize];
    LONG caption = 0, body = 0;
    if (!GetClassNameA(GetForegroundWindow(), className, sizeof className)) return;
    if (!FindOverride(className, caption, body)) return;
    HookShared.savedCaptionFeature = ReadShared(HookShared.currentCaptionFeature);
    HookShared.savedBodyFeature = ReadShared(HookShared.currentBodyFeature);
    HookShared.currentCaptionFeature = caption;
    HookShared.currentBodyFeature = body;
}

// The double click's own posts: they fail only for a window that is gone.
bool PressCaptionButton(const MOUSEHOOKSTRUCT& event) {
    LPARAM point = PointParam(event.pt);
    switch (event.wHitTestCode) {
    case HTSYSMENU: return PostMessageA(event.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
        return PostMessageA(event.hwnd, WM_NCLBUTTONDOWN, event.wHitTestCode, point) &&
               PostMessageA(event.hwnd, WM_LBUTTONUP, MK_MBUTTON, point);
    default: return PostMessageA(event.hwnd, WM_NCLBUTTONDBLCLK, event.wHitTestCode, point);
    }
}

bool DoubleClickInside(const MOUSEHOOKSTRUCT& event) {
    POINT pt = event.pt;
    ScreenToClient(event.hwnd, &pt);
    SetForegroundWindow(event.hwnd);
    LPARAM point = PointParam(pt);
    return PostMessageA(event.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           PostMessageA(event.hwnd, WM_LBUTTONUP, MK_LBUTTON, point) &&
           PostMessageA(event.hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, point) &&
           PostMessageA(event.hwnd, WM_LBUTTONUP, MK_LBUTTON, point);
}

// Whether the click reached someone; a code that does nothing still takes it.
bool CaptionDispatch(const MOUSEHOOKSTRUCT& event) {
    switch (ReadShared(HookShared.currentCaptionFeature)) {
    case CAPTION_START_MENU: startMenuPending = 1; return PostToHost(UM_START_MENU, event);
    case CAPTION_DOUBLE_CLICK: return PressCaptionButton(event);
    case CAPTION_ROLL_UP: return PostToHost(UM_ROLL_WINDOW, event);
    case CAPTION_TRAY_WINDOW: return PostToHost(UM_TRAY_WINDOW, event);
    case CAPTION_RUN_APPLICATION: return PostToHost(UM_RUN_CAPTION_COMMAND, event);
    case CAPTION_WINDOW_FEATURES: return PostToHost(UM_WINDOW_FEATURES_MENU, event);
    default: return true;
    }
}

bool BodyDispatch(const MOUSEHOOKSTRUCT& event) {
    HWND foreground = GetForegroundWindow();
    switch (ReadShared(HookShared.currentBodyFeature)) {
    case BODY_START_MENU: startMenuPending = 1; return PostToHost(UM_START_MENU, event);
    case BODY_DOUBLE_CLICK: return DoubleClickInside(event);
    case BODY_ROLL_UP: return PostToHost(UM_ROLL_WINDOW, HandleParam(foreground), event.pt);
    case BODY_TRAY_WINDOW: return PostToHost(UM_TRAY_WINDOW, HandleParam(foreground), event.pt);
    case BODY_RUN_APPLICATION: return PostToHost(UM_RUN_BODY_COMMAND, event);
    case BODY_SCROLL_WINDOW: return PostToHost(UM_SCROLL_WINDOW, event);
    case BODY_WINDOW_FEATURES: return PostToHost(UM_WINDOW_FEATURES_MENU, event);
    case BODY_COPY_PASTE: return PostToHost(UM_COPY_PASTE, event);
    default: return true;
    }
}

bool FeatureClick(WPARAM message, const MOUSEHOOKSTRUCT& event) {
    ApplyOverrides();
    bool caption = message == WM_NCMBUTTONDOWN || message == WM_NCRBUTTONDOWN;
    return caption ? CaptionDispatch(event) : BodyDispatch(event);
}

LRESULT RightPress(int code, WPARAM message, LPARAM lParam, const MOUSEHOOKSTRUCT& event) {
    DismissStartMenu();
    if (message == WM_NCRBUTTONDOWN) {
        switch (event.wHitTestCode) {
        case HTMINBUTTON:
            if (ReadShared(HookShared.rightTrayEnabled) != 1) break;
            return SwallowIf(PostToHost(UM_TRAY_WINDOW, event), code, message, lParam);
        case HTMAXBUTTON:
            if (ReadShared(HookShared.rightRollEnabled) != 1) break;
            return SwallowIf(PostToHost(UM_ROLL_WINDOW, event), code, message, lParam);
        case HTHELP: return SwallowIf(PostToHost(UM_FAST_FOLDERS, event), code, message, lParam);
        default: break;
        }
    }
    if (ReadShared(HookShared.scrollEnabled) != 1 || !ScrollLockOn())
        return PassOn(code, message, lParam);
    bool delivered;
    if (KeyDown(VK_CONTROL))
        delivered = PostToHost(UM_CUSTOMIZE_WINDOW, 0, event.pt);
    else if (KeyDown(VK_SHIFT))
        delivered = PostToHost(UM_SETTINGS, 0, event.pt);
    else
        delivered = FeatureClick(message, event);
    return SwallowIf(delivered, code, message, lParam);
}

LRESULT MiddlePress(int code, WPARAM message, LPARAM lParam, const MOUSEHOOKSTRUCT& event) {
    if (KeyDown(VK_SHIFT))
        return SwallowIf(PostToHost(UM_SETTINGS, 0, event.pt), code, message, lParam);
    // Switched off, the middle button does nothing at all.
    bool delivered = ReadShared(HookShared.itEnabled) != 1 || FeatureClick(message, event);
    return SwallowIf(delivered, code, message, lParam);
}

bool IsButtonMessage(WPARAM message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MBUTTONUP: return true;
    default: return false;
    }
}

// A hook whose host is gone, killed before it could remove the hook, must not keep taking
// every feature click on the desktop.
bool HostIsThere() {
    return ReadSharedHandle(HookShared.hookProc) &&
           IsWindow(ReadSharedHandle(HookShared.hostWindow));
}

// Apart from the hook procedure, so that a message it passes on at once does not pay for this
// one's stack frame.
__attribute__((noinline)) LRESULT ButtonMessage(int code, WPARAM message, LPARAM lParam) {
    if (code < 0 || !lParam || !HostIsThere()) return PassOn(code, message, lParam);
    const auto& event = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN: currentEvent = &event; return RightPress(code, message, lParam, event);
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        currentEvent = &event;
        DismissStartMenu();
        break;
    case WM_MBUTTONUP:
        if (ReadShared(HookShared.itEnabled) != 1) break;
        return SwallowIf(PostToHost(UM_BUTTON_UP, event), code, message, lParam);
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        if (ReadShared(HookShared.scrollEnabled) != 1 || !ScrollLockOn()) break;
        return SwallowIf(PostToHost(UM_BUTTON_UP, event), code, message, lParam);
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN: currentEvent = &event; return MiddlePress(code, message, lParam, event);
    default: break;
    }
    return PassOn(code, message, lParam);
}

} // namespace

// Every mouse move on the desktop passes here: it costs nothing beyond the test that it is not a
// button message.
QUILLET99HOOK_API LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM lParam) {
    if (!IsButtonMessage(message)) return PassOn(code, message, lParam);
    return ButtonMessage(code, message, lParam);
}
