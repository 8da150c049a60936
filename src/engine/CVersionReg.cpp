#include "engine/CVersionReg.h"

#include "engine/RegistryVersionPath.h"
#include "log/CInfoTracker.h"
#include "services/CInfoReader.h"
#include "services/IniFile.h"

CVersionReg::CVersionReg()
    : VersionProviderBase(L"CVersionReg")
{
}

bool CVersionReg::GetCurrentVersion(std::wstring& out)
{
    return FramedVersionRead(out, [this](std::wstring& version) { return VersionFunction(1, version); });
}

bool CVersionReg::IsVersionExist()
{
    return FramedPresenceCheck([this](std::wstring& version) { return VersionFunction(0, version); });
}

bool CVersionReg::VersionFunction(int verType, std::wstring& out)
{
    out.clear();
    LogDebug(m_log, L"[VersionFunction] Enter, verType: %d", verType);
    IniFile ini;
    if (!OpenCatalog(ini)) {
        LogError(m_log, L"[VersionFunction] Open ini fail");
        return false;
    }
    const wchar_t* family = verType == 0 ? L"Exist" : L"Version";
    std::wstring path = ReadIndexedKey(ini, family, L"RegistryPath");
    const std::wstring valueName = ReadIndexedKey(ini, family, L"RegistryValueName");
    ini.Close();
    if (path.empty()) {
        LogWarn(m_log, L"[VersionFunction] RegistryPath is empty");
        return false;
    }
    if (verType == 0) {
        LogDebug(m_log, L"[VersionFunction] ExistRegistryPath: %s", path.c_str());
        LogDebug(m_log, L"[VersionFunction] ExistRegistryValueName: %s", valueName.c_str());
    } else {
        LogDebug(m_log, L"[VersionFunction] VersionRegistryPath: %s", path.c_str());
        LogDebug(m_log, L"[VersionFunction] VersionRegistryValueName: %s", valueName.c_str());
    }

    // The reader sees the 64-bit view; 32-bit software keeps its keys under Wow6432Node.
    CInfoReader reader;
    if (!reader.Load(path)) {
        const std::wstring wow = RegistryVersionPath::Wow6432Path(path);
        if (!wow.empty()) {
            path = wow;
            reader.Load(path);
        }
    }

    if (!valueName.empty()) {
        if (!reader.GetValue(path, valueName, out)) {
            LogError(m_log, L"[VersionFunction] Get version false");
            return false;
        }
    } else {
        const std::vector<std::wstring> loaded = reader.GetKeyPaths();
        if (loaded.empty()) {
            LogError(m_log, L"[VersionFunction] Get version false");
            return false;
        }
        out = RegistryVersionPath::VersionFromKeyNames(loaded, path);
    }
    LogDebug(m_log, L"[VersionFunction] End");
    return true;
}
