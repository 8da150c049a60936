#pragma once
#include <string>

// Starts a program or opens a document through the shell without any error
// window of the system's own: a start that fails comes back as an error code,
// so nobody has to be there to press OK.
class ProgramLaunch {
public:
    struct Result {
        bool started = false;
        void* process = nullptr;  // the caller closes it (when asked for)
        unsigned long error = 0;  // the system's code when not started
    };

    // keepProcess: the process handle is returned (when the shell has one).
    static Result Start(const std::wstring& file, const std::wstring& parameters, const std::wstring& directory,
                        bool keepProcess);
    // "error 193 (Bad EXE format for <subject>)" for a log line: the
    // system's text with the file in place of its "%1".
    static std::wstring ErrorText(unsigned long error, const std::wstring& subject = std::wstring());
};
