// Control ids of the dialogs in analysis.rc, named once for the script and for
// the dialog code that includes this header.
#pragma once

// DLG_HTML_PROGRESS
#define IDC_PROGRESS_METER 101
