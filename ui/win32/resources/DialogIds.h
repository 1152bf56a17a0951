// The numbers of the dialogs in the window's resources and of their controls, shared by the
// resource script and the code that runs the dialogs.
#pragma once

#define GB_IDD_SHEET_NAMES 100
#define GB_IDC_PROJECT_LABEL 101
#define GB_IDC_PROJECT 102
#define GB_IDC_SITE_LABEL 103
#define GB_IDC_SITE 104
