#include "features/window_features_menu.h"

#include "core/host.h"
#include "core/owned.h"
#include "features/foreign_window.h"
#include "features/popup_menu.h"
#include "features/topmost.h"
#include "hook/host_messages.h"
#include "resources/resource_ids.h"

HWND FeaturesMenuTarget;
HFONT MenuFont;

namespace {

struct ItemLook {
    const char* label;
    WORD icon, litIcon;
};
// In menu order, from IDM_START_MENU on. The blanks inside the labels line up their words.
constexpr ItemLook Looks[] = {
    {"Start Menu", IDI_START_MENU, IDI_START_MENU_LIT},
    {"Tray  Window", IDI_TRAY_WINDOW, IDI_TRAY_WINDOW_LIT},
    {"Roll   Window", IDI_ROLL_WINDOW, IDI_ROLL_WINDOW_LIT},
    {"Nail   Window", IDI_NAIL_WINDOW, IDI_NAIL_WINDOW_LIT},
    {"Min.  Window", IDI_MIN_WINDOW, IDI_MIN_WINDOW_LIT},
    {"Close", IDI_CLOSE_WINDOW, IDI_CLOSE_WINDOW_LIT},
};
constexpr UINT ItemCount = sizeof Looks / sizeof Looks[0];
// Places within an item, right of the strip down the menu's left edge.
constexpr int IconLeft = 19, IconTop = 4, LabelLeft = 39, LabelTop = 6, FrameLeft = 17;

// Loaded for this drawing only.
void DrawItemIcon(HDC dc, int x, int y, WORD id, HBRUSH background) {
    Owned<HICON, DestroyIcon> icon(
        static_cast<HICON>(LoadImageA(AppInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0)));
    DrawIconEx(dc, x, y, icon, 16, 16, 0, background, DI_IMAGE);
}

} // namespace

void CreateMenuFont() {
    if (!MenuFont)
        MenuFont = CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0,
                               0, "MS Sans Serif");
}

HMENU BuildWindowFeaturesMenu() {
    HMENU menu = CreatePopupMenu();
    for (UINT id = IDM_START_MENU; id < IDM_START_MENU + ItemCount; ++id)
        AppendMenuA(menu, MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(101));
    return menu;
}

void ShowWindowFeaturesMenu(HWND mainWindow) {
    FeaturesMenuTarget = GetForegroundWindow();
    Owned<HMENU, DestroyMenu> menu(BuildWindowFeaturesMenu());
    TrackMenuAtCursor(menu, mainWindow);
    // The chosen command is still queued; until then the user's window is active again.
    if (IsWindow(FeaturesMenuTarget)) SetForegroundWindow(FeaturesMenuTarget);
}

LRESULT MeasureWindowFeaturesItem(MEASUREITEMSTRUCT* item) {
    item->itemWidth = 105;
    item->itemHeight = 25;
    return 0;
}

LRESULT DrawWindowFeaturesItem(DRAWITEMSTRUCT* item) {
    UINT index = item->itemID - IDM_START_MENU;
    if (!(item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) || index >= ItemCount) return 0;
    const ItemLook& look = Looks[index];
    const RECT& rc = item->rcItem;
    HDC dc = item->hDC;
    int saved = SaveDC(dc);
    SelectObject(dc, MenuFont);
    // The label goes over what the menu painted, in one colour whatever the highlight.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    // The menu's own colour, which is the button face's on Windows 95: painted over an old
    // frame it leaves nothing behind under any colour scheme.
    Owned<HBRUSH, DeleteObject> face(CreateSolidBrush(GetSysColor(COLOR_MENU)));
    // The first item draws the strip for all six: it is as high as the whole menu.
    if (item->itemID == IDM_START_MENU) {
        Owned<HBITMAP, DeleteObject> strip(
            LoadBitmapA(AppInstance, MAKEINTRESOURCEA(IDB_MENU_STRIP)));
        DrawMaskedBitmap(dc, {rc.left, rc.top}, strip, strip);
    }
    bool lit = item->itemState & ODS_SELECTED;
    DrawItemIcon(dc, rc.left + IconLeft, rc.top + IconTop, lit ? look.litIcon : look.icon, face);
    TextOutA(dc, rc.left + LabelLeft, rc.top + LabelTop, look.label, lstrlenA(look.label));
    RECT frame = {rc.left + FrameLeft, rc.top, rc.right, rc.bottom};
    if (lit)
        DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    else if (item->itemAction & ODA_SELECT) // the highlight moved away: its frame goes
        FrameRect(dc, &frame, face);
    RestoreDC(dc, saved);
    return 0;
}

BOOL DrawMaskedBitmap(HDC dc, POINT at, HBITMAP image, HBITMAP mask) {
    Owned<HDC, DeleteDC> source(CreateCompatibleDC(dc)), work(CreateCompatibleDC(dc));
    SetMapMode(source, GetMapMode(dc));
    SetMapMode(work, GetMapMode(dc));
    BITMAP size = {};
    GetObjectA(image, sizeof size, &size);
    int width = static_cast<WORD>(size.bmWidth), height = static_cast<WORD>(size.bmHeight);
    Owned<HBITMAP, DeleteObject> canvas(CreateCompatibleBitmap(dc, width, height));
    HGDIOBJ oldSource = SelectObject(source, mask), oldWork = SelectObject(work, canvas);
    BitBlt(work, 0, 0, width, height, dc, at.x, at.y, SRCCOPY);
    BitBlt(work, 0, 0, width, height, source, 0, 0, SRCAND);
    SelectObject(source, image);
    BitBlt(work, 0, 0, width, height, source, 0, 0, SRCPAINT);
    BitBlt(dc, at.x, at.y, width, height, work, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(work, oldWork);
    return TRUE;
}

void RunWindowFeature(HWND mainWindow, UINT id) {
    WPARAM target = reinterpret_cast<WPARAM>(FeaturesMenuTarget);
    switch (id) {
    case IDM_START_MENU: SendMessageA(mainWindow, UM_START_MENU, 0, 0); break;
    case IDM_TRAY_WINDOW: SendMessageA(mainWindow, UM_TRAY_WINDOW, target, 0); break;
    case IDM_ROLL_WINDOW: SendMessageA(mainWindow, UM_ROLL_WINDOW, target, 0); break;
    case IDM_NAIL_WINDOW: ToggleTopmost(FeaturesMenuTarget); break;
    case IDM_MIN_WINDOW: ShowForeignWindow(FeaturesMenuTarget, SW_MINIMIZE); break;
    // A hung program must not hang the host.
    case IDM_CLOSE_WINDOW: SendToWindow(FeaturesMenuTarget, WM_CLOSE, 0, 0); break;
    default: break;
    }
}
