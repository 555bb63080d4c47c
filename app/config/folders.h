// The favourite folders: one value of the Folders key per folder, named by its path, and the
// list that the Fast Folders menu and the "Favorite folders" dialog read.
#pragma once

#include <windows.h>

constexpr int FolderListSize = 50;
constexpr int FolderRecordSize = 520;
// The longest value name the loader takes; a longer one is skipped, never cut.
constexpr int FolderPathLength = 255;

struct FolderRecord {
    char path[FolderRecordSize];
};

// Replaced whole by every load: read it only through these two.
extern FolderRecord* FolderList;
extern int FolderCount;

void LoadFolderList();
void FreeFolderList();
// False when the path is too long for the loader to list, or the key already holds a full
// list: such a folder would be stored but never shown.
bool AddFolder(const char* path);
void RemoveFolder(const char* path);
