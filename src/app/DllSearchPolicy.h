#pragma once
#include <windows.h>

#include <string>

// Where libraries may come from. After Restrict, a library named without a
// path is taken from the system folder only: never from the current
// directory, the program's folder (the disc) or PATH. The disc's own
// libraries are loaded by full path with LoadBeside.
class DllSearchPolicy {
public:
    // Call first thing in the process. True when the safe search is in force.
    static bool Restrict();

    // Loads folder\name by full path; the libraries it imports are looked
    // up beside it first, then in the system folder.
    static HMODULE LoadBeside(const std::wstring& folder, const std::wstring& name);
};
