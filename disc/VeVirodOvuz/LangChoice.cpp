#include "LangChoice.h"

#include <cstring>

#include "config/LanguageRules.h"
#include <vector>

namespace {

struct PrimaryName {
    uint16_t primary;
    const char* name;
};

// Primary language ids (the low ten bits of a language id).
const PrimaryName kPrimaryNames[] = {
    {0x01, "Arabic"},     {0x02, "Bulgarian"}, {0x05, "Czech"},     {0x06, "Danish"},
    {0x07, "German"},     {0x08, "Greek"},     {0x09, "English"},   {0x0A, "Spanish"},
    {0x0B, "Finnish"},    {0x0C, "French"},    {0x0D, "Hebrew"},    {0x0E, "Hungarian"},
    {0x10, "Italian"},    {0x11, "Japanese"},  {0x12, "Korean"},    {0x13, "Dutch"},
    {0x14, "Norwegian"},  {0x15, "Polish"},    {0x16, "Portuguese"}, {0x18, "Romanian"},
    {0x19, "Russian"},    {0x1D, "Swedish"},   {0x1E, "Thai"},      {0x1F, "Turkish"},
    {0x21, "Indonesian"}, {0x22, "Ukrainian"}, {0x2A, "Vietnamese"},
};

// The conversions of a printf format, each as its full text ("%-5d"), in
// order; "%%" is not one. A conversion cut off at the end counts as invalid.
bool Conversions(const std::string& format, std::vector<std::string>& out)
{
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < format.size() && std::strchr("-+ #0123456789.*hlLqjzt", format[j]))
            ++j;
        if (j >= format.size() || !std::strchr("diouxXeEfFgGaAcsSpn", format[j]))
            return false;
        if (format[j] == 'n')
            return false;  // writes through an argument: never from a translation
        out.push_back(format.substr(i, j - i + 1));
        i = j;
    }
    return true;
}

} // namespace

std::string LanguageNameForLangId(uint16_t langId)
{
    const uint16_t primary = langId & 0x3FF;
    if (primary == 0x04) {
        // Chinese: Taiwan, Hong Kong, Macao and the traditional script use
        // traditional characters; the rest simplified.
        switch (langId) {
        case 0x0404: case 0x0C04: case 0x1404: case 0x7C04: return "TChinese";
        default: return "SChinese";
        }
    }
    for (const PrimaryName& entry : kPrimaryNames)
        if (entry.primary == primary)
            return entry.name;
    return std::string();
}

std::string KnownLanguageName(const std::string& name)
{
    for (const char* special : {"SChinese", "TChinese"})
        if (EqualsNoCaseAscii(name, special))
            return special;
    for (const PrimaryName& entry : kPrimaryNames)
        if (EqualsNoCaseAscii(name, entry.name))
            return entry.name;
    return std::string();
}

bool IsPlainLanguageName(const std::string& name)
{
    if (name.empty() || name.size() >= kMaxLanguageName)
        return false;
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                        c == '-' || c == ' ';
        if (!ok)
            return false;
    }
    return true;
}

std::string ChooseLanguageName(const std::string& forced, uint16_t uiLangId,
                               const std::function<bool(const std::string&)>& hasFile)
{
    if (IsPlainLanguageName(forced) && hasFile(forced)) {
        const std::string known = KnownLanguageName(forced);
        return known.empty() ? forced : known;
    }
    const std::string system = LanguageNameForLangId(uiLangId);
    if (!system.empty() && hasFile(system))
        return system;
    return "English";
}

bool IsLanguageFileName(const std::string& fileName)
{
    const size_t slash = fileName.find_last_of("\\/");
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    if (base.size() <= 4 || !EqualsNoCaseAscii(base.substr(base.size() - 4), ".ini"))
        return false;
    return !KnownLanguageName(base.substr(0, base.size() - 4)).empty();
}

bool SameFormatSpecifiers(const std::string& a, const std::string& b)
{
    std::vector<std::string> first, second;
    if (!Conversions(a, first) || !Conversions(b, second))
        return false;
    return first == second;
}
