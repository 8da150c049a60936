#pragma once
#include <string>

struct Logger;

// Chooses and installs the log sink of the process.
class LogSetup {
public:
    // Debug output when "ForceDebug" is in the current directory or the
    // "debug" switch was given.
    static bool DebugWanted(int debugFlag);
    // Debug: level 4 to the debugger output. Otherwise: level 1 to
    // <windowsDir>\Logs\Ov_DIZ.log, level 3 (ERROR and WARN lines too) in a run
    // without a person, whose log is the only witness of what went wrong.
    // Names the root logger "ROOT", returns it.
    static Logger* Configure(bool debug, const std::wstring& windowsDir, bool unattended = false);

    static constexpr const wchar_t* kForceDebugFile = L"ForceDebug";
    static constexpr const wchar_t* kLogBase = L"\\Logs\\Ov_DIZ";
};
