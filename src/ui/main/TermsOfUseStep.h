#pragma once
#include <string>

struct Logger;

// Runs the disc's terms-of-use program and returns the text it left to
// show afterwards (the first line of "Ov_termsTmp.txt" in the Windows
// folder), or an empty text.
class TermsOfUseStep {
public:
    static std::wstring Run(const std::wstring& programFolder, Logger* log);
    static std::wstring ResultFile();
};
