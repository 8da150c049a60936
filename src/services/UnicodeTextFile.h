#pragma once
#include <string>

// A text file whose encoding its byte-order mark tells: UTF-16 (either
// order) or UTF-8; without a mark, the ANSI code page.
class UnicodeTextFile {
public:
    static std::wstring Decode(const std::string& bytes);
    // The first line, without its line break; empty when the file cannot
    // be read.
    static std::wstring FirstLine(const std::wstring& path);

    // Larger files are not texts this program leaves itself.
    static constexpr size_t kMaxBytes = 1 << 20;
};
