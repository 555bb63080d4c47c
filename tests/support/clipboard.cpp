#include "clipboard.h"

#include <windows.h>

#include <cstring>

static bool OpenWithRetry() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(20);
    }
    return false;
}

std::string ClipboardText() {
    if (!OpenWithRetry()) return "<clipboard busy>";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(const std::string& text) {
    if (!OpenWithRetry()) return false;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool done = false;
    if (data) {
        memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
        GlobalUnlock(data);
        done = SetClipboardData(CF_TEXT, data) != nullptr;
    }
    CloseClipboard();
    return done;
}
