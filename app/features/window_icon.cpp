#include "features/window_icon.h"

#include "features/foreign_window.h"

#include <shellapi.h>
#include <tlhelp32.h>

namespace {

// The file a process was started from. Each system names it its own way: Windows Vista and
// later directly, NT through PSAPI (a separate library on NT 4.0), Windows 95 and 98 through a
// snapshot of the processes. None of them is linked, so that the host loads on every one.
using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
using ModuleFileName = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
using WalkProcesses = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

bool ProgramFileOf(DWORD processId, char* path, DWORD size) {
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    if (HANDLE process =
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
        DWORD length = size;
        auto query = Find<QueryImageName>(kernel, "QueryFullProcessImageNameA");
        bool named = query && query(process, 0, path, &length);
        if (!named) {
            HMODULE psapi = LoadLibraryA("PSAPI.DLL");
            auto moduleName = Find<ModuleFileName>(psapi, "GetModuleFileNameExA");
            named = moduleName && moduleName(process, nullptr, path, size);
            if (psapi) FreeLibrary(psapi);
        }
        CloseHandle(process);
        if (named) return true;
    }
    auto snapshot = Find<Snapshot>(kernel, "CreateToolhelp32Snapshot");
    auto first = Find<WalkProcesses>(kernel, "Process32First");
    auto next = Find<WalkProcesses>(kernel, "Process32Next");
    HANDLE processes = snapshot ? snapshot(TH32CS_SNAPPROCESS, 0) : INVALID_HANDLE_VALUE;
    if (processes == INVALID_HANDLE_VALUE || !first || !next) return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool named = false;
    for (bool more = first(processes, &entry); more && !named; more = next(processes, &entry))
        named = entry.th32ProcessID == processId && lstrcpynA(path, entry.szExeFile, size);
    CloseHandle(processes);
    return named;
}

// Under Wine the class's icons of another program's window are not to be had: its program's
// own icon is the nearest thing.
HICON ProgramIcon(HWND window) {
    DWORD processId = 0;
    char path[MAX_PATH];
    HICON small = nullptr, large = nullptr;
    if (!GetWindowThreadProcessId(window, &processId) ||
        !ProgramFileOf(processId, path, sizeof path))
        return nullptr;
    // Wine leaves garbage in the handles of a file without icons.
    if (!ExtractIconExA(path, 0, &large, &small, 1)) return nullptr;
    if (small && large) DestroyIcon(large);
    return small ? small : large;
}

} // namespace

HICON WindowIcon(HWND window, bool& owned) {
    owned = false;
    if (auto icon = reinterpret_cast<HICON>(SendToWindow(window, WM_GETICON, ICON_SMALL, 0)))
        return icon;
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM))) return icon;
    if (auto icon = reinterpret_cast<HICON>(SendToWindow(window, WM_GETICON, ICON_BIG, 0)))
        return icon;
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON))) return icon;
    if (HICON icon = ProgramIcon(window)) {
        owned = true;
        return icon;
    }
    return LoadIconA(nullptr, IDI_EXCLAMATION);
}
