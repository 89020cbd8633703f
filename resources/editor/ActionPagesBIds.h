// Ids of the configuration pages of the shell, window, data-file and cookie
// actions. Control ids repeat between pages, so each page names its own.
#pragma once

// Open Folder.
#define IDD_OPEN_FOLDER_CFG 138
#define IDC_FOLDER_PATH 1017
#define IDC_FOLDER_BROWSE 1001
// Play Sound.
#define IDD_PLAY_SOUND_CFG 143
#define IDC_SOUND_PATH 1017
#define IDC_SOUND_BROWSE 1001
#define IDC_SOUND_PLAY 1006
// Launch HTML.
#define IDD_LAUNCH_HTML_CFG 136
#define IDC_HTML_PATH 1033
#define IDC_HTML_BROWSE 1001
// Run External Program.
#define IDD_RUN_PROGRAM_CFG 137
#define IDC_PROGRAM_PATH 1034
#define IDC_PROGRAM_BROWSE 1001
#define IDC_PROGRAM_ARGUMENTS 1000
// Shell Execute.
#define IDD_SHELL_EXECUTE_CFG 140
#define IDC_DOCUMENT_PATH 1017
#define IDC_DOCUMENT_BROWSE 1001
// Internal Command.
#define IDD_INTERNAL_COMMAND_CFG 170
#define IDC_COMMAND_LIST 1035
#define IDC_COMMAND_PARAMETERS 1000
// Post Message.
#define IDD_POST_MESSAGE_PP 318
#define IDC_POST_CLASS 1191
#define IDC_POST_MESSAGE 1146
#define IDC_POST_WPARAM 1147
#define IDC_POST_LPARAM 1148
// Save To Datafile and Read From Datafile.
#define IDD_SAVE_TO_FILE_PP 327
#define IDD_READ_FROM_FILE_PP 328
#define IDC_DATAFILE_PATH 1002
#define IDC_DATAFILE_BROWSE 1006
#define IDC_DATAFILE_KEY 1001
#define IDC_DATAFILE_VARIABLE 1065
#define IDC_DATAFILE_CONSTANT 1000
// Read a Cookie and Write a Cookie.
#define IDD_GET_COOKIE_PP 329
#define IDD_SET_COOKIE_PP 330
#define IDC_COOKIE_URL 1039
#define IDC_COOKIE_NAME 1225
#define IDC_COOKIE_NAME_VARIABLE 1223
#define IDC_COOKIE_DATA_VARIABLE 1224
#define IDC_COOKIE_DAYS 1000

// The Browse filters.
#define IDS_FILTER_HTML 61250
#define IDS_FILTER_SOUND 61253
#define IDS_FILTER_PROGRAM 61254
#define IDS_FILTER_DOCUMENT 61255
