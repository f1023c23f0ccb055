// Control ids of the dialogs in keywords.rc, named once for the script and
// for the dialog code that includes this header.
#pragma once

// DLG_KEY
#define IDC_KEY_TEXT               101
#define IDC_KEY_TYPE_LIST          802
#define IDC_KEY_DELETE_BUTTON      110
#define IDC_KEY_GLOBAL_LIST_BUTTON 50
#define IDC_KEY_HELP_BUTTON        998

// DLG_DIST_INX
#define IDC_DIST_INX_A_KEYWORDS 101
#define IDC_DIST_INX_K_KEYWORDS 102
#define IDC_DIST_INX_FULL_TEXT  103
#define IDC_DIST_INX_EXCLUDED   104

// DLG_BUILDK_IDX, DLG_BUILDA_IDX and DLG_BUILD_FTX
#define IDC_BUILD_PROGRESS_TEXT 101

// DLG_KEY_SEARCH
#define IDC_KEY_SEARCH_KEYWORD_LIST 101
#define IDC_KEY_SEARCH_TYPE_AHEAD   102
#define IDC_KEY_SEARCH_TOPIC_LIST   103
#define IDC_KEY_SEARCH_K_RADIO      110
#define IDC_KEY_SEARCH_A_RADIO      111
#define IDC_KEY_SEARCH_SHOW_TOPICS  120
#define IDC_KEY_SEARCH_GO_TO        121

// DLG_TOPICS_FND
#define IDC_TOPICS_FND_TOPIC_LIST  103
#define IDC_TOPICS_FND_INSTRUCTION 105

// DLG_KEY_LIST
#define IDC_KEY_LIST_KEYWORDS   101
#define IDC_KEY_LIST_TYPE_AHEAD 102
#define IDC_KEY_LIST_ADD        103
#define IDC_KEY_LIST_K          104
#define IDC_KEY_LIST_A          105
#define IDC_KEY_LIST_TOPICS     120

// DLG_KEY_C (the same controls as DLG_KEY_SEARCH, without OK and Cancel)
#define IDC_KEY_PAGE_KEYWORDS   101
#define IDC_KEY_PAGE_TYPE_AHEAD 102
#define IDC_KEY_PAGE_TOPICS     103
#define IDC_KEY_PAGE_K          110
#define IDC_KEY_PAGE_A          111
#define IDC_KEY_PAGE_SHOW       120
#define IDC_KEY_PAGE_GO_TO      121
