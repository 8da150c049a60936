#include "config/SetupCatalog.h"

#include <vector>

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CatalogRules.h"
#include "engine/CSoftwareCtl.h"
#include "engine/DeviceListRound.h"
#include "engine/ItemKey.h"
#include "log/CInfoTracker.h"
#include "services/IniFile.h"
#include "session/ProgressRecord.h"

namespace {
const wchar_t kItems[] = L"SETUP_ITEM";
}

void SetupCatalog::ReadItem(const IniFile& ini, int n, SetupItem& item) const
{
    const bool recovery = (m_controller.RunMode & MODE_RECOVERY) != 0;
    auto text = [&](const wchar_t* key, std::wstring& out) { ini.GetString(kItems, ItemKey(n, key), L"", out); };
    auto number = [&](const wchar_t* key, int def) {
        int value = def;
        ini.GetInt(kItems, ItemKey(n, key), def, value);
        return value;
    };

    text(L"Title", item.Title);
    text(L"Description", item.Description);
    text(L"ManualDescription", item.ManualDescription);
    std::wstring tab;
    ini.GetString(kItems, ItemKey(n, L"Tab"), L"0", tab);
    CatalogRules::ParseTab(tab, item.TabIndex, item.TabSubIndex);
    text(L"Version", item.Version);
    std::wstring dependency;
    text(L"Dependency", dependency);
    item.DependencyTokens = CatalogRules::SplitDependency(dependency);
    item.SoftwareType = number(L"SoftwareType", kCatalogMissing);
    item.UpgradeType = number(L"UpgradeType", kCatalogMissing);
    item.PassWHQL = number(L"PassWHQL", kCatalogMissing);
    item.ExistCount = number(L"ExistCount", kCatalogMissing);
    item.VersionCount = number(L"VersionCount", kCatalogMissing);
    item.VersionFile = number(L"VersionFile", kCatalogMissing);
    item.InstallMethod = number(L"InstallMethod", kCatalogMissing);
    item.InstallFinishType = number(L"InstallFinishType", kCatalogMissing);
    item.InstallReboot = CatalogRules::EffectiveRebootFlag(number(L"InstallReboot", 0), recovery, item.SoftwareType);
    item.UninstallReboot =
        CatalogRules::EffectiveRebootFlag(number(L"UninstallReboot", 0), recovery, item.SoftwareType);
    item.ForceInstall = number(L"ForceInstall", 0) == 1 ? 1 : 0;
    item.IsTheLastInstall = number(L"IsTheLastInstall", 0) == 1 ? 1 : 0;
    text(L"Path", item.Path);
    item.Order = CatalogRules::OrderFromCatalog(number(L"Order", n));
}

bool SetupCatalog::GetSetupSettings(const std::wstring& path)
{
    Logger* log = m_controller.GetLog();
    LogDebug(log, L"[GetSetupSettings] Enter");
    m_failure.clear();
    IniFile ini;
    if (!ini.Open(path)) {
        m_failure = L"[GetSetupSettings] Open ini fail";
        LogDebug(log, L"%s", m_failure.c_str());
        return false;
    }
    m_controller.CatalogPath = path;

    int count = -1;
    ini.GetInt(kItems, L"ItemNumber", -1, count);
    // Any negative count means no catalogue: counting up to it would never end.
    if (count < 0) {
        m_failure = L"[GetSetupSettings] Can not find ini tag: ItemNumber";
        LogDebug(log, L"%s", m_failure.c_str());
        ini.Close();
        return false;
    }
    // An absurd count would keep the read (and the record's reset) busy for
    // minutes: no item lies beyond the last one the file has keys for.
    std::vector<std::wstring> keys;
    ini.GetKeyNames(kItems, keys);
    const int highest = CatalogRules::HighestItemNumber(keys);
    if (count > highest) {
        LogDebug(log, L"[GetSetupSettings] ItemNumber %d cut to %d: no item keys beyond it", count, highest);
        count = highest;
    }

    const bool continued = (m_controller.RunMode & MODE_CONTD) != 0;
    ProgressRecord& record = m_controller.Record();
    std::wstring product;
    ini.GetString(L"DMI_Info", L"MB_PRODUCTNAME", L"", product);
    if (!continued)
        record.ResetProgressRecord(product, count);

    ini.GetString(kItems, L"CD_Title", L"OVRA Motherboard Support CD", m_controller.CdTitle);

    std::vector<SetupItem> records;
    records.reserve(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        SetupItem item;
        item.ItemNo = n;
        item.CatalogPath = path;
        ReadItem(ini, n, item);
        records.push_back(std::move(item));
    }
    CatalogRules::SortByOrder(records);

    const bool recovery = (m_controller.RunMode & MODE_RECOVERY) != 0;
    SoftwareList& list = m_controller.Items;
    list.Clear();
    for (const SetupItem& item : records) {
        auto sw = std::make_unique<CSoftwareCtl>(item, &m_controller, m_controller.NotifyFunction, recovery,
                                                 &record, m_controller.FactoryKit);
        if (!sw->CreateSwObject())
            LogError(log, L"[GetSetupSettings] CreateSwObject fail");
        list.Append(std::move(sw));
    }
    list.MoveLastInstallsToEnd();
    list.LinkDependencyGroups();

    // A continued run takes the flags back from the record and writes them
    // back as they count (only 1 is set).
    if (continued) {
        for (const auto& sw : list.Items()) {
            const ProgressRecord::ItemFlags flags = record.ReadItemFlags(sw->Item().ItemNo);
            sw->SetSwSelected(flags.selected);
            sw->SetDoned(flags.doned);
        }
    }
    record.RegisterItems(Registrations(list));
    ini.Close();
    return true;
}

std::vector<ProgressRecord::Registration> SetupCatalog::Registrations(const SoftwareList& list)
{
    // Every item is asked for its status: one walk of the device list.
    DeviceListRound round;
    std::vector<ProgressRecord::Registration> items;
    items.reserve(list.Count());
    for (const auto& sw : list.Items())
        items.push_back({sw->Item().ItemNo, sw->Item().Title, sw->GetItemStatus(1) == ItemStatus::Updated});
    return items;
}
