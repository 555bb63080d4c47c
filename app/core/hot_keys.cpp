#include "core/hot_keys.h"

#include "config/settings.h"
#include "hook/host_messages.h"

static void RegisterLetter(HWND window, WPARAM id, char letter) {
    // The whole VkKeyScanA result, as the key.
    RegisterHotKey(window, static_cast<int>(id), MOD_CONTROL | MOD_ALT,
                   static_cast<UINT>(static_cast<USHORT>(VkKeyScanA(letter))));
}

void RegisterWindowFeaturesHotKey(HWND window) {
    RegisterLetter(window, WindowFeaturesHotKey, 'm');
}

void RegisterHotKeys(HWND window) {
    if (Settings.HotKey == 1) RegisterWindowFeaturesHotKey(window);
    RegisterLetter(window, CustomizeHotKey, 'c');
    RegisterLetter(window, SettingsHotKey, 'r');
    RegisterLetter(window, FastFoldersHotKey, 'f');
}

void HotKeyAction(HWND window, WPARAM id, LPARAM lParam) {
    switch (id) {
    case WindowFeaturesHotKey: SendMessageA(window, UM_WINDOW_FEATURES_MENU, id, lParam); break;
    case CustomizeHotKey: SendMessageA(window, UM_CUSTOMIZE_WINDOW, id, lParam); break;
    case SettingsHotKey: SendMessageA(window, UM_SETTINGS, id, lParam); break;
    case FastFoldersHotKey:
        // As the right press on the "?" button of the window in front.
        SendMessageA(window, UM_FAST_FOLDERS, reinterpret_cast<WPARAM>(GetForegroundWindow()),
                     lParam);
        break;
    default: break;
    }
}
