#include "engine/CVersionHwID.h"

#include "engine/HardwareIdMatch.h"
#include "log/CInfoTracker.h"
#include "services/CInfoReader.h"
#include "services/IniFile.h"
#include "services/PresentDevices.h"

namespace {

const wchar_t kClassKey[] = L"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\";

} // namespace

CVersionHwID::CVersionHwID()
    : VersionProviderBase(L"CVersionHwID")
{
}

bool CVersionHwID::GetCurrentVersion(std::wstring& out)
{
    return FramedVersionRead(out, [this](std::wstring& version) { return VersionFunction(version); });
}

bool CVersionHwID::IsVersionExist()
{
    return FramedPresenceCheck([this](std::wstring& version) { return VersionFunction(version); });
}

bool CVersionHwID::VersionFunction(std::wstring& out)
{
    out.clear();
    LogDebug(m_log, L"[VersionFunction] Enter");
    IniFile ini;
    if (!OpenCatalog(ini)) {
        LogError(m_log, L"[VersionFunction] Open ini fail");
        return false;
    }
    const std::wstring value = ReadItemKey(ini, L"HardwareID");
    ini.Close();
    if (value.empty()) {
        LogWarn(m_log, L"[VersionFunction] HardwareID is empty");
        return false;
    }
    const std::vector<std::wstring> pieces = HardwareIdMatch::SplitPieces(value);
    for (const std::wstring& piece : pieces)
        LogDebug(m_log, L"[VersionFunction] Hardware ID: %s", piece.c_str());
    const bool found = EnumDevice(pieces, out);
    LogDebug(m_log, L"[VersionFunction] End");
    return found;
}

bool CVersionHwID::EnumDevice(const std::vector<std::wstring>& pieces, std::wstring& out)
{
    PresentDevices devices;
    if (!devices.Open()) {
        LogError(m_log, L"[EnumDevice] Device list fail, error %u", static_cast<unsigned>(GetLastError()));
        return false;
    }
    for (DWORD index = 0; devices.Select(index); ++index) {
        std::wstring ids;
        bool grown = false;
        if (!devices.HardwareIds(ids, grown)) {
            LogDebug(m_log, L"[EnumDevice] Device %u has no Hardware ID", static_cast<unsigned>(index));
            continue;
        }
        if (grown)
            LogDebug(m_log, L"[EnumDevice] Hardware ID list of %u characters read with a larger buffer",
                     static_cast<unsigned>(ids.size()));
        const std::wstring first = HardwareIdMatch::FirstString(ids.data(), ids.size());
        LogDebug(m_log, L"[EnumDevice] Hardware ID: %s", first.c_str());
        if (!HardwareIdMatch::Matches(first, pieces))
            continue;
        std::wstring driverKey;
        if (!devices.DriverKey(driverKey))
            continue;
        ReadDriverVersion(HardwareIdMatch::FirstString(driverKey.data(), driverKey.size()), out);
        return true;
    }
    return false;
}

void CVersionHwID::ReadDriverVersion(const std::wstring& driverKey, std::wstring& out)
{
    const std::wstring path = kClassKey + driverKey;
    CInfoReader reader;
    reader.Load(path);
    reader.GetValue(path, L"DriverVersion", out);
    std::wstring provider;
    reader.GetValue(path, L"ProviderName", provider);
    // Windows' own drivers carry the system's version, not the vendor's.
    if (HardwareIdMatch::IsMicrosoftProvider(provider))
        out.clear();
}
