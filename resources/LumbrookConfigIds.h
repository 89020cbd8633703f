// Resource and command ids of the editor LumbrookConfig.exe, shared by its
// resource script and its code. The framework's own commands (File Open,
// Save, Cut, Copy, Paste, Undo, the recent files, the bars, help, About,
// the panes) keep the framework's ids from AfxRes.h.
#pragma once

#include "platform/framework/AfxRes.h"

// The document template: menu, accelerators, icon and its string.
#define IDR_MAINFRAME 128
// The program's AppID registration script (type "REGISTRY").
#define IDR_LUMBROOKCONFIG 102
// Artwork: frame pictures (16 and 32 pixels), the toolbar's normal and hot
// pictures, the object tree's pictures, the splash window's picture.
#define IDB_FRAME_SMALL 206
#define IDB_FRAME_LARGE 222
#define IDB_TOOLBAR 220
#define IDB_TOOLBAR_HOT 221
#define IDB_TREE 168
#define IDB_SPLASH 320

// The editor's own commands.
#define ID_PROJECT_NEW 32771
#define ID_FILE_TEST 32778
#define ID_EDIT_PREFERENCES 32779
#define ID_INSERT_BUTTON 32775
#define ID_INSERT_IMAGE 32776
#define ID_INSERT_TEXT 32773
#define ID_INSERT_ACTIVEX 57647
#define ID_INSERT_NEW_PAGE 32809
// Layout: to the page's edges, to the outermost selected object, spacing,
// centring.
#define ID_ALIGN_TOP_SCREEN 32795
#define ID_ALIGN_BOTTOM_SCREEN 32798
#define ID_ALIGN_LEFT_SCREEN 32797
#define ID_ALIGN_RIGHT_SCREEN 32796
#define ID_ALIGN_TOP_ITEM 32799
#define ID_ALIGN_BOTTOM_ITEM 32802
#define ID_ALIGN_LEFT_ITEM 32801
#define ID_ALIGN_RIGHT_ITEM 32800
#define ID_SPACE_COLUMNS 32805
#define ID_SPACE_ROWS 32806
#define ID_CENTER_HORIZONTAL 32807
#define ID_CENTER_VERTICAL 32808
// The maker's web pages.
#define ID_WEB_DUNMARROW 32782
#define ID_WEB_QUINDLE 32783
// Toolbar only.
#define ID_TOOL_IMAGE 57645
#define ID_TOOL_TEXT 57646
#define ID_TOOL_PREVIEW 57648
// Sent by nothing of the program: inserts an image strip.
#define ID_INSERT_IMAGE_STRIP 57649
// Context menus and double-click.
#define ID_MOVE_DOWN 1141
#define ID_MOVE_UP 1142
#define ID_NEW_SUBMENU 1143
#define ID_NEW_OBJECT 1235
#define ID_OBJECT_DELETE 32780
#define ID_OBJECT_PROPERTIES 32781
#define ID_NEW_SCRIPT_ITEM 32811
#define ID_NEW_EVENT 32812
// Status texts only.
#define ID_INSERT_SCRIPT 32788
#define ID_ADD_ACTIVEX 32810

// Strings.
#define IDS_CONFIRM_DELETE 61227
#define IDS_WEB_DUNMARROW 61278
#define IDS_WEB_QUINDLE 61279
#define IDS_FIRST_PAGE_FILE 61315
