#include "desktop.h"

#include <cstdlib>
#include <vector>

std::string BinDir() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/"));
}

std::string BinPath(const std::string& file) {
    return BinDir() + "\\" + file;
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return done();
        PumpFor(10);
    }
}

ChildProcess::~ChildProcess() {
    Kill();
}

bool ChildProcess::Start(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    std::string dir = BinDir();
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                          &startup, &info_) != 0;
}

DWORD ChildProcess::WaitExit(DWORD timeoutMs) {
    if (!info_.hProcess) return STILL_ACTIVE;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= timeoutMs) return STILL_ACTIVE;
        PumpFor(10);
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool ChildProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void ChildProcess::Kill() {
    if (!info_.hProcess) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowA(className, title)) != nullptr; }, timeoutMs);
    return found;
}

bool BecomesHidden(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindowVisible(window); }, timeoutMs);
}

bool BecomesVisible(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, timeoutMs);
}

RECT WindowRegionBox(HWND window) {
    RECT box = {};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

static bool CursorAt(POINT pt) {
    POINT now;
    return GetCursorPos(&now) && now.x == pt.x && now.y == pt.y;
}

// Under Wine a moved cursor can still be pulled back by the display's motion events from an
// earlier move: wait until the position holds.
static void SettleCursor(POINT pt) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!CursorAt(pt)) SetCursorPos(pt.x, pt.y);
        PumpFor(20);
        if (CursorAt(pt)) {
            PumpFor(20);
            if (CursorAt(pt)) return;
        }
    }
}

void PlaceCursor(POINT pt) {
    SetCursorPos(pt.x, pt.y);
    SettleCursor(pt);
}

void MoveMouseTo(POINT pt) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (pt.x * 65536 + width - 1) / width;
    input.mi.dy = (pt.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    SettleCursor(pt);
}

void PressButton(Button button, bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    switch (button) {
    case Button::Left: input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP; break;
    case Button::Middle:
        input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
        break;
    case Button::Right:
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
        break;
    }
    SendInput(1, &input, sizeof input);
}

// Two presses of one button close in time and place make a double click, which the hook
// passes on: wait until a new press counts as a click of its own.
static void AvoidDoubleClick(POINT pt, Button button) {
    static Button lastButton;
    static POINT lastPoint = {-1000, -1000};
    static DWORD lastTime;
    DWORD elapsed = GetTickCount() - lastTime;
    DWORD wait = GetDoubleClickTime() + 50;
    bool closeBy = abs(pt.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                   abs(pt.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    if (button == lastButton && closeBy && elapsed < wait) PumpFor(wait - elapsed);
    lastButton = button;
    lastPoint = pt;
    lastTime = GetTickCount();
}

void ClickHere(Button button) {
    POINT pt;
    GetCursorPos(&pt);
    AvoidDoubleClick(pt, button);
    PressButton(button, true);
    PumpFor(30);
    PressButton(button, false);
}

void ClickAt(POINT pt, Button button) {
    AvoidDoubleClick(pt, button);
    MoveMouseTo(pt);
    PressButton(button, true);
    PumpFor(30);
    PressButton(button, false);
}

void SendKey(WORD key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

HeldKey::HeldKey(WORD key) : key_(key) {
    SendKey(key_, true);
    WaitUntil([&] { return (GetAsyncKeyState(key_) & 0x8000) != 0; }, 2000);
}

HeldKey::~HeldKey() {
    SendKey(key_, false);
    WaitUntil([&] { return (GetAsyncKeyState(key_) & 0x8000) == 0; }, 2000);
}

void* SharedView::Open(const char* name, DWORD access, DWORD timeoutMs) {
    Close();
    WaitUntil([&] { return (mapping_ = OpenFileMappingA(access, FALSE, name)) != nullptr; },
              timeoutMs);
    if (!mapping_) return nullptr;
    view_ = MapViewOfFile(mapping_, access, 0, 0, 0);
    auto* ready = static_cast<volatile LONG*>(view_);
    if (!view_ || !WaitUntil([&] { return *ready == 1; }, timeoutMs)) return nullptr;
    return view_;
}

void SharedView::Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    view_ = nullptr;
    mapping_ = nullptr;
}

TargetProgram::~TargetProgram() {
    Close();
}

bool TargetProgram::Start(const std::string& name, RECT frame, const std::string& text) {
    char command[512];
    wsprintfA(command, "\"%s\" %s %ld %ld %ld %ld %s", BinPath("q99target.exe").c_str(),
              name.c_str(), frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top, text.c_str());
    if (!process_.Start(command)) return false;
    char mappingName[128];
    TargetLogName(mappingName, sizeof mappingName, name.c_str());
    log_ = static_cast<TargetLog*>(view_.Open(mappingName, FILE_MAP_READ));
    return log_ && TakesMouseInput();
}

bool TargetProgram::TakesMouseInput() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        LONG before = Count(SawMouseMove);
        POINT pt = ClientPoint();
        pt.x += attempt % 2;
        MoveMouseTo(pt);
        if (WaitUntil([&] { return Count(SawMouseMove) > before; }, 100)) return true;
    }
    return false;
}

void TargetProgram::Close() {
    if (HWND window = Window()) PostMessageA(window, WM_CLOSE, 0, 0);
    process_.WaitExit(3000);
    process_.Kill();
    view_.Close();
    log_ = nullptr;
}

HWND TargetProgram::Window() const {
    return log_ ? reinterpret_cast<HWND>(static_cast<LONG_PTR>(log_->mainWindow)) : nullptr;
}

HWND TargetProgram::Edit() const {
    return log_ ? reinterpret_cast<HWND>(static_cast<LONG_PTR>(log_->editWindow)) : nullptr;
}

POINT TargetProgram::CaptionPoint() const {
    RECT frame;
    GetWindowRect(Window(), &frame);
    POINT pt;
    pt.x = frame.left + (frame.right - frame.left) / 3;
    pt.y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    return pt;
}

POINT TargetProgram::ClientPoint() const {
    RECT client;
    GetClientRect(Window(), &client);
    POINT pt = {client.right / 4, client.bottom / 2};
    ClientToScreen(Window(), &pt);
    return pt;
}

POINT TargetProgram::EditPoint() const {
    RECT client;
    GetClientRect(Edit(), &client);
    POINT pt = {client.right / 2, client.bottom / 2};
    ClientToScreen(Edit(), &pt);
    return pt;
}
