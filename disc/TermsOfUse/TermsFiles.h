#pragma once
#include <string>

// The files the terms-of-use program reads and leaves.
class TermsFiles {
public:
    // The terms text in the encoding its byte-order mark declares (ANSI
    // without one); false when the file cannot be read.
    static bool ReadText(const std::wstring& path, std::wstring& text);
    // The notice's first line as a UTF-16 file with byte-order mark; an
    // empty notice removes the file, so that nothing old is shown.
    static bool WriteNotice(const std::wstring& path, const std::wstring& notice);
    // "Ov_termsTmp.txt" in the Windows folder.
    static std::wstring NoticePath();

    // Terms files larger than this are not a text anyone reads in a window.
    static constexpr unsigned long kMaxTextBytes = 4ul * 1024 * 1024;
};
