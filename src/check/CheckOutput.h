#pragma once
#include <string>

// Lines of the check tool, UTF-8 on standard output or standard error.
void CheckOut(const std::wstring& line);
void CheckErr(const std::wstring& line);

// The text as one field of a tab-separated line: tabs and line breaks become blanks.
std::wstring CheckField(std::wstring text);
