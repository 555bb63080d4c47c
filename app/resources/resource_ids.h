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

// The features indicator: the face with its fold button, the arrow panel, and one picture per
// feature code; the controls of the body pictures in code order, then those of the captions.
#define IDD_INDICATOR 249
#define IDB_INDICATOR_FACE 257
#define IDB_ARROW_PANEL 287
#define IDB_BODY_START_MENU 259
#define IDB_BODY_DOUBLE_CLICK 260
#define IDB_BODY_ROLL_UP 261
#define IDB_BODY_TRAY 262
#define IDB_BODY_RUN 263
#define IDB_BODY_SCROLL 264
#define IDB_BODY_FEATURES_MENU 265
#define IDB_BODY_COPY_PASTE 314
#define IDB_CAPTION_DOUBLE_CLICK 266
#define IDB_CAPTION_FEATURES_MENU 267
#define IDB_CAPTION_ROLL_UP 268
#define IDB_CAPTION_RUN 269
#define IDB_CAPTION_START_MENU 271
#define IDB_CAPTION_TRAY 272
#define IDC_INDICATOR_FACE 1162
#define IDC_BODY_START_MENU 1149
#define IDC_BODY_DOUBLE_CLICK 1150
#define IDC_BODY_ROLL_UP 1151
#define IDC_BODY_TRAY 1152
#define IDC_BODY_RUN 1153
#define IDC_BODY_SCROLL 1154
#define IDC_BODY_FEATURES_MENU 1155
#define IDC_BODY_COPY_PASTE 1163
#define IDC_CAPTION_START_MENU 1156
#define IDC_CAPTION_DOUBLE_CLICK 1157
#define IDC_CAPTION_ROLL_UP 1158
#define IDC_CAPTION_TRAY 1159
#define IDC_CAPTION_RUN 1160
#define IDC_CAPTION_FEATURES_MENU 1161

// "Customize this window": its icon and its two lists, whose positions are the feature codes.
#define IDD_CUSTOMIZE_WINDOW 275
#define IDI_CUSTOMIZE 321
#define IDC_CUSTOM_CAPTION_FEATURE 1242
#define IDC_CUSTOM_BODY_FEATURE 1243
