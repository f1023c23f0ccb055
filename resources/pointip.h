// Control ids of the "Pointip" Assistant's dialogs in pointip.rc, named once
// for the script and for the program's code that includes this header.
#pragma once

// 1000: the command panel
#define IDC_PANEL_ALWAYS_ON_TOP    10
#define IDC_PANEL_FIRST            91
#define IDC_PANEL_PREVIOUS         92
#define IDC_PANEL_COMMIT           93
#define IDC_PANEL_LAST             94
#define IDC_PANEL_COMMIT_IN_PLACE  95
#define IDC_PANEL_DELETE           96
#define IDC_PANEL_HELP             97
#define IDC_PANEL_NEW              115
#define IDC_PANEL_OPEN             116
#define IDC_PANEL_SAVE             117
#define IDC_PANEL_OPTIONS          118
#define IDC_PANEL_GENERATE         119
#define IDC_PANEL_TEST             370
#define IDC_PANEL_TABS             990

// 1001: the entry form
#define IDC_FORM_DIALOG_FIELD   101
#define IDC_FORM_CONTROL_FIELD  102
#define IDC_FORM_CONTEXT_FIELD  103
#define IDC_FORM_POPUP_FIELD    105
#define IDC_FORM_POSITION       106
#define IDC_FORM_READ_VB        98
#define IDC_FORM_PASTE_VB       99
#define IDC_FORM_TOPIC_ID_LIST  318
#define IDC_FORM_ID_LABEL       501
#define IDC_FORM_LIST_ID_LABEL  502

// 1002: the list view
#define IDC_LIST_ENTRIES     101
#define IDC_LIST_ARRANGE     105
#define IDC_LIST_SEARCH_TEXT 109
#define IDC_LIST_SEARCH      88
#define IDC_LIST_MOVE_UP     363
#define IDC_LIST_MOVE_DOWN   364

// 1003: Options
#define IDC_OPTIONS_MANUAL        11
#define IDC_OPTIONS_VISUAL_BASIC  12
#define IDC_OPTIONS_INCLUDE_PATH  13
#define IDC_OPTIONS_BROWSE        14
#define IDC_OPTIONS_INCLUDE_FILE  15
