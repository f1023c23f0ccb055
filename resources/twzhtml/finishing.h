// Control ids of the dialogs in finishing.rc, named once for the script and
// for the dialog code that includes this header.
#pragma once

// DLG_COMPILER
#define IDC_COMPILER_PATH_FIELD   101
#define IDC_COMPILER_SELECT_BUTTON 102
#define IDC_COMPILER_HELP_BUTTON  998

// DLG_BROWSER: browser n (1-3) has its path in IDC_BROWSER_PATH_FIELD + n - 1,
// its title in IDC_BROWSER_TITLE_FIELD + n - 1 and its default choice in
// IDC_BROWSER_DEFAULT_RADIO + n - 1.
#define IDC_BROWSER_PATH_FIELD    101
#define IDC_BROWSER_TITLE_FIELD   111
#define IDC_BROWSER_DEFAULT_RADIO 121
