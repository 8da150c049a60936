#pragma once
#include <string>

// Ends every process whose executable file name equals the name (without
// regard to case) with exit code 9; the number of processes ended.
int KillProcessByName(const std::wstring& fileName);
