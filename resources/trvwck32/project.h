// Control ids of the dialogs in project.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_PRJ
#define IDC_PRJ_PROJECT_PATH     101
#define IDC_PRJ_SELECT_PROJECT   102
#define IDC_PRJ_COMPILER_OPTIONS 110
#define IDC_PRJ_PATHS            111
#define IDC_PRJ_PREFERENCES      112
#define IDC_PRJ_HELP_WORKSHOP    113
#define IDC_PRJ_BUTTON_BAR       120
#define IDC_PRJ_MACROS           121
#define IDC_PRJ_WINDOWS          122
#define IDC_PRJ_APP_HELP         123
#define IDC_PRJ_EMULATION        130
#define IDC_PRJ_SLIDE_SHOWS      131
#define IDC_PRJ_SOUND            132
#define IDC_PRJ_RELATED_FILE     140
#define IDC_PRJ_SELECT_RELATED   141
#define IDC_PRJ_EDIT_RELATED     142
#define IDC_PRJ_WIN95            201
#define IDC_PRJ_WIN31            202
#define IDC_PRJ_HC30             203

// DLG_MORE_OPT
#define IDC_MORE_OPT_TITLE         101
#define IDC_MORE_OPT_CONTENTS      102
#define IDC_MORE_OPT_BITMAP_ROOTS  103
#define IDC_MORE_OPT_BACKGROUND    104
#define IDC_MORE_OPT_BEEP          105
#define IDC_MORE_OPT_MORE_OPTIONS  110
#define IDC_MORE_OPT_WARN_ALL      201
#define IDC_MORE_OPT_COMPRESS_NONE 211

// DLG_MORE_OPT2
#define IDC_MORE_OPT2_COPYRIGHT     101
#define IDC_MORE_OPT2_CITATION      102
#define IDC_MORE_OPT2_BUILD         103
#define IDC_MORE_OPT2_BUILD_TAGS    104
#define IDC_MORE_OPT2_ICON          105
#define IDC_MORE_OPT2_LANGUAGE      106
#define IDC_MORE_OPT2_MULTIKEY      107
#define IDC_MORE_OPT2_CDROM         108
#define IDC_MORE_OPT2_OLD_KEYPHRASE 109
#define IDC_MORE_OPT2_FORCE_FONT    110

// DLG_PREF
#define IDC_PREF_LONG_NAMES_REFUSE 201
#define IDC_PREF_SHOW_ERRORS       104
#define IDC_PREF_PREFIX            105
#define IDC_PREF_TEST_BUTTONS      106
#define IDC_PREF_UNDEFINED_JUMPS   107

// DLG_APPHLP
#define IDC_APPHLP_HEADER        101
#define IDC_APPHLP_SOURCE        102
#define IDC_APPHLP_BROWSE_SOURCE 103
#define IDC_APPHLP_INCLUDES      104
#define IDC_APPHLP_MODE_NONE     201

// DLG_CX: the context-string list (CxList); the Hotspot Editor's companion
// uses the search, window and macro controls too.
#define IDC_CX_CONTEXT_LIST 101
#define IDC_CX_WINDOW       103
#define IDC_CX_SEARCH       109
#define IDC_CX_FIND         110
#define IDC_CX_MACRO        111

// DLG_IMPORT_IDS and DLG_IMPORT1
#define IDC_IMPORT_FILE            101
#define IDC_IMPORT_BROWSE          102
#define IDC_IMPORT_REPLACE_NUMBERS 103
