// Control ids of the window editor's dialogs in windows.rc, named once for the
// script and for the dialog code that includes this header.
#pragma once

// DLG_WINED
#define IDC_WINED_STATES          45
#define IDC_WINED_MAIN_COLOUR     101
#define IDC_WINED_NONSCROLL_COLOUR 102
#define IDC_WINED_CAPTION         104
#define IDC_WINED_NAME            105
#define IDC_WINED_DEFAULT_PLACE   106
#define IDC_WINED_ON_TOP          108
#define IDC_WINED_NONSCROLL_DEFAULT 120
#define IDC_WINED_MAIN_DEFAULT    130
#define IDC_WINED_POSITION        131
#define IDC_WINED_DELETE          143
#define IDC_WINED_HELP            998

// DLG_WINPOS
#define IDC_WINPOS_X              101
#define IDC_WINPOS_Y              102
#define IDC_WINPOS_W              103
#define IDC_WINPOS_H              104
