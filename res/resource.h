#pragma once
// Resource identifiers of the program's templates.
#define IDD_DEZOZI2_DIALOG 102

// Controls of the main window.
#define IDC_MAIN_MINIMIZE 1000
#define IDC_MAIN_TAB1 1009
#define IDC_MAIN_TAB2 1010
#define IDC_MAIN_TAB3 1011
#define IDC_MAIN_TAB4 1012
#define IDC_MAIN_TITLE 1013
#define IDC_MAIN_CONTACT 1014
#define IDC_MAIN_FILELIST 1015
#define IDC_MAIN_VIDEO 1035
#define IDC_MAIN_TAB5 1053
