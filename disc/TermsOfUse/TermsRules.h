#pragma once
#include <string>

// Text rules of the terms-of-use program that need no system calls.
class TermsRules {
public:
    // Every line end (CR LF, a lone LF or a lone CR) as CR LF, the form a
    // multi-line edit control shows as a line break.
    static std::wstring EditLineEnds(const std::wstring& text);
    // What the result file holds for a notice: its first line with a line
    // end; empty when there is nothing to show.
    static std::wstring NoticeLine(const std::wstring& notice);
};
