// The Logitech MouseWare driver's fourth-button mode, written into its active mouse's key.
#pragma once

#include <windows.h>

constexpr char MouseWareKey[] = "SOFTWARE\\Logitech\\MouseWare\\CurrentVersion";

// 0 double click, 1 drag lock; "LogitechFeature" goes to the open Settings key whether or not
// MouseWare has an active mouse. Any other choice writes nothing.
void SaveMouseWareChoice(HKEY settings, LONG choice);
