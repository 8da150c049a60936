#include "ui/list/ItemRowTexts.h"

#include "config/CLanguage.h"
#include "config/SoftwareList.h"
#include "engine/CSoftwareCtl.h"

namespace {

std::wstring OrNone(const std::wstring& text)
{
    return text.empty() ? Translate(L"None") : text;
}

} // namespace

std::wstring ItemRowTexts::StatusText(ItemStatus status)
{
    switch (status) {
    case ItemStatus::Outdated:
        return Translate(L"Outdated");
    case ItemStatus::NotInstalled:
        return Translate(L"Not installed");
    case ItemStatus::Updated:
        return Translate(L"Updated");
    default:
        return Translate(L"None");
    }
}

std::wstring ItemRowTexts::InstalledText(CSoftwareCtl& sw, int refresh)
{
    return OrNone(sw.GetCurrentVersion(refresh));
}

ItemRowTexts::Cells ItemRowTexts::Of(CSoftwareCtl& sw)
{
    const SetupItem& item = sw.Item();
    return Cells{item.Title, StatusText(sw.GetItemStatus(0)), OrNone(item.Version), InstalledText(sw, 0),
                 Translate(SoftwareList::RestartsWindows(sw) ? L"Yes" : L"No")};
}

std::wstring ItemRowTexts::TabHeading(int tab)
{
    if (tab == 0)
        return Translate(L"Driver");
    if (tab == 1)
        return Translate(L"Utilities");
    return std::wstring();
}
