#pragma once
#include <cwctype>
#include <string>

// The text without white space at either end.
inline std::wstring TrimSpace(const std::wstring& text)
{
    size_t b = 0, e = text.size();
    while (b < e && std::iswspace(text[b]))
        ++b;
    while (e > b && std::iswspace(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}
