#include "engine/CVersionFixReg.h"

#include "engine/RegistryVersionPath.h"
#include "log/CInfoTracker.h"
#include "services/CInfoReader.h"

CVersionFixReg::CVersionFixReg()
    : VersionProviderBase(L"CVersionFixReg")
{
}

bool CVersionFixReg::GetCurrentVersion(std::wstring& out)
{
    return FramedVersionRead(out, [this](std::wstring& version) { return VersionFunction(version); });
}

bool CVersionFixReg::IsVersionExist()
{
    return FramedPresenceCheck([this](std::wstring& version) { return VersionFunction(version); });
}

bool CVersionFixReg::VersionFunction(std::wstring& out)
{
    out.clear();
    LogDebug(m_log, L"[VersionFunction] Enter");
    std::wstring vendorProduct;
    if (!ReadRequiredItemKey(L"VendorProductKey", L"[VersionFunction] VendorProduct is empty", vendorProduct))
        return false;
    std::wstring path = RegistryVersionPath::FixedKeyPath(vendorProduct, false);
    LogDebug(m_log, L"[VersionFunction] RegistryPath: %s", path.c_str());

    CInfoReader reader;
    if (!reader.Load(path)) {
        LogDebug(m_log, L"[VersionFunction] Find Wow6432Node in Registry");
        path = RegistryVersionPath::FixedKeyPath(vendorProduct, true);
        LogDebug(m_log, L"[VersionFunction] RegistryPath: %s", path.c_str());
        reader.Load(path);
    }
    if (!reader.GetValue(path, L"Version", out)) {
        LogError(m_log, L"[VersionFunction] Get version false");
        return false;
    }
    LogDebug(m_log, L"[VersionFunction] End");
    return true;
}
