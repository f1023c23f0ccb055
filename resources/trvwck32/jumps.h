// Control ids of the dialogs in jumps.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_INS_JUMP and DLG_INS_DEF (one procedure runs both)
#define IDC_JUMP_CLICK_TEXT       101
#define IDC_JUMP_CONTEXT          102
#define IDC_JUMP_SELECTED_ONLY    110
#define IDC_JUMP_ALL_OCCURRENCES  111
#define IDC_JUMP_PROMPT_EACH      112
#define IDC_JUMP_MATCH_CASE       113
#define IDC_JUMP_WINDOW           137
#define IDC_JUMP_EDIT_WINDOWS     138
#define IDC_JUMP_FIND_CONTEXT     189
#define IDC_JUMP_RELATED_PROJECTS 295
#define IDC_JUMP_UNDERLINE        509
#define IDC_JUMP_CUSTOM_COLOUR    510
#define IDC_JUMP_OTHER_FILE       511
#define IDC_JUMP_FILE_NAME        513
#define IDC_JUMP_TITLE_CONTEXT    514
#define IDC_JUMP_USE_AS_DEFAULT   525
#define IDC_JUMP_COLOUR           550
#define IDC_JUMP_TITLE_LIST       601
#define IDC_JUMP_BY_CONTEXT       635
#define IDC_JUMP_BY_TITLE         636
#define IDC_JUMP_HELP             998

// DLG_CX_FIND
#define IDC_CX_FIND_PIECE   101
#define IDC_CX_FIND_MATCHES 102

// DLG_MID_TOP
#define IDC_MID_TOP_CONTEXT 101
#define IDC_MID_TOP_HELP    998

// DLG_LINK
#define IDC_LINK_KEYWORDS         101
#define IDC_LINK_TYPE_AHEAD       102
#define IDC_LINK_TOPICS           103
#define IDC_LINK_KLINK            104
#define IDC_LINK_ALINK            105
#define IDC_LINK_BORDER           106
#define IDC_LINK_SHOW_TOPICS      120
#define IDC_LINK_ADD              130
#define IDC_LINK_REMOVE           131
#define IDC_LINK_CHOSEN           150
#define IDC_LINK_TEST             152
#define IDC_LINK_OPTIONS          153
#define IDC_LINK_BULLET           160
#define IDC_LINK_CLICK_TEXT       165
#define IDC_LINK_RELATED_PROJECTS 295
#define IDC_LINK_HELP             998

// DLG_LINK_OPT
#define IDC_LINK_OPT_JUMP_IF_ONE    101
#define IDC_LINK_OPT_SHOW_TITLE     102
#define IDC_LINK_OPT_AS_DEFAULTS    103
#define IDC_LINK_OPT_NOT_FOUND      104
#define IDC_LINK_OPT_WINDOW         151
#define IDC_LINK_OPT_UNDERLINE      509
#define IDC_LINK_OPT_CUSTOM_COLOUR  510
#define IDC_LINK_OPT_COLOUR         550
#define IDC_LINK_OPT_HELP           998

// DLG_PROMPT
#define IDC_PROMPT_QUESTION   101
#define IDC_PROMPT_OCCURRENCE 102

// DLG_CNV_TO_DOC: the fifteen choices follow one another
#define IDC_CNV_TO_DOC_FIRST_CHOICE 101

// DLG_LOCAL
#define IDC_LOCAL_FILE       101
#define IDC_LOCAL_EVERY_FILE 102

// DLG_IMPORT_DOC: the four choices follow one another
#define IDC_IMPORT_DOC_DOCUMENT     101
#define IDC_IMPORT_DOC_BROWSE       102
#define IDC_IMPORT_DOC_STYLE        103
#define IDC_IMPORT_DOC_FIRST_CHOICE 104
