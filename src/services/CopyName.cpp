#include "services/CopyName.h"

#include <cstdint>

namespace {

const std::wstring kCopyOf = L"Copy of ";
const std::wstring kCopyOpen = L"Copy (";
const std::wstring kOf = L") of ";

bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "Copy (N) of rest": N decimal without sign. False for any other shape or
// a number that cannot be counted up.
bool ParseNumbered(const std::wstring& base, uint32_t& number, std::wstring& rest)
{
    if (!StartsWith(base, kCopyOpen))
        return false;
    size_t pos = kCopyOpen.size();
    uint64_t value = 0;
    size_t digits = 0;
    while (pos < base.size() && base[pos] >= L'0' && base[pos] <= L'9') {
        value = value * 10 + static_cast<uint64_t>(base[pos] - L'0');
        if (value >= UINT32_MAX)
            return false;
        ++pos;
        ++digits;
    }
    if (digits == 0 || base.compare(pos, kOf.size(), kOf) != 0)
        return false;
    number = static_cast<uint32_t>(value);
    rest = base.substr(pos + kOf.size());
    return true;
}

} // namespace

std::wstring NextCopyName(const std::wstring& path)
{
    // Folder part ends at the last separator (or the drive colon).
    size_t folderEnd = path.find_last_of(L"\\/:");
    folderEnd = folderEnd == std::wstring::npos ? 0 : folderEnd + 1;
    const std::wstring folder = path.substr(0, folderEnd);
    const std::wstring name = path.substr(folderEnd);
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos)
        dot = name.size();
    const std::wstring base = name.substr(0, dot);
    const std::wstring ext = name.substr(dot);

    uint32_t number = 0;
    std::wstring rest;
    if (ParseNumbered(base, number, rest))
        return folder + kCopyOpen + std::to_wstring(number + 1) + kOf + rest + ext;
    // "Copy of rest" moves on to the numbered form; any other name, including
    // those with "Copy " somewhere else in them, starts the chain.
    if (StartsWith(base, kCopyOf))
        return folder + L"Copy (1) of " + base.substr(kCopyOf.size()) + ext;
    return folder + kCopyOf + base + ext;
}
