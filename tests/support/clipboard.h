// The real clipboard, as text.
#pragma once

#include <string>

std::string ClipboardText();
bool SetClipboardText(const std::string& text);
