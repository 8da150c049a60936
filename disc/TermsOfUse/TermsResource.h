#pragma once
// Resource identifiers of the terms-of-use program.
#define IDD_TERMS 100
#define IDC_TERMS_TEXT 1001
#define IDC_TERMS_ACCEPT 1002
#define IDC_TERMS_DECLINE 1003
