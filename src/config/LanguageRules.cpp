#include "config/LanguageRules.h"

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

struct CharsetEntry {
    const char* name;
    unsigned char charset;
};

const CharsetEntry kCharsets[] = {
    {"Japanese", 128}, {"Russian", 204}, {"Thai", 222}, {"Turkish", 162}, {"Arabic", 178},
    {"Korean", 130},  // JOHAB, not HANGUL: the disc's fonts are made for it
};

} // namespace

bool EqualsNoCaseAscii(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

unsigned char CharsetForLanguageName(const std::string& name)
{
    for (const CharsetEntry& entry : kCharsets)
        if (EqualsNoCaseAscii(name, entry.name))
            return entry.charset;
    return 1;  // DEFAULT_CHARSET
}

std::vector<std::wstring> LocalizedFileCandidates(const std::wstring& prefix, const std::wstring& suffix,
                                                  uint16_t langId)
{
    static const wchar_t kHex[] = L"0123456789abcdef";
    std::wstring id;
    for (int shift = 12; shift >= 0; shift -= 4)
        id.push_back(kHex[(langId >> shift) & 0xF]);
    return {prefix + id + suffix, prefix + L"XX" + id.substr(2) + suffix, prefix + L"XX09" + suffix};
}
