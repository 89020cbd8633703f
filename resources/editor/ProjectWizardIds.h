// Ids of the new-project wizard's name page and the warning about a project
// folder that exists already.
#pragma once

#define IDD_PROJECT_NAME 278
#define IDD_PROJECT_EXISTS 185
#define IDB_PROJECT_NAME 194

// The name page.
#define IDC_PROJECT_NAME_EDIT 1145
#define IDC_RUN_CREATION_WIZARD 1053
// The warning: the path of the folder that exists.
#define IDC_EXISTING_PROJECT_PATH 1045
