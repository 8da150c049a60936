#include "ui/skin/ColorText.h"

#include <algorithm>
#include <climits>

#include "engine/VersionText.h"

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
    // The leading number saturates far beyond int; out of range becomes the bound.
    const long long value = VersionText::LeadingInteger(text);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool ColorText::IsWellFormed(const std::wstring& value)
{
    if (value.size() < 6 || value.compare(0, 4, L"RGB(") != 0 || value.back() != L')')
        return false;
    const std::wstring inner = value.substr(4, value.size() - 5);
    int components = 0;
    size_t i = 0;
    for (;;) {
        while (i < inner.size() && inner[i] == L' ')
            ++i;
        const size_t digits = i;
        int number = 0;
        for (; i < inner.size() && inner[i] >= L'0' && inner[i] <= L'9' && i - digits < 3; ++i)
            number = number * 10 + (inner[i] - L'0');
        if (i == digits || number > 255)
            return false;
        while (i < inner.size() && inner[i] == L' ')
            ++i;
        ++components;
        if (i == inner.size())
            return components == 3;
        if (inner[i] != L',' || components == 3)
            return false;
        ++i;
    }
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
