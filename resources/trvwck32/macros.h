// Control ids of the dialogs in macros.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_MACROS
#define IDC_MACROS_CATALOGUE         101
#define IDC_MACROS_CHOSEN            102
#define IDC_MACROS_EDIT_LINE         103
#define IDC_MACROS_MACRO_LIST        104
#define IDC_MACROS_ADD               105
#define IDC_MACROS_EDIT              106
#define IDC_MACROS_DELETE            107
#define IDC_MACROS_SHOW_NAMES        110
#define IDC_MACROS_SHOW_DESCRIPTIONS 111
#define IDC_MACROS_HELP_ON           115
#define IDC_MACROS_DESCRIPTIONS      120
#define IDC_MACROS_DESCRIPTION       177
#define IDC_MACROS_CUSTOM            188
#define IDC_MACROS_LIBRARY           318
#define IDC_MACROS_POSITION_WINDOW   319
#define IDC_MACROS_TEST              389
#define IDC_MACROS_UNDO              87
#define IDC_MACROS_SHORTCUT          89
#define IDC_MACROS_URL               90
#define IDC_MACROS_HELP_BUTTON       998

// DLG_TEST_MACROS
#define IDC_TEST_MACROS_LIST        101
#define IDC_TEST_MACROS_RUN         102
#define IDC_TEST_MACROS_STEP        103
#define IDC_TEST_MACROS_HELP_BUTTON 998

// DLG_SHORTCUT
#define IDC_SHORTCUT_SELECT      101
#define IDC_SHORTCUT_BITS16      103
#define IDC_SHORTCUT_BITS32      104
#define IDC_SHORTCUT_PROGRAM     120
#define IDC_SHORTCUT_HELP_BUTTON 998

// DLG_WIZ_PROGRESS
#define IDC_WIZ_PROGRESS_METER 101

// DLG_BUTTONS: eighteen button slots follow one another from the first
#define IDC_BUTTONS_FIRST_SLOT      201
#define IDC_BUTTONS_ADD_BUTTON      103
#define IDC_BUTTONS_DELETE_BUTTON   104
#define IDC_BUTTONS_EDIT_BUTTON     105
#define IDC_BUTTONS_BROWSE_BUTTONS  109
#define IDC_BUTTONS_HELP_FILE       112
#define IDC_BUTTONS_CONTEXT         114
#define IDC_BUTTONS_STANDARD_ACTION 120
#define IDC_BUTTONS_JUMP_ACTION     121
#define IDC_BUTTONS_POPUP_ACTION    122
#define IDC_BUTTONS_MACRO_ACTION    123
#define IDC_BUTTONS_EDIT_MACRO      124
#define IDC_BUTTONS_TOPIC_VISIBLE   130
#define IDC_BUTTONS_TOPIC_ENABLED   131
#define IDC_BUTTONS_WINDOW          137
#define IDC_BUTTONS_WORKSHOP_NOTE   140
#define IDC_BUTTONS_HELP_BUTTON     998

// DLG_NEW_BUTTON: always, usually visible, usually hidden; always, usually
// enabled, usually dimmed
#define IDC_NEW_BUTTON_CAPTION       101
#define IDC_NEW_BUTTON_ID            102
#define IDC_NEW_BUTTON_VISIBLE_FIRST 110
#define IDC_NEW_BUTTON_ENABLED_FIRST 120
#define IDC_NEW_BUTTON_SAME_ACTION   130
#define IDC_NEW_BUTTON_TOPIC_ACTION  131

// DLG_INS_BUTTON: jump, pop-up, macro and keyword jump follow one another
#define IDC_INS_BUTTON_TEXT       36
#define IDC_INS_BUTTON_CONTEXT    102
#define IDC_INS_BUTTON_WINDOW     137
#define IDC_INS_BUTTON_JUMP       190
#define IDC_INS_BUTTON_EDIT_MACRO 194
#define IDC_INS_BUTTON_OTHER_FILE 511
#define IDC_INS_BUTTON_FILE       513

// DLG_EMBWIN: left margin, right margin and insertion point follow one another
#define IDC_EMBWIN_CLASS       102
#define IDC_EMBWIN_DATA        105
#define IDC_EMBWIN_DLL         109
#define IDC_EMBWIN_LEFT        110
#define IDC_EMBWIN_ITEMS       170  // the class's data items, when it names them
#define IDC_EMBWIN_ITEM_PROMPT 171
#define IDC_EMBWIN_ITEM_VALUE  172
#define IDC_EMBWIN_HELP_BUTTON 998
