#include "core/message_filter.h"

#include "core/later_call.h"
#include "hook/host_messages.h"

void AllowMessagesFromOtherPrograms(HWND mainWindow, UINT taskbarCreated) {
    // Windows 7 and later filter per window; Vista per program.
    using FilterWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using FilterProgram = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD Allow = 1; // MSGFLT_ALLOW, MSGFLT_ADD
    auto window = LaterCall<FilterWindow>("USER32.DLL", "ChangeWindowMessageFilterEx");
    auto program = LaterCall<FilterProgram>("USER32.DLL", "ChangeWindowMessageFilter");
    const UINT messages[] = {
        UM_START_MENU,       UM_ROLL_WINDOW,     UM_RUN_CAPTION_COMMAND, UM_WINDOW_FEATURES_MENU,
        UM_TRAY_WINDOW,      UM_RELOAD_SETTINGS, UM_SCROLL_WINDOW,       UM_COPY_PASTE,
        UM_RUN_BODY_COMMAND, UM_TRAY_ICON,       UM_TRAYED_WINDOW_ICON,  UM_BUTTON_UP,
        UM_CUSTOMIZE_WINDOW, UM_SETTINGS,        UM_FAST_FOLDERS,        taskbarCreated};
    for (UINT message : messages) {
        if (window)
            window(mainWindow, message, Allow, nullptr);
        else if (program)
            program(message, Allow);
    }
}
