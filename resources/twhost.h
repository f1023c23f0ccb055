// Control ids of twhost's own dialogs (twhost.rc).
#pragma once

// DLG_HOTSPOT_TEXT: the text the reader clicks, asked before a link dialog.
#define IDC_HOTSPOT_TEXT_PROMPT 100
#define IDC_HOTSPOT_TEXT 101
