// Control ids of the outline editor's dialogs in outline.rc, named once for
// the script and for the dialog code that includes this header.
#pragma once

// DLG_OUT, DLG_OUT_B
#define IDC_OUT_TOPICS          101
#define IDC_OUT_ENTRIES         102
#define IDC_OUT_HEADING_TEXT    104
#define IDC_OUT_MASTER_DOC      105
#define IDC_OUT_ADD_HEADING     106
#define IDC_OUT_SORT            107
#define IDC_OUT_ADD_TOPIC       108
#define IDC_OUT_DELETE          109
#define IDC_OUT_NEW_DOCUMENT    110
#define IDC_OUT_IMPORT          111
#define IDC_OUT_EDIT            114
#define IDC_OUT_RELATED         295
#define IDC_OUT_SHIFT_LEFT      360
#define IDC_OUT_LEVEL_TWO       361
#define IDC_OUT_SHIFT_RIGHT     362
#define IDC_OUT_MOVE_UP         363
#define IDC_OUT_MOVE_DOWN       364
#define IDC_OUT_HELP            998

// DLG_OUTEDDOC
#define IDC_OUTEDDOC_NAME       101
#define IDC_OUTEDDOC_EXTERNAL   102

// DLG_OUTED
#define IDC_OUTED_HEADING       101
#define IDC_OUTED_TOPIC         102
