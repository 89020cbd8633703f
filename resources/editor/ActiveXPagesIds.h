// Names of the ActiveX control picker's and the ActiveX actions' dialogs.
#pragma once

#define IDD_ACTIVEX_PICKER 313
#define IDD_ACTIVEX_METHOD 314
#define IDD_ACTIVEX_PARAMETER 315
#define IDD_ACTIVEX_RETURN_VALUE 316
#define IDD_REGISTER_ACTIVEX 317
#define IDB_ACTIVEX_PICKER 319

// The control picker.
#define IDC_AXPICK_INFO 1000
#define IDC_AXPICK_SEARCH 1001
#define IDC_AXPICK_LIST 1003
#define IDC_AXPICK_FIND 1005

// Register or unregister a control.
#define IDC_AXREG_FILE 1017
#define IDC_AXREG_BROWSE 1001
#define IDC_AXREG_REGISTER 1188
#define IDC_AXREG_UNREGISTER 1189
#define IDC_AXREG_COPY 1049
#define IDC_AXREG_SELECT 1005

// Call a method: the method page, the argument pages, the return page.
#define IDC_AXMETHOD_OBJECTS 1186
#define IDC_AXMETHOD_METHODS 1147
#define IDC_AXMETHOD_SUMMARY 1001
#define IDC_AXPARAM_CONSTANT 1000
#define IDC_AXPARAM_VARIABLES 1065
#define IDC_AXPARAM_TITLE 1001
#define IDC_AXPARAM_TYPE 1002
#define IDC_AXPARAM_VARTYPE 1003
#define IDC_AXPARAM_OPTIONAL 1004

#define IDS_ACTIVEX_FILTER 61323
