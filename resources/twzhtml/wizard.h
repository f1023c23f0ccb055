// Control ids of the wizard's own dialogs in wizard.rc (start, new project,
// template gallery, HEAD code, colour by number, the document wizard's
// progress), named once for the script and for the dialog code that
// includes this header.
#pragma once

// DLG_START
#define IDC_START_PROJECTS 101
#define IDC_START_NEW 102
#define IDC_START_OPEN 103
#define IDC_START_GALLERY 104
#define IDC_START_HELP 105

// DLG_CREPRJ
#define IDC_CREPRJ_NAME 111
#define IDC_CREPRJ_USE_TEMPLATE 112
#define IDC_CREPRJ_TEMPLATE 113
#define IDC_CREPRJ_BROWSE 114

// DLG_GALLERY: the choices follow one another, in the order of the templates
#define IDC_GALLERY_FIRST 121
#define IDC_GALLERY_DESCRIPTION 130
#define IDC_GALLERY_HOME 131

// DLG_HEADCODE
#define IDC_HEADCODE_TEXT 141
#define IDC_HEADCODE_HELP 142
#define IDC_HEADCODE_EXAMPLES 143

// DLG_COLOUR_NUMBER
#define IDC_COLOUR_NUMBER_VALUE 151

// DLG_WIZ_PROGRESS
#define IDC_WIZ_PROGRESS_METER 161
