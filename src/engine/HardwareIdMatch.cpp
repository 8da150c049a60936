#include "engine/HardwareIdMatch.h"

#include <cwctype>

#include "engine/VersionText.h"

namespace HardwareIdMatch {

std::vector<std::wstring> SplitPieces(const std::wstring& value)
{
    std::vector<std::wstring> pieces;
    size_t from = 0;
    for (size_t comma = value.find(L','); comma != std::wstring::npos; comma = value.find(L',', from)) {
        pieces.push_back(VersionText::Trim(value.substr(from, comma - from)));
        from = comma + 1;
    }
    // A final comma adds no piece; blanks after it do (trimmed to an empty
    // one, as between two commas). The profile reader trims a value's ends,
    // so only a quoted value keeps such blanks.
    if (from < value.size())
        pieces.push_back(VersionText::Trim(value.substr(from)));
    return pieces;
}

bool Matches(const std::wstring& firstHardwareId, const std::vector<std::wstring>& pieces)
{
    for (const std::wstring& piece : pieces) {
        if (piece == L"0")
            continue;
        if (firstHardwareId.find(piece) != std::wstring::npos)
            return true;
    }
    return false;
}

std::wstring FirstString(const wchar_t* data, size_t count)
{
    if (!data)
        return std::wstring();
    size_t length = 0;
    while (length < count && data[length] != L'\0')
        ++length;
    return std::wstring(data, length);
}

bool IsMicrosoftProvider(const std::wstring& providerName)
{
    static const wchar_t kMicrosoft[] = L"microsoft";
    constexpr size_t kLength = sizeof(kMicrosoft) / sizeof(kMicrosoft[0]) - 1;
    if (providerName.size() != kLength)
        return false;
    for (size_t i = 0; i < kLength; ++i) {
        if (std::towlower(static_cast<wint_t>(providerName[i])) != static_cast<wint_t>(kMicrosoft[i]))
            return false;
    }
    return true;
}

} // namespace HardwareIdMatch
