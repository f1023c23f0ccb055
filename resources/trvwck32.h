// Control ids of the dialogs in trvwck32.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_START
#define IDC_START_RECENT_LIST   101
#define IDC_START_OPEN_BUTTON   102
#define IDC_START_QUICK_START   103
#define IDC_START_CREATE_BUTTON 580
#define IDC_START_HELP_BUTTON   998

// DLG_CREPRJ
#define IDC_CREPRJ_PATH_EDIT     101
#define IDC_CREPRJ_BROWSE_BUTTON 102
#define IDC_CREPRJ_WIN95_RADIO   201
#define IDC_CREPRJ_WIN31_RADIO   202
#define IDC_CREPRJ_HELP_BUTTON   998
