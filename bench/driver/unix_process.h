// The Linux side of a Wine process, read from /proc through Wine's Z: drive: Wine 8 answers
// GetProcessTimes for another process with the caller's own times, and /proc has them in
// nanoseconds.
#pragma once

#include <windows.h>

#include <string>

// The Linux process whose Windows image is this path (as Z:\...), the newest if several; 0
// when there is none.
DWORD UnixPidOf(const std::string& imagePath);
// CPU time of all its threads, user and system, in seconds; negative when unreadable.
double UnixCpuSeconds(DWORD pid);
