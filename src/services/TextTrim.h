#pragma once
#include <string>

// The blanks of the C locale: space, tab, line feed, vertical tab, form feed
// and carriage return.
inline bool IsBlank(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// The text without blanks at either end. The INI reader passes its own set
// (that of the system's profile functions).
template <class Blank = bool (*)(wchar_t)>
std::wstring TrimText(const std::wstring& text, Blank isBlank = IsBlank)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}
