#pragma once
#include <cstddef>
#include <string>
#include <vector>

class CheckContext;

// One command of the check tool. run gets the arguments after the name and
// returns the exit code (0 success, 1 failure).
struct CheckCommand {
    const wchar_t* name;
    const wchar_t* usage; // arguments, for the usage text
    size_t minArgs;
    size_t maxArgs;
    int (*run)(CheckContext& context, const std::vector<std::wstring>& args);
};

// Every command the tool knows; new commands add one line to the table.
const std::vector<CheckCommand>& CheckCommands();
// Runs args[0] with the rest; unknown command or wrong arguments: usage, 2.
int DispatchCheckCommand(CheckContext& context, const std::vector<std::wstring>& args);
