// Names of the text and image pages' dialogs, controls, pictures and
// strings.
#pragma once

// Pictures: the text pages' side picture, the image page's picture when
// there is nothing to preview, the transparency page's side picture, and
// the alignment buttons' faces (named, so they take no number of another
// area).
#define IDB_TEXT_PAGE_PICTURE 268
#define IDB_IMAGE_NO_PICTURE 195
#define IDB_TRANSPARENCY_PICTURE 161
#define IDB_ALIGN_LEFT "ALIGN_LEFT"
#define IDB_ALIGN_CENTER "ALIGN_CENTER"
#define IDB_ALIGN_RIGHT "ALIGN_RIGHT"
#define IDB_ALIGN_TOP "ALIGN_TOP"
#define IDB_ALIGN_MIDDLE "ALIGN_MIDDLE"
#define IDB_ALIGN_BOTTOM "ALIGN_BOTTOM"

#define IDD_TEXT_PAGE 254
#define IDD_TEXT_COLOR_BAR 255
#define IDD_TEXT_ALIGNMENT 281
#define IDD_IMAGE_PATH 266
#define IDD_IMAGE_EFFECTS 251
#define IDD_PIXEL_PICKER 326

// The side picture of a page.
#define IDC_TI_SIDE_PICTURE 1131
// A text formatted with the page's noun.
#define IDC_TI_NOUN_TEXT 1041

#define IDC_TEXT_PREVIEW 1132
#define IDC_TEXT_EDIT 1039
#define IDC_TEXT_FONT 1040

#define IDC_BAR_COLOR 1005
#define IDC_BAR_TRANSPARENCY 1082
#define IDC_BAR_SPIN 1030
#define IDC_BAR_TRANSPARENCY_LABEL 1084
#define IDC_BAR_SWATCH 1158
#define IDC_BAR_VISIBLE 1086

// Radio buttons in the order of their index: left, right, center; top,
// bottom, center.
#define IDC_ALIGN_LEFT 1232
#define IDC_ALIGN_RIGHT 1233
#define IDC_ALIGN_CENTER 1234
#define IDC_VALIGN_TOP 1235
#define IDC_VALIGN_BOTTOM 1236
#define IDC_VALIGN_CENTER 1237
#define IDC_VALIGN_GROUP 1169

#define IDC_IMAGE_PREVIEW 1179
#define IDC_IMAGE_ANIMATED 1049
#define IDC_IMAGE_PATH 1038
#define IDC_IMAGE_BROWSE 1037
#define IDC_IMAGE_SYSTEM_BUTTON 1101
#define IDC_IMAGE_CAPTION 1001

#define IDC_EFFECT_DOWN 1001
#define IDC_EFFECT_OVER 1002
#define IDC_EFFECT_DOWN_BROWSE 1006
#define IDC_EFFECT_OVER_BROWSE 1007

#define IDC_PICK_SWATCH 1221
#define IDC_PICK_AREA 1214
#define IDC_PICK_USE 1220
#define IDC_PICK_X 1000
#define IDC_PICK_Y 1001

#define IDS_IMAGE_FILE_FILTER 61264
