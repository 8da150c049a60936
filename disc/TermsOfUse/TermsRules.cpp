#include "TermsOfUse/TermsRules.h"

std::wstring TermsRules::EditLineEnds(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r') {
            if (i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            out += L"\r\n";
        } else if (c == L'\n') {
            out += L"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring TermsRules::NoticeLine(const std::wstring& notice)
{
    std::wstring line = notice.substr(0, notice.find_first_of(L"\r\n"));
    if (line.find_first_not_of(L" \t") == std::wstring::npos)
        return std::wstring();
    return line + L"\r\n";
}
