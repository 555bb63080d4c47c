#include "features/tray_menu.h"

#include "config/settings.h"
#include "core/timers.h"
#include "features/commands.h"
#include "features/popup_menu.h"
#include "resources/resource_ids.h"

HMENU TrayMenu;

namespace {

// Feature submenu entries in code order: a list position is the feature code.
constexpr const char* CaptionFeatureTexts[] = {"Pop&up Start Menu", "To &Double Click",
                                               "&Roll Up Window",   "Tra&y Window",
                                               "R&un Application",  "Window &Features"};
constexpr const char* BodyFeatureTexts[] = {
    "Pop&up Start Menu", "To &Double Click", "&Roll Up Window",  "Tra&y Window",
    "R&un Application",  "Scro&ll Window",   "Window &Features", "Cop&y/Paste"};

template <size_t Count>
HMENU BuildChoiceMenu(const char* const (&texts)[Count], UINT firstId, LONG current) {
    HMENU menu = CreatePopupMenu();
    for (UINT code = 0; code < Count; ++code)
        AppendMenuA(menu, MF_STRING, firstId + code, texts[code]);
    // Outside its list a stored code marks nothing.
    CheckMenuRadioItem(menu, firstId, firstId + Count - 1, firstId + current, MF_BYCOMMAND);
    return menu;
}

void AppendSeparator(HMENU menu) {
    AppendMenuA(menu, MF_SEPARATOR, 0, "");
}

} // namespace

HMENU BuildCaptionFeatureMenu() {
    return BuildChoiceMenu(CaptionFeatureTexts, IDM_CAPTION_FEATURE, Settings.CaptionFeature);
}

HMENU BuildBodyFeatureMenu() {
    return BuildChoiceMenu(BodyFeatureTexts, IDM_BODY_FEATURE, Settings.BodyFeature);
}

HMENU BuildFeatureMenu() {
    HMENU caption = BuildCaptionFeatureMenu(), body = BuildBodyFeatureMenu();
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(caption), "Window &caption");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(body), "&Inside window");
    return menu;
}

HMENU BuildTrayMenu() {
    HMENU features = BuildFeatureMenu();
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About");
    AppendMenuA(menu, MF_STRING, IDM_HELP, "He&lp");
    AppendSeparator(menu);
    AppendMenuA(menu, MF_STRING, IDM_HOME_PAGE, "&Visit Home Page");
    AppendSeparator(menu);
    AppendMenuA(menu, MF_STRING, IDM_SETTINGS, "S&ettings...");
    SetMenuDefaultItem(menu, IDM_SETTINGS, FALSE);
    AppendSeparator(menu);
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(features), "&Feature");
    AppendSeparator(menu);
    AppendMenuA(menu, MF_STRING, IDM_ACTIVATE, "A&ctivate");
    AppendMenuA(menu, MF_STRING, IDM_SUSPEND, "Suspe&nd");
    CheckMenuRadioItem(menu, IDM_ACTIVATE, IDM_SUSPEND, Suspended == 1 ? IDM_SUSPEND : IDM_ACTIVATE,
                       MF_BYCOMMAND);
    AppendSeparator(menu);
    AppendMenuA(menu, MF_STRING, IDM_EXIT, "E&xit");
    return menu;
}

void OpenTrayMenu(HWND mainWindow) {
    SetWindowPos(mainWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(mainWindow);
    // A second press within the 100 ms replaces the menu that was waiting.
    DestroyTrayMenu();
    TrayMenu = BuildTrayMenu();
    StartTimerOrShutdown(mainWindow, TrayMenuTimer, 100);
}

void OnTrayMenuTimer(HWND mainWindow) {
    if (!StopOneShot(mainWindow, TrayMenuTimer)) return;
    TrackMenuAtCursor(TrayMenu, mainWindow);
    DestroyTrayMenu();
}

void DestroyTrayMenu() {
    if (TrayMenu) DestroyMenu(TrayMenu);
    TrayMenu = nullptr;
}
