#pragma once
#include <string>
#include <vector>

// The command line split by the shell's rules (program path first).
std::vector<std::wstring> ArgumentVector(const std::wstring& commandLine);
