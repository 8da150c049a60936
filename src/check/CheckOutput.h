#pragma once
#include <string>

// Lines of the check tool, UTF-8 on standard output or standard error.
void CheckOut(const std::wstring& line);
void CheckErr(const std::wstring& line);
