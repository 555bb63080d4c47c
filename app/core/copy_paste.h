// The copy/paste feature: Ctrl+C or Ctrl+V typed into the focused window by KBDHOOK.
#pragma once

void CopyPaste();
