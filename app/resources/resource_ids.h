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
// The settings dialog: its template, pictures and controls.
#define IDD_SETTINGS 288
#define IDI_SETTINGS 297
#define IDC_HAND_CURSOR 203
// The navigator strip, the lines of its frame (light or black, vertical or horizontal), the
// banner and the pages' titles.
#define IDB_NAVIGATOR 289
#define IDB_FRAME_LIGHT_V 291
#define IDB_FRAME_DARK_H 292
#define IDB_FRAME_LIGHT_H 293
#define IDB_FRAME_DARK_V 295
#define IDB_BANNER 300
#define IDB_TITLE_CAPTION 301
#define IDB_TITLE_BODY 303
#define IDB_TITLE_GENERAL 304
#define IDB_TITLE_CUSTOMIZED 305
// The pictures of the panels and groups, and of a row of the per-application list.
#define IDI_RUN_FOLDER 296
#define IDI_MISC_TOOLS 299
#define IDI_NO_SETTINGS 306
#define IDI_ROLL_BUTTONS 307
#define IDI_TRAY_BUTTONS 308
#define IDI_KEYBOARD 309
#define IDI_COPY 310
#define IDI_PASTE 311
#define IDI_MOUSE 313
#define IDI_WINDOW_ROW 325
// Controls, by page. Always there:
#define IDC_HELP_BUTTON 1245
#define IDC_NAVIGATOR 1179
#define IDC_BANNER 1215
#define IDC_FRAME_DARK_V 1184
#define IDC_FRAME_LIGHT_V 1185
#define IDC_FRAME_DARK_H 1186
#define IDC_FRAME_LIGHT_H 1187
// pages 1 and 2:
#define IDC_CAPTION_TITLE 1216
#define IDC_CAPTION_PROMPT 1181
#define IDC_CAPTION_LIST 1178
#define IDC_BODY_TITLE 1217
#define IDC_BODY_PROMPT 1191
#define IDC_BODY_LIST 1190
#define IDC_PANEL_FRAME 1182
#define IDC_NO_SETTINGS_ICON 1220
#define IDC_NO_SETTINGS_TEXT 1183
#define IDC_ROLL_ICON 1221
#define IDC_ROLL_ON_MAXIMIZE 1222
#define IDC_TRAY_ICON 1223
#define IDC_TRAY_ON_MINIMIZE 1224
#define IDC_RUN_PROMPT 1193
#define IDC_RUN_ICON 1194
#define IDC_RUN_COMMAND 1188
#define IDC_RUN_BROWSE 1189
#define IDC_RUN_BODY_COMMAND 1210
#define IDC_RUN_BODY_BROWSE 1225
#define IDC_MENU_ICON 1226
#define IDC_HOT_KEY 1227
#define IDC_COPY_CHOICE 1228
#define IDC_PASTE_CHOICE 1229
#define IDC_CLIPBOARD_PROMPT 1230
#define IDC_COPY_ICON 1231
#define IDC_PASTE_ICON 1232
// page 3:
#define IDC_GENERAL_TITLE 1218
#define IDC_MISC_GROUP 1201
#define IDC_DETECT_MIDDLE 1198
#define IDC_LOAD_ON_STARTUP 1195
#define IDC_SHOW_TRAY_ICON 1196
#define IDC_SHOW_INDICATOR 1197
#define IDC_CHORD 1199
#define IDC_MISC_ICON 1203
#define IDC_FOLDERS_GROUP 1202
#define IDC_FAST_FOLDERS 1200
#define IDC_CONFIGURE_FOLDERS 1237
#define IDC_LOGITECH_GROUP 1205
#define IDC_LOGITECH_PROMPT 1192
#define IDC_LOGITECH_ICON 1234
#define IDC_LOGITECH_DOUBLE_CLICK 1204
#define IDC_LOGITECH_DRAG_LOCK 1209
// page 4:
#define IDC_CUSTOMIZED_TITLE 1219
#define IDC_CUSTOMIZED_PROMPT 1213
#define IDC_CUSTOMIZED_LIST 1208
#define IDC_DELETE_ENTRY 1212
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
