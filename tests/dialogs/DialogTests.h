// Ids of the tests' own dialogs, pages, strings and pictures.
#pragma once

#define IDD_EXCHANGE 110
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_RATIO 1003
#define IDC_FLAG 1004
#define IDC_RADIO_A 1005
#define IDC_RADIO_B 1006
#define IDC_RADIO_C 1007
#define IDC_EDITCOMBO 1008
#define IDC_LISTCOMBO 1009
#define IDC_AFTER 1010
// An edit between two buttons of the radio group, as under a button.
#define IDC_INSIDE_GROUP 1011

#define IDD_PAGE_ONE 201
#define IDD_PAGE_TWO 202
#define IDD_PAGE_THREE 203
#define IDC_PAGE_EDIT 1101

#define IDS_TESTS 400
#define IDB_SMALL 300
