// Stand-ins for what the indicator, and the per-application table bring
// with them, so that the settings dialog links and works until they land. Delete at merge.
#include "config/custom_windows.h"
#include "config/registry_keys.h"
#include "indicator/indicator.h"

HWND IndicatorWindow;

void DeleteCustomWindowEntry(const char* className) {
    char path[sizeof WindowsKey + ClassNameSize + 1];
    wsprintfA(path, "%s\\%.259s", WindowsKey, className);
    RegDeleteKeyA(HKEY_CURRENT_USER, path);
}
