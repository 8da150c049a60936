#pragma once
#include <cwctype>
#include <string>

// The text in upper case, as the catalogues' name comparisons see it.
inline std::wstring UpperText(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return text;
}

// Whether text contains part, both compared in upper case.
inline bool ContainsNoCase(const std::wstring& text, const std::wstring& part)
{
    return UpperText(text).find(UpperText(part)) != std::wstring::npos;
}
