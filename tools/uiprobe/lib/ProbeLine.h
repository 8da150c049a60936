#pragma once
#include <windows.h>

#include <string>

#include "WindowInfo.h"

namespace uiprobe {

// One machine-readable output line: key=value pairs separated by single spaces.
// Values with spaces, quotes, '=' or control characters are double-quoted with
// C escapes (\" \\ \n \r \t), so `read`/grep in shell scripts can take them apart.
class ProbeLine {
public:
    ProbeLine& Add(const wchar_t* key, const std::wstring& value);
    ProbeLine& Add(const wchar_t* key, long long value);
    ProbeLine& AddHex(const wchar_t* key, unsigned long long value);
    ProbeLine& AddWindow(const WindowInfo& info);

    const std::wstring& Text() const { return m_text; }
    // The line as UTF-8 with a trailing "\n".
    std::string Utf8() const;

    static std::wstring Quote(const std::wstring& value);
    static std::string ToUtf8(const std::wstring& text);

private:
    std::wstring m_text;
};

} // namespace uiprobe
