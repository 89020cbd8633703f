// Resource ids of the controls browser Zephrane.exe.
#pragma once

#define IDR_MAINFRAME            128
#define IDS_ZEPHRANE_CAPTION     102
#define IDS_UNREGISTER_QUESTION  103
#define IDS_FISHY_CONTROL        104
#define IDR_ZEPHRANE             103   // the AppID registry script

#define IDD_CONTROLS_LIST        129
#define IDD_PROPS_AND_EVENTS     130
#define IDD_METHODS              131
#define IDD_ZJF_ADD              132

#define IDB_AD_FIRST             141
#define IDB_AD_SECOND            145

// The list page.
#define IDC_CONTROL_INFO         1000
#define IDC_SEARCH_TEXT          1001
#define IDC_CONTROLS             1003
#define IDC_UNREGISTER           1004
#define IDC_FIND                 1005
#define IDC_SAVE_INFO            1007
// The properties and events page.
#define IDC_PROPERTIES           1002
#define IDC_EVENTS               1003
// The methods page.
#define IDC_METHODS              1005
#define IDC_PARAMETERS           1007
// The advertisement page.
#define IDC_AD_PICTURE           1005
