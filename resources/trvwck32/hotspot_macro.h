// Control ids of "DLG_INS_MACRO" in hotspot_macro.rc, named once for the
// script and for the dialog code that includes this header.
#pragma once

#define IDC_INS_MACRO_TEXT          101
#define IDC_INS_MACRO_MACRO         103
#define IDC_INS_MACRO_SELECTED_ONLY 110
#define IDC_INS_MACRO_ALL           111
#define IDC_INS_MACRO_PROMPT_EACH   112
#define IDC_INS_MACRO_MATCH_CASE    113
#define IDC_INS_MACRO_EDIT          195
#define IDC_INS_MACRO_UNDERLINE     509
#define IDC_INS_MACRO_CUSTOM        510
#define IDC_INS_MACRO_AS_DEFAULT    525
#define IDC_INS_MACRO_COLOUR        550
