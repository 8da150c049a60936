#pragma once
#include <string>
#include <vector>

class CheckContext;

// scramble IN OUT: writes the scrambled form of the plain INI file IN to OUT.
int RunScrambleCommand(CheckContext& context, const std::vector<std::wstring>& args);
