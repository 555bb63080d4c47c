#include "indicator/indicator.h"

#include <cstring>

#include "config/custom_windows.h"
#include "config/settings.h"
#include "core/host.h"
#include "hook/host_messages.h"
#include "resources/resource_ids.h"

HWND IndicatorWindow;

namespace {

// The picture controls, in feature-code order.
constexpr int BodyPictures[] = {IDC_BODY_START_MENU,    IDC_BODY_DOUBLE_CLICK, IDC_BODY_ROLL_UP,
                                IDC_BODY_TRAY,          IDC_BODY_RUN,          IDC_BODY_SCROLL,
                                IDC_BODY_FEATURES_MENU, IDC_BODY_COPY_PASTE};
constexpr int CaptionPictures[] = {IDC_CAPTION_START_MENU, IDC_CAPTION_DOUBLE_CLICK,
                                   IDC_CAPTION_ROLL_UP,    IDC_CAPTION_TRAY,
                                   IDC_CAPTION_RUN,        IDC_CAPTION_FEATURES_MENU};
static_assert(sizeof BodyPictures / sizeof *BodyPictures == BodyFeatureCount, "a picture a code");
static_assert(sizeof CaptionPictures / sizeof *CaptionPictures == CaptionFeatureCount,
              "a picture a code");

constexpr int FaceSize = 41;      // the face alone, folded
constexpr int UnfoldedWidth = 84; // the face and the arrow panel
constexpr int Step = 10;

int Unfolded;
// Looked up once: a tick touches only what it changes.
HWND BodyPictureWindows[BodyFeatureCount];
HWND CaptionPictureWindows[CaptionFeatureCount];
LONG ShownCaption, ShownBody;

// Client pixels, every bound exclusive.
struct Zone {
    LONG left, top, right, bottom;
    bool Holds(POINT p) const { return left < p.x && p.x < right && top < p.y && p.y < bottom; }
};
constexpr Zone FoldButton = {24, 5, 34, 15};
constexpr Zone UpArrow = {56, 3, 68, 15};
constexpr Zone DownArrow = {56, 26, 68, 36};
constexpr Zone LeftArrow = {46, 14, 55, 25};
constexpr Zone RightArrow = {65, 14, 79, 25};

// The visible part starts at the client origin: the dialog frame is never seen.
void SetShape(HWND dialog, int width) {
    POINT origin = {0, 0};
    RECT frame;
    ClientToScreen(dialog, &origin);
    GetWindowRect(dialog, &frame);
    LONG x = origin.x - frame.left, y = origin.y - frame.top;
    SetWindowRgn(dialog, CreateRectRgn(x, y, x + width, y + FaceSize), TRUE);
}

void MoveTo(HWND dialog, LONG x, LONG y) {
    SetWindowPos(dialog, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void MoveBy(HWND dialog, LONG dx, LONG dy) {
    RECT frame;
    GetWindowRect(dialog, &frame);
    MoveTo(dialog, frame.left + dx, frame.top + dy);
}

// The cursor goes along, so that the next click hits the same arrow.
void StepWithCursor(HWND dialog, LONG dx, LONG dy) {
    MoveBy(dialog, dx, dy);
    POINT cursor;
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + dx, cursor.y + dy);
}

void ToggleFold(HWND dialog) {
    Unfolded = !Unfolded;
    if (Unfolded) {
        MoveBy(dialog, -FaceSize, 0);
        SetShape(dialog, UnfoldedWidth);
    } else {
        SetShape(dialog, FaceSize);
        MoveBy(dialog, FaceSize, 0);
    }
}

// A face stored wholly off the screen (the screen has shrunk since) could never be reached
// again: it goes where a first run puts it. Partly on the screen, it stays.
void PlaceAtStoredPosition(HWND dialog) {
    MoveTo(dialog, Settings.PosX, Settings.PosY);
    POINT origin = {0, 0};
    ClientToScreen(dialog, &origin);
    RECT face = {origin.x, origin.y, origin.x + FaceSize, origin.y + FaceSize}, seen;
    // Every monitor where the system knows several (Windows 98 on); else the one screen.
    constexpr int VirtualLeft = 76, VirtualTop = 77, VirtualWidth = 78, VirtualHeight = 79;
    RECT screen = {GetSystemMetrics(VirtualLeft), GetSystemMetrics(VirtualTop), 0, 0};
    screen.right = screen.left + GetSystemMetrics(VirtualWidth);
    screen.bottom = screen.top + GetSystemMetrics(VirtualHeight);
    if (IsRectEmpty(&screen))
        SetRect(&screen, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (IntersectRect(&seen, &face, &screen)) return;
    const SettingsRecord firstRun = FirstRunSettings();
    MoveTo(dialog, firstRun.PosX, firstRun.PosY);
    SaveIndicatorPos(dialog);
}

void OnInitIndicator(HWND dialog) {
    IndicatorWindow = dialog;
    Unfolded = 0;
    ShownCaption = ShownBody = -1;
    // Below the face in the sibling order, so that they paint over it.
    for (int code = 0; code < BodyFeatureCount; ++code) {
        BodyPictureWindows[code] = GetDlgItem(dialog, BodyPictures[code]);
        SetWindowPos(BodyPictureWindows[code], HWND_BOTTOM, 13, 22, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int code = 0; code < CaptionFeatureCount; ++code) {
        CaptionPictureWindows[code] = GetDlgItem(dialog, CaptionPictures[code]);
        SetWindowPos(CaptionPictureWindows[code], HWND_BOTTOM, 5, 3, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    }
    PlaceAtStoredPosition(dialog);
    SetWindowPos(GetDlgItem(dialog, IDC_INDICATOR_FACE), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetShape(dialog, FaceSize);
}

void OnIndicatorClick(HWND dialog) {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(dialog, &at);
    RECT frame;
    GetWindowRect(dialog, &frame);
    if (FoldButton.Holds(at)) {
        ToggleFold(dialog);
        return;
    }
    // Tested before the step: an edge may end up to 9 pixels past the screen's, no further.
    if (UpArrow.Holds(at) && frame.top > 0) StepWithCursor(dialog, 0, -Step);
    if (DownArrow.Holds(at) && frame.bottom < GetSystemMetrics(SM_CYSCREEN))
        StepWithCursor(dialog, 0, Step);
    if (LeftArrow.Holds(at) && frame.left > 0) StepWithCursor(dialog, -Step, 0);
    if (RightArrow.Holds(at) && frame.right < GetSystemMetrics(SM_CXSCREEN))
        StepWithCursor(dialog, Step, 0);
}

// The style bit, not IsWindowVisible: a hidden indicator's pictures keep their own state.
bool Shown(HWND picture) {
    return (GetWindowLongA(picture, GWL_STYLE) & WS_VISIBLE) != 0;
}

template <size_t Count>
void HideOthers(HWND (&pictures)[Count], LONG code) {
    for (size_t i = 0; i < Count; ++i)
        if (static_cast<LONG>(i) != code && Shown(pictures[i])) ShowWindow(pictures[i], SW_HIDE);
}

template <size_t Count>
void ShowOne(HWND (&pictures)[Count], LONG code) {
    if (code >= 0 && code < static_cast<LONG>(Count) && !Shown(pictures[code]))
        ShowWindow(pictures[code], SW_SHOWNA);
}

INT_PTR CALLBACK IndicatorDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: OnInitIndicator(dialog); break;
    case WM_LBUTTONDOWN: OnIndicatorClick(dialog); break;
    case UM_INDICATOR: ShowFeatures(Settings.CaptionFeature, Settings.BodyFeature); break;
    case WM_CLOSE: EndDialog(dialog, 1); break; // hidden until the host shows it again
    case WM_DESTROY: IndicatorWindow = nullptr; break;
    default: break;
    }
    return FALSE;
}

} // namespace

void CreateIndicator(HWND owner) {
    CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(IDD_INDICATOR), owner, IndicatorDlgProc, 0);
}

void ShowIndicatorBySettings() {
    if (!IndicatorWindow) return; // not yet, at start-up
    SendMessageA(IndicatorWindow, UM_INDICATOR, 0, 0);
    // Shown without taking the foreground from the user's program.
    ShowWindow(IndicatorWindow, Settings.ShowState == 1 ? SW_SHOWNA : SW_HIDE);
}

void DestroyIndicator() {
    if (!IndicatorWindow) return;
    // Folded first: the face starts where it stood, not 41 pixels further left each run.
    if (Unfolded) ToggleFold(IndicatorWindow);
    SaveIndicatorPos(IndicatorWindow);
    DestroyWindow(IndicatorWindow);
}

void ShowFeatures(LONG captionFeature, LONG bodyFeature) {
    // Ten times a second, mostly with what is shown already: that costs nothing.
    if (!IndicatorWindow || (captionFeature == ShownCaption && bodyFeature == ShownBody)) return;
    ShownCaption = captionFeature, ShownBody = bodyFeature;
    HideOthers(BodyPictureWindows, bodyFeature);
    HideOthers(CaptionPictureWindows, captionFeature);
    ShowOne(BodyPictureWindows, bodyFeature);
    ShowOne(CaptionPictureWindows, captionFeature);
}

void OnIndicatorTimer() {
    // A window's class never changes: asked again only when another window comes forward.
    static HWND foreground;
    static char className[256];
    HWND now = GetForegroundWindow();
    if (now != foreground) {
        foreground = now, className[0] = 0;
        GetClassNameA(now, className, sizeof className);
    }
    // When entries share a class, the later one decides.
    const CustomWindowEntry* match = nullptr;
    for (int i = 0; className[0] && i < CustomWindowCount; ++i)
        if (strcmp(CustomWindowTable[i].ClassName, className) == 0) match = &CustomWindowTable[i];
    if (match)
        ShowFeatures(match->CaptionFeature, match->BodyFeature);
    else if (IndicatorWindow)
        SendMessageA(IndicatorWindow, UM_INDICATOR, 0, 0);
}
