#include "engine/ItemStatus.h"

#include <algorithm>

#include "engine/VersionText.h"

ItemStatus StatusOfVersions(const std::wstring& installedText, const std::wstring& catalogText)
{
    const std::wstring installed = VersionText::Trim(installedText);
    const std::wstring catalog = VersionText::Trim(catalogText);
    if (installed.empty())
        return catalog.empty() ? ItemStatus::None : ItemStatus::NotInstalled;

    const auto mine = VersionText::SplitParts(installed, L'.', 9);
    const auto theirs = VersionText::SplitParts(catalog, L'.', 9);
    const size_t count = std::max(mine.size(), theirs.size());
    for (size_t k = 0; k < count; ++k) {
        const long long a = k < mine.size() ? VersionText::LeadingInteger(mine[k]) : 0;
        const long long b = k < theirs.size() ? VersionText::LeadingInteger(theirs[k]) : 0;
        if (a > b)
            return ItemStatus::Updated;
        if (a < b)
            return ItemStatus::Outdated;
    }
    return ItemStatus::Updated;
}

const wchar_t* ItemStatusText(ItemStatus status)
{
    switch (status) {
    case ItemStatus::Outdated:
        return L"Outdated";
    case ItemStatus::NotInstalled:
        return L"Not installed";
    case ItemStatus::Updated:
        return L"Updated";
    case ItemStatus::None:
        break;
    }
    return L"None";
}
