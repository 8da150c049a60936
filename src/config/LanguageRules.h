#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Language rules that need no system calls.

// ASCII letters compared without case; other bytes exactly.
bool EqualsNoCaseAscii(const std::string& a, const std::string& b);

// The font character set for a language name (case-insensitive): Japanese
// 128, Russian 204, Thai 222, Turkish 162, Arabic 178, Korean 130, else 1.
unsigned char CharsetForLanguageName(const std::string& name);

// The three licence-file candidates for a language id, in the order tried:
// prefix + "%04x" + suffix, prefix + "XX" + last two digits + suffix,
// prefix + "XX09" + suffix.
std::vector<std::wstring> LocalizedFileCandidates(const std::wstring& prefix, const std::wstring& suffix,
                                                  uint16_t langId);

// The profile functions drop trailing blanks of a default text; when the
// answer is the text without them, the text itself is the answer.
template <typename Char>
std::basic_string<Char> RestoreTrailingBlanks(const std::basic_string<Char>& text,
                                              const std::basic_string<Char>& answer)
{
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == Char(' ') || text[end - 1] == Char('\t')))
        --end;
    if (end == text.size() || answer.size() != end || text.compare(0, end, answer) != 0)
        return answer;
    return text;
}
