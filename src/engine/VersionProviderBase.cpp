#include "engine/VersionProviderBase.h"

#include "config/SetupItem.h"
#include "engine/ItemKey.h"
#include "log/CInfoTracker.h"
#include "services/IniFile.h"

namespace {

const wchar_t kSection[] = L"SETUP_ITEM";

} // namespace

VersionProviderBase::VersionProviderBase(const wchar_t* name)
    : m_log(CInfoTracker::Instance().GetLogger(name)),
      m_name(name)
{
}

VersionProviderBase::~VersionProviderBase()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

bool VersionProviderBase::OpenCatalog(IniFile& ini) const
{
    return m_item && ini.Open(m_item->CatalogPath);
}

std::wstring VersionProviderBase::ReadItemKey(const IniFile& ini, const wchar_t* name) const
{
    std::wstring value;
    ini.GetString(kSection, ItemKey(m_item->ItemNo, name), L"", value);
    return value;
}

bool VersionProviderBase::ReadRequiredItemKey(const wchar_t* name, const wchar_t* emptyWarning,
                                              std::wstring& value) const
{
    value.clear();
    IniFile ini;
    if (!OpenCatalog(ini)) {
        LogError(m_log, L"[VersionFunction] Open ini fail");
        return false;
    }
    value = ReadItemKey(ini, name);
    ini.Close();
    if (value.empty()) {
        LogWarn(m_log, emptyWarning);
        return false;
    }
    return true;
}

std::wstring VersionProviderBase::ReadIndexedKey(const IniFile& ini, const wchar_t* family, const wchar_t* name) const
{
    std::wstring value;
    ini.GetString(kSection, ItemKey(m_item->ItemNo, family, m_index, name), L"", value);
    return value;
}
