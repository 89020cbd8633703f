// The framework's standard command, window and string ids. Plain defines
// only, so resource scripts can include this file as well as C++.
#pragma once

#define ID_SEPARATOR            0

// File menu
#define ID_FILE_NEW             0xE100
#define ID_FILE_OPEN            0xE101
#define ID_FILE_CLOSE           0xE102
#define ID_FILE_SAVE            0xE103
#define ID_FILE_SAVE_AS         0xE104
#define ID_FILE_PAGE_SETUP      0xE105
#define ID_FILE_PRINT_SETUP     0xE106
#define ID_FILE_PRINT           0xE107
#define ID_FILE_PRINT_DIRECT    0xE108
#define ID_FILE_PRINT_PREVIEW   0xE109
#define ID_FILE_MRU_FIRST       0xE110
#define ID_FILE_MRU_FILE1       0xE110
#define ID_FILE_MRU_FILE2       0xE111
#define ID_FILE_MRU_FILE3       0xE112
#define ID_FILE_MRU_FILE4       0xE113
#define ID_FILE_MRU_LAST        0xE11F

// Edit menu
#define ID_EDIT_CLEAR           0xE120
#define ID_EDIT_CLEAR_ALL       0xE121
#define ID_EDIT_COPY            0xE122
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_FIND            0xE124
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_PASTE_LINK      0xE126
#define ID_EDIT_PASTE_SPECIAL   0xE127
#define ID_EDIT_REPEAT          0xE128
#define ID_EDIT_REPLACE         0xE129
#define ID_EDIT_SELECT_ALL      0xE12A
#define ID_EDIT_UNDO            0xE12B
#define ID_EDIT_REDO            0xE12C

// Application and help
#define ID_APP_ABOUT            0xE140
#define ID_APP_EXIT             0xE141
#define ID_HELP_INDEX           0xE142
#define ID_HELP_FINDER          0xE143
#define ID_HELP_USING           0xE144
#define ID_CONTEXT_HELP         0xE145
#define ID_HELP                 0xE146
#define ID_DEFAULT_HELP         0xE147
#define ID_NEXT_PANE            0xE150
#define ID_PREV_PANE            0xE151

// Status-bar indicators; their strings are the texts shown when on.
#define ID_INDICATOR_EXT        0xE700
#define ID_INDICATOR_CAPS       0xE701
#define ID_INDICATOR_NUM        0xE702
#define ID_INDICATOR_SCRL       0xE703
#define ID_INDICATOR_OVR        0xE704
#define ID_INDICATOR_REC        0xE705

// View menu: the toggles carry the ids of the bars they show and hide.
#define ID_VIEW_TOOLBAR         0xE800
#define ID_VIEW_STATUS_BAR      0xE801

// Child windows of a frame
#define AFX_IDW_TOOLBAR         0xE800
#define AFX_IDW_STATUS_BAR      0xE801
#define AFX_IDW_REBAR           0xE804
#define AFX_IDW_PANE_FIRST      0xE900
#define AFX_IDW_PANE_LAST       0xE9FF

// Strings; the framework has English texts of its own for each of them
// and takes a program's string table entry first.
#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDS_HELPMODEMESSAGE 0xE002
#define AFX_IDS_UNTITLED        0xF000
#define AFX_IDS_ALLFILTER       0xF001
#define AFX_IDS_OPENFILE        0xF002
#define AFX_IDS_SAVEFILE        0xF003
#define AFX_IDP_ASK_TO_SAVE     0xF004
#define AFX_IDP_FAILED_TO_OPEN_DOC   0xF005
#define AFX_IDP_FAILED_TO_SAVE_DOC   0xF006
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF007
#define AFX_IDP_FAILED_MEMORY_ALLOC  0xF008
#define AFX_IDP_COMMAND_FAILURE      0xF009
#define AFX_IDS_SCSIZE          0xEF00
#define AFX_IDS_SCMOVE          0xEF01
#define AFX_IDS_SCMINIMIZE      0xEF02
#define AFX_IDS_SCMAXIMIZE      0xEF03
#define AFX_IDS_SCNEXTWINDOW    0xEF04
#define AFX_IDS_SCPREVWINDOW    0xEF05
#define AFX_IDS_SCCLOSE         0xEF06
#define AFX_IDS_SCRESTORE       0xEF12
#define AFX_IDS_SCTASKLIST      0xEF13

// Framework messages (the range above WM_USER's below-0x400 reserve)
#define WM_SIZEPARENT           0x0361
#define WM_SETMESSAGESTRING     0x0362
#define WM_IDLEUPDATECMDUI      0x0363
#define WM_INITIALUPDATE        0x0364
#define WM_COMMANDHELP          0x0365
#define WM_RECALCPARENT         0x0368
#define WM_POPMESSAGESTRING     0x0375

// A notification or command reflected to the control that sent it arrives
// as this base plus the original message.
#define WM_REFLECT_BASE         0xBC00
