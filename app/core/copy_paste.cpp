#include "core/copy_paste.h"

#include "config/settings.h"
#include "kbdhook/kbdhook.h"

void CopyPaste() {
    bool control = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    const char* keys = nullptr;
    if (Settings.CtrlClipboard == 0) keys = control ? "^c" : "^v";
    if (Settings.CtrlClipboard == 1) keys = control ? "^v" : "^c";
    if (keys) SendKeys(keys);
}
