#include "core/host.h"

HINSTANCE AppInstance;
HWND MainWindow;
