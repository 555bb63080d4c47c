#include "config/folders.h"

#include "config/registry_keys.h"
#include "config/registry_value.h"

FolderRecord* FolderList;
int FolderCount;

void FreeFolderList() {
    if (FolderList) HeapFree(GetProcessHeap(), 0, FolderList);
    FolderList = nullptr;
    FolderCount = 0;
}

void LoadFolderList() {
    auto* list = static_cast<FolderRecord*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, FolderListSize * sizeof(FolderRecord)));
    if (!list) return;
    int count = 0;
    RegistryKey folders;
    folders.Create(HKEY_CURRENT_USER, FoldersKey, KEY_READ);
    for (DWORD index = 0; folders && count < FolderListSize; ++index) {
        char name[FolderPathLength + 1];
        DWORD length = sizeof name;
        // The name only: the data may be anything another program left there.
        LONG result = RegEnumValueA(folders.Handle(), index, name, &length, nullptr, nullptr,
                                    nullptr, nullptr);
        // A name that does not fit comes back cut short, naming another folder.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) break;
        lstrcpynA(list[count++].path, name, FolderRecordSize);
    }
    FreeFolderList();
    FolderList = list;
    FolderCount = count;
}

bool AddFolder(const char* path) {
    if (lstrlenA(path) > FolderPathLength) return false;
    RegistryKey folders;
    if (!folders.Create(HKEY_CURRENT_USER, FoldersKey, KEY_SET_VALUE | KEY_QUERY_VALUE))
        return false;
    DWORD values = 0;
    RegQueryInfoKeyA(folders.Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &values, nullptr, nullptr, nullptr, nullptr);
    // Storing one already there again only overwrites it.
    bool stored = RegQueryValueExA(folders.Handle(), path, nullptr, nullptr, nullptr, nullptr) ==
                  ERROR_SUCCESS;
    if (!stored && values >= FolderListSize) return false;
    WriteStringValue(folders.Handle(), path, path);
    return true;
}

void RemoveFolder(const char* path) {
    RegistryKey folders;
    if (folders.Create(HKEY_CURRENT_USER, FoldersKey, KEY_WRITE))
        RegDeleteValueA(folders.Handle(), path);
}
