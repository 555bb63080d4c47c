// The per-application table: one subkey of the Windows key per window class.
#pragma once

#include <windows.h>

// One per-application record; the hook library reads the same 528-byte layout.
constexpr int ClassNameSize = 260;
constexpr int TitleSize = 260;
struct CustomWindowEntry {
    char ClassName[ClassNameSize];
    char Title[TitleSize];
    LONG CaptionFeature;
    LONG BodyFeature;
};
static_assert(sizeof(CustomWindowEntry) == 528, "the hook library reads 528-byte records");

constexpr int CustomWindowTableSize = 256; // the last record is always the empty terminator
extern CustomWindowEntry* CustomWindowTable;
extern int CustomWindowCount;

void LoadCustomWindowTable();
void FreeCustomWindowTable();
// The entry of the target window's class, from the two lists of "Customize this window"; nothing
// when either list has no selection.
void SaveCustomWindowEntry(HWND target, HWND dialog);
// Deletes one class's subkey at once; the table learns of it at the next load.
void DeleteCustomWindowEntry(const char* className);
