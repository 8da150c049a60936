#include "config/SoftwareList.h"

#include "config/CatalogRules.h"
#include "engine/DeviceListRound.h"
#include "services/TextCase.h"

namespace {

bool IsPending(const SetupItem& item)
{
    return item.Selected && !item.Doned;
}

} // namespace

void SoftwareList::MoveLastInstallsToEnd()
{
    CatalogRules::MoveLastInstallsToEnd(m_items,
                                        [](const std::unique_ptr<CSoftwareCtl>& sw) -> const SetupItem& {
                                            return sw->Item();
                                        });
}

void SoftwareList::LinkDependencyGroups()
{
    std::vector<SetupItem*> records;
    records.reserve(m_items.size());
    for (auto& sw : m_items)
        records.push_back(&sw->Item());
    CatalogRules::LinkDependencyGroups(records);
}

CSoftwareCtl* SoftwareList::FindItem(int itemNo) const
{
    for (const auto& sw : m_items) {
        if (sw->Item().ItemNo == itemNo)
            return sw.get();
    }
    return nullptr;
}

int SoftwareList::GetListMode(int forceManual, int currentTab) const
{
    if (forceManual)
        return 1;
    for (const auto& sw : m_items) {
        const SetupItem& item = sw->Item();
        if (item.TabIndex == currentTab && (item.SoftwareType == 0 || item.SoftwareType == 5))
            return 3;
    }
    return 0;
}

bool SoftwareList::RestartsWindows(CSoftwareCtl& sw)
{
    const SetupItem& item = sw.Item();
    if (item.InstallReboot)
        return true;
    if (item.UpgradeType == UPGRADE_REINSTALL)
        return item.UninstallReboot != 0;
    if (item.UpgradeType == UPGRADE_REINSTALL_INSTALLED && item.UninstallReboot) {
        const ItemStatus status = sw.GetItemStatus(0);
        return status == ItemStatus::Outdated || status == ItemStatus::Updated;
    }
    return false;
}

int SoftwareList::CountRestarts() const
{
    int restarts = 0;
    for (const auto& sw : m_items) {
        if (IsPending(sw->Item()) && RestartsWindows(*sw))
            ++restarts;
    }
    return restarts;
}

void SoftwareList::RefreshVersions()
{
    DeviceListRound round;
    for (auto& sw : m_items)
        sw->GetCurrentVersion(1);
}

void SoftwareList::DeselectByTitle(const std::wstring& name)
{
    const std::wstring wanted = UpperText(name);
    for (auto& sw : m_items) {
        if (!IsPending(sw->Item()))
            continue;
        if (UpperText(sw->Item().Title).find(wanted) == std::wstring::npos)
            continue;
        sw->SetSwSelected(0);
        sw->SetDoned(0);
        return;
    }
}
