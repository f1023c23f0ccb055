// Control ids of the keyword list window and the finder's keyword-search
// page in keywords.rc, named once for the script and the dialog code.
#pragma once

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
