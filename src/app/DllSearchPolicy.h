#pragma once
#include <windows.h>

// Where libraries may come from. After Restrict, a library named without a
// path is taken from the system folder only: never from the current
// directory, the program's folder (the disc) or PATH. The disc's own
// libraries are loaded by full path with LoadBeside.
class DllSearchPolicy {
public:
    // Call first thing in the process. True when the safe search is in force.
    static bool Restrict();
};
