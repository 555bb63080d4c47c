#include "config/mouseware.h"

#include "config/registry_value.h"

void SaveMouseWareChoice(HKEY settings, LONG choice) {
    if (choice != 0 && choice != 1) return;
    char global[sizeof MouseWareKey + 8], mouse[MAX_PATH] = {};
    wsprintfA(global, "%s\\Global", MouseWareKey);
    RegistryKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, global, KEY_READ))
        ReadStringValue(key.Handle(), "ActiveMouse", mouse, sizeof mouse);
    // Without a name, or with one that reaches into another key, there is no mouse to set.
    bool named = mouse[0] != 0;
    for (const char* c = mouse; *c; c = CharNextA(c))
        named = named && *c != '\\';
    char path[sizeof MouseWareKey + MAX_PATH + 8];
    wsprintfA(path, "%s\\%s\\0000", MouseWareKey, mouse);
    if (named && key.Create(HKEY_LOCAL_MACHINE, path, KEY_WRITE)) {
        WriteStringValue(key.Handle(), "DoubleClick", choice ? "0000" : "0001");
        WriteStringValue(key.Handle(), "DragLock", choice ? "0001" : "0000");
    }
    WriteDwordValue(settings, "LogitechFeature", choice);
}
