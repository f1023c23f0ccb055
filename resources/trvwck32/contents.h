// Control ids of the dialogs in contents.rc, named once for the script and
// for the dialog code that includes this header.
#pragma once

// DLG_CNT and DLG_CNT_B: the contents file editor (small and large layout)
#define IDC_CNT_TOPICS          101
#define IDC_CNT_ENTRIES         102
#define IDC_CNT_BOOK_TEXT       104
#define IDC_CNT_ADD_BOOK        106
#define IDC_CNT_SORT            107
#define IDC_CNT_ADD_TOPIC       108
#define IDC_CNT_DELETE          109
#define IDC_CNT_DEFAULT_WINDOW  110
#define IDC_CNT_INDEX_LINKS     111
#define IDC_CNT_TITLE           112
#define IDC_CNT_EDIT            114
#define IDC_CNT_TOPIC_WINDOW    115
#define IDC_CNT_ADD_MACRO       116
#define IDC_CNT_HELP_FILE       117
#define IDC_CNT_PATH            150
#define IDC_CNT_RELATED         295
#define IDC_CNT_SHIFT_LEFT      360
#define IDC_CNT_LEVEL_ONE       361
#define IDC_CNT_SHIFT_RIGHT     362
#define IDC_CNT_MOVE_UP         363
#define IDC_CNT_MOVE_DOWN       364
#define IDC_CNT_HELP            998

// DLG_CNTED and DLG_CNTMAC: one entry
#define IDC_CNTED_TITLE         101
#define IDC_CNTED_TARGET        102
#define IDC_CNTED_FILE          103
#define IDC_CNTED_EDIT_MACRO    104
#define IDC_CNTED_WINDOW        115
#define IDC_CNTED_EXTERNAL      120
#define IDC_CNTED_TARGET_LABEL  121
#define IDC_CNTED_FILE_LABEL    122
#define IDC_CNTED_WINDOW_LABEL  123

// DLG_INDEX: index and link entries
#define IDC_INDEX_LIST          101
#define IDC_INDEX_ADD           102
#define IDC_INDEX_REMOVE        103
#define IDC_INDEX_KEYWORDS_TOO  104
#define IDC_INDEX_LINKS_ONLY    105
#define IDC_INDEX_FILE          106
#define IDC_INDEX_TITLE         107
#define IDC_INDEX_TITLE_LABEL   108
#define IDC_INDEX_HELP          998

// DLG_CNT_C: the preview page of the topic finder (ids apart from the
// finder's own, which share its script actions)
#define IDC_CNTC_ENTRIES        130
#define IDC_CNTC_ACTION         131
