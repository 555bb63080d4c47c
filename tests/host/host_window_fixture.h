// The host's real main window, created inside the test process from the host's own code, on a
// fresh registry. Operations can then be called directly and their effects read back.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/main_window.h"
#include "core/scroll_mode.h"
#include "core/lifecycle.h"
#include "desktop.h"
#include "registry.h"
#include "tray.h"

class HostWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The host window with whatever the registry holds now.
    void CreateHost();
    void DestroyHost();

    // Plain top-level windows owned by the test, destroyed after it.
    HWND MakeWindow(const char* title, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    RECT frame = {120, 120, 420, 320});

    std::vector<HWND> windows_;
};

// Messages sent to a window of this thread, as a WH_CALLWNDPROC hook saw them.
class SentMessageLog {
  public:
    explicit SentMessageLog(HWND window);
    ~SentMessageLog();
    struct Entry {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Entry> Take(UINT message);

  private:
    HHOOK hook_;
};
