#include "host_process.h"

HostProcess::~HostProcess() {
    if (process_.Running()) Close(5000);
    process_.Kill();
    hook_.Free();
}

bool HostProcess::Start() {
    if (!hook_.module && !hook_.Load()) return false;
    if (!process_.Start("\"" + BinPath("Quillet99.exe") + "\"")) return false;
    window_ = WaitForWindow("Quillet99", "Quillet 99");
    return window_ && WaitUntil([&] { return HookInstalled(); }, 10000);
}

DWORD HostProcess::Close(DWORD timeoutMs) {
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    return process_.WaitExit(timeoutMs);
}

bool HostProcess::HookInstalled() const {
    return hook_.shared && hook_.shared->hookProc && hook_.shared->hostWindow == window_;
}
