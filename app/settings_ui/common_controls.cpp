#include "settings_ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace {
bool Loaded = false;
}

// InitCommonControls is what comctl32 4.00 (Windows 95, NT 4.0) has; InitCommonControlsEx came
// later.
void EnsureCommonControls() {
    if (Loaded) return;
    InitCommonControls();
    Loaded = true;
}
