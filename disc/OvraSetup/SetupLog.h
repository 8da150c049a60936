#pragma once
#include <string>

// Appends one line per phase of a start to the shared run log: "OvraSetup.log"
// in the temporary folder, or the file named by OVRASETUP_LOG. Tab-separated:
// time, process id, phase, program folder, working folder, arguments, action,
// exit code ("-" at the start).
class SetupLog {
public:
    SetupLog(std::wstring folder, std::wstring arguments);
    void Start(const std::wstring& action);
    void End(const std::wstring& action, int exitCode);
    static std::wstring Path();

private:
    void Append(const std::wstring& phase, const std::wstring& action, const std::wstring& code);

    std::wstring m_folder;
    std::wstring m_arguments;
};
