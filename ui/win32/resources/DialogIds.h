// The numbers of the dialogs in the window's resources and of their controls, shared by the
// resource script and the code that runs the dialogs.
#pragma once

#define GB_IDD_SHEET_NAMES 100
#define GB_IDC_PROJECT_LABEL 101
#define GB_IDC_PROJECT 102
#define GB_IDC_SITE_LABEL 103
#define GB_IDC_SITE 104

#define GB_IDD_SPECTRUM_FILE 110
#define GB_IDC_FORMAT_LABEL 111
#define GB_IDC_FORMAT 112
#define GB_IDC_LEVEL_LABEL 113
#define GB_IDC_LEVEL 114
#define GB_IDC_SITE_CLASS_LABEL 115
#define GB_IDC_SITE_CLASS 116
