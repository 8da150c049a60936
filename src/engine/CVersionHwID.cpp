#include "engine/CVersionHwID.h"

#include "engine/DeviceListRound.h"
#include "engine/HardwareIdMatch.h"
#include "log/CInfoTracker.h"
#include "services/CInfoReader.h"
#include "services/DeviceSnapshot.h"

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
    std::wstring value;
    if (!ReadRequiredItemKey(L"HardwareID", L"[VersionFunction] HardwareID is empty", value))
        return false;
    const std::vector<std::wstring> pieces = HardwareIdMatch::SplitPieces(value);
    for (const std::wstring& piece : pieces)
        LogDebug(m_log, L"[VersionFunction] Hardware ID: %s", piece.c_str());
    const bool found = EnumDevice(pieces, out);
    LogDebug(m_log, L"[VersionFunction] End");
    return found;
}

bool CVersionHwID::EnumDevice(const std::vector<std::wstring>& pieces, std::wstring& out)
{
    DeviceSnapshot own;
    const DeviceSnapshot* snapshot = DeviceListRound::Current();
    if (!snapshot) {
        if (!own.Take()) {
            LogError(m_log, L"[EnumDevice] Device list fail, error %u", static_cast<unsigned>(own.Error()));
            return false;
        }
        snapshot = &own;
    }
    const auto& devices = snapshot->Devices();
    for (size_t index = 0; index < devices.size(); ++index) {
        const DeviceSnapshot::Device& device = devices[index];
        if (!device.hasHardwareIds) {
            LogDebug(m_log, L"[EnumDevice] Device %u has no Hardware ID", static_cast<unsigned>(index));
            continue;
        }
        if (device.grown)
            LogDebug(m_log, L"[EnumDevice] Hardware ID list of %u characters read with a larger buffer",
                     static_cast<unsigned>(device.hardwareIds.size()));
        const std::wstring first = HardwareIdMatch::FirstString(device.hardwareIds.data(), device.hardwareIds.size());
        LogDebug(m_log, L"[EnumDevice] Hardware ID: %s", first.c_str());
        if (!HardwareIdMatch::Matches(first, pieces) || !device.hasDriver)
            continue;
        ReadDriverVersion(HardwareIdMatch::FirstString(device.driverKey.data(), device.driverKey.size()), out);
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
