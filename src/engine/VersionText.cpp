#include "engine/VersionText.h"

#include <algorithm>

#include "services/TextTrim.h"

namespace VersionText {

std::wstring Trim(const std::wstring& text)
{
    return TrimText(text);
}

long long LeadingInteger(const std::wstring& text)
{
    constexpr long long kLimit = 1000000000000000000LL;
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value > kLimit / 10 ? kLimit : std::min(kLimit, value * 10 + (text[i] - L'0'));
    }
    return negative ? -value : value;
}

std::vector<std::wstring> SplitParts(const std::wstring& text, wchar_t separator, size_t maxParts)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (parts.size() < maxParts && start <= text.size()) {
        size_t next = text.find(separator, start);
        size_t end = next == std::wstring::npos ? text.size() : next;
        if (end == start)
            break; // an empty part ends the list
        parts.push_back(Trim(text.substr(start, end - start)));
        if (next == std::wstring::npos)
            break;
        start = next + 1;
    }
    return parts;
}

} // namespace VersionText
