// Control ids of the dialogs in compile.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_COMPILE
#define IDC_COMPILE_HIDE_BUTTON  90
#define IDC_COMPILE_PROJECT_TEXT 92

// DLG_ERRORS
#define IDC_ERRORS_PROJECT_TEXT         101
#define IDC_ERRORS_GO_TO_BUTTON         107
#define IDC_ERRORS_HELP_ON_ERROR_BUTTON 106
#define IDC_ERRORS_LIST                 150
#define IDC_ERRORS_AUTO_HELP_CHECK      155
#define IDC_ERRORS_CLOSE_BUTTON         760
#define IDC_ERRORS_RUN_HELP_BUTTON      840
#define IDC_ERRORS_HELP_BUTTON          998

// DLG_SET_PATHS
#define IDC_PATHS_HELP_WORKSHOP_FIELD   101
#define IDC_PATHS_HCP_FIELD             102
#define IDC_PATHS_HC30_FIELD            103
#define IDC_PATHS_BITMAP_EDITOR_FIELD   104
#define IDC_PATHS_METAFILE_EDITOR_FIELD 105
#define IDC_PATHS_HOTSPOT_EDITOR_FIELD  106
// Each field's Browse... button
#define IDC_PATHS_BROWSE_OFFSET         10
