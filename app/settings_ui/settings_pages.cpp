#include "settings_ui/settings_pages.h"

#include "hook/host_messages.h"
#include "resources/resource_ids.h"
#include "settings_ui/settings_dialog.h"

namespace {

struct Placement {
    int id, x, y, width, height; // no width: the control keeps its size
};

void Place(HWND dialog, const Placement& at, UINT flags = SWP_NOZORDER) {
    if (!at.width) flags |= SWP_NOSIZE;
    SetWindowPos(GetDlgItem(dialog, at.id), HWND_BOTTOM, at.x, at.y, at.width, at.height,
                 flags | SWP_SHOWWINDOW);
}

template <size_t N>
void PlaceAll(HWND dialog, const Placement (&controls)[N]) {
    // Only the title changes its place in the Z order: it goes to the bottom.
    Place(dialog, controls[0], 0);
    for (size_t i = 1; i < N; ++i)
        Place(dialog, controls[i]);
}

template <size_t N>
void HideAll(HWND dialog, const int (&ids)[N]) {
    for (int id : ids)
        ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

constexpr Placement CaptionPage[] = {
    {IDC_CAPTION_TITLE, 114, 14, 0, 0},     {IDC_CAPTION_PROMPT, 120, 51, 0, 0},
    {IDC_CAPTION_LIST, 170, 90, 0, 0},      {IDC_PANEL_FRAME, 110, 156, 0, 0},
    {IDC_NO_SETTINGS_ICON, 168, 211, 0, 0}, {IDC_NO_SETTINGS_TEXT, 187, 212, 0, 0}};
constexpr Placement BodyPage[] = {
    {IDC_BODY_TITLE, 114, 14, 0, 0},        {IDC_BODY_PROMPT, 120, 51, 0, 0},
    {IDC_BODY_LIST, 170, 90, 0, 0},         {IDC_PANEL_FRAME, 110, 156, 0, 0},
    {IDC_NO_SETTINGS_ICON, 168, 211, 0, 0}, {IDC_NO_SETTINGS_TEXT, 187, 212, 0, 0}};
constexpr Placement GeneralPage[] = {{IDC_GENERAL_TITLE, 114, 14, 0, 0},
                                     {IDC_MISC_GROUP, 110, 45, 323, 135},
                                     {IDC_DETECT_MIDDLE, 130, 65, 0, 0},
                                     {IDC_LOAD_ON_STARTUP, 130, 85, 0, 0},
                                     {IDC_SHOW_TRAY_ICON, 130, 105, 0, 0},
                                     {IDC_SHOW_INDICATOR, 130, 125, 0, 0},
                                     {IDC_CHORD, 123, 150, 0, 0},
                                     {IDC_MISC_ICON, 360, 65, 0, 0},
                                     {IDC_FOLDERS_GROUP, 110, 184, 323, 45},
                                     {IDC_FAST_FOLDERS, 130, 203, 0, 0},
                                     {IDC_CONFIGURE_FOLDERS, 320, 199, 0, 0},
                                     {IDC_LOGITECH_GROUP, 110, 230, 323, 78},
                                     {IDC_LOGITECH_PROMPT, 130, 250, 0, 0},
                                     {IDC_LOGITECH_ICON, 130, 270, 0, 0},
                                     {IDC_LOGITECH_DOUBLE_CLICK, 170, 280, 0, 0},
                                     {IDC_LOGITECH_DRAG_LOCK, 270, 280, 0, 0}};
constexpr Placement CustomizedPage[] = {{IDC_CUSTOMIZED_TITLE, 114, 14, 0, 0},
                                        {IDC_CUSTOMIZED_PROMPT, 110, 45, 0, 0},
                                        {IDC_CUSTOMIZED_LIST, 110, 66, 323, 210},
                                        {IDC_DELETE_ENTRY, 357, 285, 0, 0}};

constexpr int CaptionPageIds[] = {IDC_NO_SETTINGS_ICON, IDC_NO_SETTINGS_TEXT, IDC_ROLL_ICON,
                                  IDC_ROLL_ON_MAXIMIZE, IDC_TRAY_ICON,        IDC_TRAY_ON_MINIMIZE,
                                  IDC_RUN_PROMPT,       IDC_RUN_ICON,         IDC_RUN_COMMAND,
                                  IDC_RUN_BROWSE,       IDC_MENU_ICON,        IDC_HOT_KEY,
                                  IDC_CLIPBOARD_PROMPT, IDC_COPY_ICON,        IDC_PASTE_ICON,
                                  IDC_COPY_CHOICE,      IDC_PASTE_CHOICE,     IDC_CAPTION_TITLE,
                                  IDC_CAPTION_PROMPT,   IDC_CAPTION_LIST,     IDC_PANEL_FRAME};
constexpr int BodyPageIds[] = {IDC_NO_SETTINGS_ICON, IDC_NO_SETTINGS_TEXT, IDC_ROLL_ICON,
                               IDC_ROLL_ON_MAXIMIZE, IDC_TRAY_ICON,        IDC_TRAY_ON_MINIMIZE,
                               IDC_RUN_PROMPT,       IDC_RUN_ICON,         IDC_RUN_BODY_COMMAND,
                               IDC_RUN_BODY_BROWSE,  IDC_MENU_ICON,        IDC_HOT_KEY,
                               IDC_CLIPBOARD_PROMPT, IDC_COPY_ICON,        IDC_PASTE_ICON,
                               IDC_COPY_CHOICE,      IDC_PASTE_CHOICE,     IDC_BODY_PROMPT,
                               IDC_BODY_TITLE,       IDC_BODY_LIST,        IDC_PANEL_FRAME};
constexpr int GeneralPageIds[] = {IDC_GENERAL_TITLE,
                                  IDC_MISC_GROUP,
                                  IDC_DETECT_MIDDLE,
                                  IDC_LOAD_ON_STARTUP,
                                  IDC_SHOW_TRAY_ICON,
                                  IDC_SHOW_INDICATOR,
                                  IDC_CHORD,
                                  IDC_MISC_ICON,
                                  IDC_FOLDERS_GROUP,
                                  IDC_FAST_FOLDERS,
                                  IDC_CONFIGURE_FOLDERS,
                                  IDC_LOGITECH_GROUP,
                                  IDC_LOGITECH_PROMPT,
                                  IDC_LOGITECH_ICON,
                                  IDC_LOGITECH_DOUBLE_CLICK,
                                  IDC_LOGITECH_DRAG_LOCK};
constexpr int CustomizedPageIds[] = {IDC_CUSTOMIZED_TITLE, IDC_CUSTOMIZED_PROMPT,
                                     IDC_CUSTOMIZED_LIST, IDC_DELETE_ENTRY};

// The panels, by the feature they serve; the run panel ends with its page's own edit and button.
constexpr Placement NoSettingsPanel[] = {{IDC_NO_SETTINGS_ICON, 168, 211, 0, 0},
                                         {IDC_NO_SETTINGS_TEXT, 187, 212, 0, 0}};
constexpr Placement RollUpPanel[] = {{IDC_ROLL_ICON, 128, 190, 0, 0},
                                     {IDC_ROLL_ON_MAXIMIZE, 190, 200, 0, 0}};
constexpr Placement TrayPanel[] = {{IDC_TRAY_ICON, 128, 190, 0, 0},
                                   {IDC_TRAY_ON_MINIMIZE, 190, 200, 0, 0}};
constexpr Placement CaptionRunPanel[] = {{IDC_RUN_PROMPT, 118, 180, 0, 0},
                                         {IDC_RUN_ICON, 128, 200, 0, 0},
                                         {IDC_RUN_COMMAND, 170, 200, 0, 0},
                                         {IDC_RUN_BROWSE, 365, 200, 0, 0}};
constexpr Placement BodyRunPanel[] = {{IDC_RUN_PROMPT, 118, 180, 0, 0},
                                      {IDC_RUN_ICON, 128, 200, 0, 0},
                                      {IDC_RUN_BODY_COMMAND, 170, 200, 0, 0},
                                      {IDC_RUN_BODY_BROWSE, 365, 200, 0, 0}};
constexpr Placement MenuPanel[] = {{IDC_MENU_ICON, 138, 190, 0, 0}, {IDC_HOT_KEY, 178, 200, 0, 0}};
constexpr Placement ClipboardPanel[] = {{IDC_CLIPBOARD_PROMPT, 128, 180, 0, 0},
                                        {IDC_COPY_ICON, 138, 240, 0, 0},
                                        {IDC_COPY_CHOICE, 158, 240, 0, 0},
                                        {IDC_PASTE_ICON, 268, 240, 0, 0},
                                        {IDC_PASTE_CHOICE, 288, 240, 0, 0}};

template <size_t N>
void PlacePanel(HWND dialog, const Placement (&controls)[N]) {
    for (const Placement& at : controls)
        Place(dialog, at);
}

void HidePanels(HWND dialog, int runCommand, int runBrowse) {
    const int ids[] = {IDC_NO_SETTINGS_ICON, IDC_NO_SETTINGS_TEXT,
                       IDC_ROLL_ICON,        IDC_ROLL_ON_MAXIMIZE,
                       IDC_TRAY_ICON,        IDC_TRAY_ON_MINIMIZE,
                       IDC_RUN_PROMPT,       IDC_RUN_ICON,
                       runCommand,           runBrowse,
                       IDC_MENU_ICON,        IDC_HOT_KEY,
                       IDC_CLIPBOARD_PROMPT, IDC_COPY_ICON,
                       IDC_PASTE_ICON,       IDC_COPY_CHOICE,
                       IDC_PASTE_CHOICE};
    HideAll(dialog, ids);
}

LRESULT Selection(HWND dialog, int list) {
    return SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0);
}

// The navigator's rows: where a press or a release counts, and where the frame stands.
struct Row {
    int top, bottom, frameTop, frameBottom;
    void (*show)(HWND dialog);
};
constexpr Row Rows[] = {{15, 82, 14, 83, ShowCaptionPage},
                        {85, 156, 88, 157, ShowBodyPage},
                        {159, 229, 161, 230, ShowGeneralPage},
                        {232, 303, 234, 304, ShowCustomizedPage}};
constexpr int FrameLeft = 15, FrameRight = 93, AreaTop = 14, AreaBottom = 304;

void PlaceLine(HWND dialog, int id, int x, int y) {
    SetWindowPos(GetDlgItem(dialog, id), HWND_BOTTOM, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

// Raised: light on the top and left, black on the bottom and right; sunken the reverse.
void ShowFrame(HWND dialog, const Row& row, bool sunken) {
    PlaceLine(dialog, IDC_FRAME_LIGHT_V, sunken ? FrameRight : FrameLeft, row.frameTop);
    PlaceLine(dialog, IDC_FRAME_DARK_V, sunken ? FrameLeft : FrameRight, row.frameTop);
    PlaceLine(dialog, IDC_FRAME_LIGHT_H, FrameLeft, sunken ? row.frameBottom : row.frameTop);
    PlaceLine(dialog, IDC_FRAME_DARK_H, FrameLeft, sunken ? row.frameTop : row.frameBottom);
}

enum class NavigatorEvent { Press, Release, Hover };

void Navigate(HWND dialog, NavigatorEvent event) {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(dialog, &at);
    // The class has no cursor of its own, or WM_SETCURSOR would put the arrow back at once.
    SetClassLongPtrA(dialog, GCLP_HCURSOR, 0);
    const bool buttonUp = GetAsyncKeyState(VK_LBUTTON) >= 0;
    if (at.x > FrameLeft && at.x < FrameRight) {
        for (const Row& row : Rows) {
            if (at.y < row.top || at.y > row.bottom) continue;
            if (event != NavigatorEvent::Press && !buttonUp) break;
            SetCursor(HandCursor);
            ShowFrame(dialog, row, event == NavigatorEvent::Press);
            if (event == NavigatorEvent::Release) row.show(dialog);
            break;
        }
    }
    if (at.x < FrameLeft || at.x > FrameRight || at.y < AreaTop || at.y > AreaBottom) {
        SetCursor(ArrowCursor);
        const int frame[] = {IDC_FRAME_LIGHT_V, IDC_FRAME_DARK_V, IDC_FRAME_LIGHT_H,
                             IDC_FRAME_DARK_H};
        HideAll(dialog, frame);
    }
}

} // namespace

void NavigatorPress(HWND dialog) {
    Navigate(dialog, NavigatorEvent::Press);
}
void NavigatorRelease(HWND dialog) {
    Navigate(dialog, NavigatorEvent::Release);
}
void NavigatorHover(HWND dialog) {
    Navigate(dialog, NavigatorEvent::Hover);
}

void HideCaptionPage(HWND dialog) {
    HideAll(dialog, CaptionPageIds);
}
void HideBodyPage(HWND dialog) {
    HideAll(dialog, BodyPageIds);
}
void HideGeneralPage(HWND dialog) {
    HideAll(dialog, GeneralPageIds);
}
void HideCustomizedPage(HWND dialog) {
    HideAll(dialog, CustomizedPageIds);
}

void ShowCaptionPage(HWND dialog) {
    HideGeneralPage(dialog);
    HideBodyPage(dialog);
    HideCustomizedPage(dialog);
    PlaceAll(dialog, CaptionPage);
    ShowCaptionFeatureSettings(dialog, Selection(dialog, IDC_CAPTION_LIST));
}

void ShowBodyPage(HWND dialog) {
    HideGeneralPage(dialog);
    HideCaptionPage(dialog);
    HideCustomizedPage(dialog);
    PlaceAll(dialog, BodyPage);
    ShowBodyFeatureSettings(dialog, Selection(dialog, IDC_BODY_LIST));
}

void ShowGeneralPage(HWND dialog) {
    HideCaptionPage(dialog);
    HideBodyPage(dialog);
    HideCustomizedPage(dialog);
    PlaceAll(dialog, GeneralPage);
}

void ShowCustomizedPage(HWND dialog) {
    HideCaptionPage(dialog);
    HideBodyPage(dialog);
    HideGeneralPage(dialog);
    PlaceAll(dialog, CustomizedPage);
}

void ShowCaptionFeatureSettings(HWND dialog, LRESULT code) {
    HidePanels(dialog, IDC_RUN_COMMAND, IDC_RUN_BROWSE);
    switch (code) {
    case CAPTION_START_MENU:
    case CAPTION_DOUBLE_CLICK: PlacePanel(dialog, NoSettingsPanel); break;
    case CAPTION_ROLL_UP: PlacePanel(dialog, RollUpPanel); break;
    case CAPTION_TRAY_WINDOW: PlacePanel(dialog, TrayPanel); break;
    case CAPTION_RUN_APPLICATION: PlacePanel(dialog, CaptionRunPanel); break;
    case CAPTION_WINDOW_FEATURES: PlacePanel(dialog, MenuPanel); break;
    default: break;
    }
}

void ShowBodyFeatureSettings(HWND dialog, LRESULT code) {
    HidePanels(dialog, IDC_RUN_BODY_COMMAND, IDC_RUN_BODY_BROWSE);
    switch (code) {
    case BODY_START_MENU:
    case BODY_DOUBLE_CLICK:
    case BODY_SCROLL_WINDOW: PlacePanel(dialog, NoSettingsPanel); break;
    case BODY_ROLL_UP: PlacePanel(dialog, RollUpPanel); break;
    case BODY_TRAY_WINDOW: PlacePanel(dialog, TrayPanel); break;
    case BODY_RUN_APPLICATION: PlacePanel(dialog, BodyRunPanel); break;
    case BODY_WINDOW_FEATURES: PlacePanel(dialog, MenuPanel); break;
    case BODY_COPY_PASTE: PlacePanel(dialog, ClipboardPanel); break;
    default: break;
    }
}
