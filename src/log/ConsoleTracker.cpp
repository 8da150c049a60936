#include "log/ConsoleTracker.h"

#include <windows.h>

int ConsoleTracker::Write(const std::wstring& line)
{
    OutputDebugStringW(line.c_str());
    return 1;
}
