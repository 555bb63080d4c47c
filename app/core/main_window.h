// The hidden main window: its class, its creation, and its procedure, which is the host's
// switchboard.
#pragma once

#include <windows.h>

// Whoever drives the main window reaches its handle and the settings it puts in force here.
#include "core/apply_settings.h"
#include "core/host.h"

bool RegisterMainClass(HINSTANCE instance);
bool CreateMainWindow(HINSTANCE instance);
extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
