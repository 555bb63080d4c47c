#include "settings_ui/common_controls.h"

namespace {
HMODULE Library;
}

// Loaded by name: an import would load the library with the host. InitCommonControls is what
// comctl32 4.00 (Windows 95, NT 4.0) has; InitCommonControlsEx came later.
HMODULE EnsureCommonControls() {
    if (Library) return Library;
    Library = LoadLibraryA("comctl32.dll");
    if (auto* init = reinterpret_cast<void(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(Library, "InitCommonControls"))))
        init();
    return Library;
}
