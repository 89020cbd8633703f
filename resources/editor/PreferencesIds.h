// Names of the preference pages' dialogs and controls.
#pragma once

#define IDD_PREF_CONTENT_FOLDER 197
#define IDD_PREF_UNDO 306
// The picture on the pages' left: bitmap 161, the one the transparency
// page shows too.
#define IDB_PREF_PICTURE 161
#define IDC_PREF_BROWSE 1001
#define IDC_PREF_FOLDER 1017
#define IDC_PREF_UNDO_LEVELS 1182
#define IDC_PREF_UNDO_SPIN 1183
