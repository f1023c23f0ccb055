// Control ids of the related-projects dialogs in related.rc, named once for
// the script and for the dialog code that includes this header.
#pragma once

// DLG_WG_LIST
#define IDC_WG_LIST_PROJECTS    101
#define IDC_WG_LIST_COMPANIONS  102
#define IDC_WG_LIST_UNLISTED    160
#define IDC_WG_LIST_HELP        197
#define IDC_WG_LIST_FRAME       201

// DLG_WG_EDIT
#define IDC_WG_EDIT_STORE_COMMENT 88
#define IDC_WG_EDIT_PROJECTS      101
#define IDC_WG_EDIT_COMMENT       102
#define IDC_WG_EDIT_ADD           103
#define IDC_WG_EDIT_REMOVE        104
#define IDC_WG_EDIT_HELP          998

// DLG_WG_FILES
#define IDC_WG_FILES_AVAILABLE      101
#define IDC_WG_FILES_CHOSEN         102
#define IDC_WG_FILES_ADD            103
#define IDC_WG_FILES_REMOVE         104
#define IDC_WG_FILES_FIRST_CHOICE   110
#define IDC_WG_FILES_SECOND_CHOICE  111
#define IDC_WG_FILES_CHECK          125
