#include "ui/skin/ColorText.h"

#include <climits>

namespace {

long long Find(const std::wstring& text, const std::wstring& what, long long from)
{
    if (from < 0)
        from = 0;
    if (from > static_cast<long long>(text.size()))
        return -1;
    const size_t at = text.find(what, static_cast<size_t>(from));
    return at == std::wstring::npos ? -1 : static_cast<long long>(at);
}

bool IsSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

} // namespace

std::wstring ColorText::Mid(const std::wstring& text, long long start, long long count)
{
    const long long len = static_cast<long long>(text.size());
    if (start < 0)
        start = 0;
    if (count < 0)
        count = 0;
    if (start >= len)
        return std::wstring();
    if (count > len - start)
        count = len - start;
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(count));
}

int ColorText::ToInt(const std::wstring& text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        if (!overflow) {
            value = value * 10 + (text[i] - L'0');
            if (value > static_cast<long long>(INT_MAX) + 1)
                overflow = true;
        }
    }
    if (negative) {
        if (overflow || -value < INT_MIN)
            return INT_MIN;
        return static_cast<int>(-value);
    }
    if (overflow || value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

uint32_t ColorText::Parse(const std::wstring& value)
{
    if (value.empty())
        return 0;
    const long long len = static_cast<long long>(value.size());
    const long long p = Find(value, L"RGB(", 0);
    const long long c1 = p >= 0 ? Find(value, L",", p) : -1;
    const long long c2 = (c1 + 1 >= 0 && c1 < len) ? Find(value, L",", c1 + 1) : -1;

    const uint32_t red = static_cast<uint32_t>(ToInt(Mid(value, 4, c1 - 4))) & 0xFFu;
    const uint32_t green = static_cast<uint32_t>(ToInt(Mid(value, c1 + 1, c2 - c1 - 1))) & 0xFFu;
    const uint32_t blue = static_cast<uint32_t>(ToInt(Mid(value, c2 + 1, len - c2 - 2))) & 0xFFu;
    return red | (green << 8) | (blue << 16);
}
