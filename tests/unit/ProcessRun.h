#pragma once
#include <string>
#include <vector>

// Runs a program to its end with standard output and error captured.
struct ProcessResult {
    bool started = false;
    bool timedOut = false;
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::wstring& exe, const std::vector<std::wstring>& args,
                         const std::wstring& workingFolder, unsigned long timeoutMs = 30000);
