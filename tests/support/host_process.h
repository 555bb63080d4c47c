// The real Quillet99.exe, started for a test and watched from outside: its main window, and
// the hook library's shared record as this process maps it.
#pragma once

#include <windows.h>

#include "desktop.h"
#include "hook_library.h"

class HostProcess {
  public:
    ~HostProcess();

    // Starts the host and waits until its hook is installed.
    bool Start();
    // WM_CLOSE, as the tray menu's exit command sends it; the exit code, or STILL_ACTIVE.
    DWORD Close(DWORD timeoutMs = 10000);
    bool HookInstalled() const;

    HWND Window() const { return window_; }
    HookLibrary& Hook() { return hook_; }
    ChildProcess& Process() { return process_; }

  private:
    ChildProcess process_;
    HookLibrary hook_;
    HWND window_ = nullptr;
};
