// Every resource and control id of the host, shared by the resource script and the code.
#pragma once

// The program's own icon.
#define IDI_QUILLET96 "QUILLET96"

// The window-features menu: each item's picture, normal and highlighted, and the strip down the
// menu's left edge.
#define IDI_START_MENU 158
#define IDI_START_MENU_LIT 133
#define IDI_TRAY_WINDOW 157
#define IDI_TRAY_WINDOW_LIT 130
#define IDI_ROLL_WINDOW 156
#define IDI_ROLL_WINDOW_LIT 125
#define IDI_NAIL_WINDOW 132
#define IDI_NAIL_WINDOW_LIT 159
#define IDI_MIN_WINDOW 129
#define IDI_MIN_WINDOW_LIT 160
#define IDI_CLOSE_WINDOW 131
#define IDI_CLOSE_WINDOW_LIT 161
#define IDB_MENU_STRIP 155

// The notification area icon while active and while suspended.
#define IDI_ACTIVE 247
#define IDI_SUSPENDED 256

// The About box.
#define IDD_ABOUT 318
#define IDB_ABOUT 320
#define IDC_HOME_PAGE 1240

// Menu commands. The window-features menu's items:
#define IDM_START_MENU 101
#define IDM_TRAY_WINDOW 102
#define IDM_ROLL_WINDOW 103
#define IDM_NAIL_WINDOW 104
#define IDM_MIN_WINDOW 105
#define IDM_CLOSE_WINDOW 106
// the tray menu's:
#define IDM_ABOUT 201
#define IDM_HELP 202
#define IDM_SETTINGS 203
#define IDM_ACTIVATE 204
#define IDM_SUSPEND 205
#define IDM_EXIT 206
#define IDM_HOME_PAGE 207
// and its feature submenus', the first plus the feature code.
#define IDM_CAPTION_FEATURE 300
#define IDM_BODY_FEATURE 400

// The "Favorite folders" dialog, its pictures, and the Fast Folders menu: a folder's item is
// the first plus its number; only the first sixteen act.
#define IDD_FAVORITE_FOLDERS 315
#define IDI_FAVORITE_FOLDERS 316
#define IDI_FOLDER 317
#define IDC_FOLDER_LIST 1235
#define IDC_ADD_FOLDER 1236
#define IDC_REMOVE_FOLDER 1138
#define IDM_FIRST_FOLDER 10000
#define IDM_LAST_FOLDER 10015
#define IDM_FOLDERS_SEPARATOR 10102
#define IDM_FOLDERS_CANCEL 10103
#define IDM_NO_FOLDERS 10104
