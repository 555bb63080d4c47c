// Helpers for tests that drive real programs on the Wine desktop: processes, windows, waiting,
// and real mouse and keyboard input through SendInput.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "target_log.h"

// The directory of the running test program; the binaries under test lie beside it.
std::string BinDir();
std::string BinPath(const std::string& file);

// Pumps this thread's messages while it polls, so that windows of the test stay responsive.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void PumpFor(DWORD ms);

class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Start(const std::string& commandLine);
    // Exit code, or STILL_ACTIVE if it did not end in time.
    DWORD WaitExit(DWORD timeoutMs);
    bool Running() const;
    void Kill();
    HANDLE Handle() const { return info_.hProcess; }

  private:
    PROCESS_INFORMATION info_ = {};
};

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000);
bool BecomesHidden(HWND window, DWORD timeoutMs = 3000);
bool BecomesVisible(HWND window, DWORD timeoutMs = 3000);
// A window as the hook library hands it over: its handle's low 16 bits.
inline WPARAM Low16(HWND window) {
    return reinterpret_cast<UINT_PTR>(window) & 0xFFFF;
}
// The bounding box of a window's region, in window coordinates; empty when it has none.
RECT WindowRegionBox(HWND window);

enum class Button { Left, Middle, Right };

// Both wait until the cursor stays where it was put.
void MoveMouseTo(POINT pt);
void PlaceCursor(POINT pt);
void PressButton(Button button, bool down);
void ClickAt(POINT pt, Button button);
// A click where the cursor is, without moving it.
void ClickHere(Button button);

// Holds a key down through real keyboard input until it goes out of scope.
class HeldKey {
  public:
    explicit HeldKey(WORD key);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

  private:
    WORD key_;
};
void SendKey(WORD key, bool down);

// The shared memory a child program creates to report to the test: waited for, mapped, and
// released. Its first word is set to 1 once the child is ready.
class SharedView {
  public:
    SharedView() = default;
    ~SharedView() { Close(); }
    SharedView(const SharedView&) = delete;
    SharedView& operator=(const SharedView&) = delete;

    void* Open(const char* name, DWORD access, DWORD timeoutMs = 10000);
    void Close();

  private:
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};

// The test target program: a captioned window with a bare left half and an edit control on
// the right, counting the mouse messages it receives.
class TargetProgram {
  public:
    TargetProgram() = default;
    ~TargetProgram();
    TargetProgram(const TargetProgram&) = delete;
    TargetProgram& operator=(const TargetProgram&) = delete;

    bool Start(const std::string& name, RECT frame = {100, 100, 580, 420},
               const std::string& text = "");
    void Close();

    HWND Window() const;
    HWND Edit() const;
    LONG Count(TargetEvent event) const { return log_ ? log_->counts[event] : -1; }
    POINT CaptionPoint() const;
    POINT ClientPoint() const;
    POINT EditPoint() const;
    ChildProcess& Process() { return process_; }

    // Waits until a mouse move over the window reaches it: under Wine a window that was just
    // shown or raised can miss mouse input for a moment.
    bool TakesMouseInput();

  private:
    ChildProcess process_;
    SharedView view_;
    TargetLog* log_ = nullptr;
};
