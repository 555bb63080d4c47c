#include "features/window_journal.h"

#include "config/registry_keys.h"
#include "config/registry_value.h"
#include "features/foreign_window.h"
#include "features/notify_icons.h"
#include "features/roll_up.h"

namespace {

constexpr char HostValue[] = "Host";

void HiddenValueName(char* name, UINT iconId) {
    wsprintfA(name, "Hidden %u", iconId);
}

void RolledValueName(char* name, HWND window) {
    wsprintfA(name, "Rolled %08lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
}

void Write(const char* name, const JournalRecord& record) {
    RegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, JournalKey, KEY_SET_VALUE, nullptr, REG_OPTION_VOLATILE))
        return;
    RegSetValueExA(key.Handle(), name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&record),
                   sizeof record);
}

void Forget(const char* name) {
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, JournalKey, KEY_SET_VALUE)) RegDeleteValueA(key.Handle(), name);
}

JournalRecord RecordOf(JournalKind kind, HWND window, UINT iconId) {
    JournalRecord record = {};
    record.kind = kind;
    record.window = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
    record.iconId = iconId;
    GetWindowThreadProcessId(window, &record.processId);
    GetClassNameA(window, record.className, sizeof record.className);
    return record;
}

void GiveBackRecorded(const JournalRecord& stored, HWND oldHost) {
    JournalRecord record = stored;
    record.className[sizeof record.className - 1] = 0;
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record.window));
    if (record.kind == JournalHidden) {
        // Windows 9x keeps the journal over a reboot: a live window under the dead run's handle
        // is another program's, and so are its icons.
        if (!IsWindow(oldHost)) DeleteNotifyIcon(oldHost, record.iconId);
        if (StillThere(window, record.processId, record.className))
            ShowForeignWindow(window, SW_SHOW);
    } else if (record.kind == JournalRolled &&
               StillThere(window, record.processId, record.className) && !UnrollWindow(window)) {
        KeepRolledWindow(window);
    }
}

} // namespace

void JournalWindowHidden(HWND mainWindow, HWND window, UINT iconId) {
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, JournalKey, KEY_SET_VALUE, nullptr, REG_OPTION_VOLATILE)) {
        DWORD host = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(mainWindow));
        RegSetValueExA(key.Handle(), HostValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&host),
                       sizeof host);
    }
    char name[32];
    HiddenValueName(name, iconId);
    Write(name, RecordOf(JournalHidden, window, iconId));
}

void JournalWindowRolled(HWND window) {
    char name[32];
    RolledValueName(name, window);
    Write(name, RecordOf(JournalRolled, window, 0));
}

void ForgetHiddenWindow(UINT iconId) {
    char name[32];
    HiddenValueName(name, iconId);
    Forget(name);
}

void ForgetRolledWindow(HWND window) {
    char name[32];
    RolledValueName(name, window);
    Forget(name);
}

void RecoverWindowJournal() {
    RegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, JournalKey, KEY_QUERY_VALUE)) return;
    LONG host = 0;
    ReadDwordValue(key.Handle(), HostValue, host);
    HWND oldHost = reinterpret_cast<HWND>(static_cast<UINT_PTR>(static_cast<DWORD>(host)));
    for (DWORD index = 0;; ++index) {
        char name[64];
        DWORD nameLength = sizeof name, type = 0;
        JournalRecord record;
        DWORD size = sizeof record;
        LONG result = RegEnumValueA(key.Handle(), index, name, &nameLength, nullptr, &type,
                                    reinterpret_cast<BYTE*>(&record), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        // Anything else is not ours to act on.
        if (result != ERROR_SUCCESS || type != REG_BINARY || size != sizeof record) continue;
        GiveBackRecorded(record, oldHost);
    }
    key.Close();
    ClearWindowJournal();
    // Those that did not answer are this run's now, and in its journal.
    for (int i = 0; i < RolledWindows.count; ++i)
        JournalWindowRolled(RolledWindows.records[i].window.handle);
}

void ClearWindowJournal() {
    RegDeleteKeyA(HKEY_CURRENT_USER, JournalKey);
}
