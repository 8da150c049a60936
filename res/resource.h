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

// The skin's pop-ups and hosts. Their sizes are set in code.
#define IDD_HIGHLIGHT_DLG 130
#define IDD_TOOLTIP_DLG 131
#define IDD_LISTCOMPONENT_DLG 133
#define IDD_MASK_DLG 135
#define IDD_LOADING_DLG 145
#define IDD_SPECIALMASK_DLG 148
#define IDD_SHADOW_DLG 149
#define IDD_POPUP_DLG 151
#define IDD_TRANSPARENTVIEW_DLG 152
#define IDD_POPUPLIST_DLG 154

#define IDC_TOOLTIP_TEXT 1026
#define IDC_TOOLTIP_LINK 1038
#define IDC_LISTCOMPONENT_LIST 1018

// The message pop-up and the video list.
#define IDC_POPUP_CLOSE 1032
#define IDC_POPUP_MESSAGE 1034
#define IDC_POPUP_TITLE 1036
#define IDC_POPUPLIST_TITLE 1037

// The installing view.
#define IDD_INSTALLING_DLG 134
#define IDD_WEBBROWSER_DLG 141
#define IDD_INSTALLBG_DLG 142
#define IDD_PROGRESSCLIP_DLG 143
#define IDC_INSTALL_REMAINING 1024
#define IDC_INSTALL_PERCENT 1025

// The offer view and its opt-in panel.
#define IDD_SPECIAL_DLG 147
#define IDD_SPECIALGOOGLEMASK_DLG 155
#define IDC_OPTIN_CHECK 1044
#define IDC_OPTIN_INCLUDE 1048
#define IDC_OPTIN_AGREE 1049
#define IDC_OPTIN_TERMS 1050
#define IDC_OPTIN_AND 1051
#define IDC_OPTIN_PRIVACY 1052
