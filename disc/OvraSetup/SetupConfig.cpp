#include "OvraSetup/SetupConfig.h"

#include <windows.h>

namespace {

std::wstring ReadString(const std::wstring& ini, const wchar_t* section, const std::wstring& key,
                        const wchar_t* def = L"")
{
    wchar_t buffer[1024];
    GetPrivateProfileStringW(section, key.c_str(), def, buffer, 1024, ini.c_str());
    return buffer;
}

int ReadInt(const std::wstring& ini, const wchar_t* section, const wchar_t* key, int def)
{
    return static_cast<int>(GetPrivateProfileIntW(section, key, def, ini.c_str()));
}

unsigned ReadDuration(const std::wstring& ini, const wchar_t* key, unsigned def)
{
    const int value = ReadInt(ini, L"Setup", key, static_cast<int>(def));
    if (value < 0)
        return 0;
    return static_cast<unsigned>(value) > SetupConfig::kMaxDurationMs ? SetupConfig::kMaxDurationMs
                                                                       : static_cast<unsigned>(value);
}

} // namespace

bool SetupConfig::Load(const std::wstring& iniPath)
{
    if (GetFileAttributesW(iniPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    title = ReadString(iniPath, L"Setup", L"Title");
    version = ReadString(iniPath, L"Setup", L"Version");
    vendorProductKey = ReadString(iniPath, L"Setup", L"VendorProductKey");
    installMs = ReadDuration(iniPath, L"InstallMs", 0);
    uninstallMs = ReadDuration(iniPath, L"UninstallMs", installMs);
    exitCode = ReadInt(iniPath, L"Setup", L"ExitCode", 0);
    uninstallExitCode = ReadInt(iniPath, L"Setup", L"UninstallExitCode", exitCode);
    cancelExitCode = ReadInt(iniPath, L"Setup", L"CancelExitCode", 1602);
    window = ReadInt(iniPath, L"Setup", L"Window", 1) != 0;
    interactive = InteractiveChoiceFromText(ReadString(iniPath, L"Setup", L"Interactive", L"install"));
    const int view = ReadInt(iniPath, L"Setup", L"RegistryView", 0);
    registryView = (view == 32 || view == 64) ? view : 0;

    // Value1.., Key1.., File1..: each list ends at its first missing number.
    for (const wchar_t* kind : {L"Value", L"Key"}) {
        for (int i = 1;; ++i) {
            const std::wstring key = kind + std::to_wstring(i);
            const std::wstring line = ReadString(iniPath, L"Install", key);
            if (line.empty())
                break;
            RegistryEntry entry;
            if (RegistryEntry::Parse(line, kind[0] == L'K', entry))
                registry.push_back(entry);
            else
                problems.push_back(key + L"=" + line);
        }
    }
    for (int i = 1;; ++i) {
        const std::wstring key = L"File" + std::to_wstring(i);
        const std::wstring line = ReadString(iniPath, L"Install", key);
        if (line.empty())
            break;
        FileEntry entry;
        if (FileEntry::Parse(line, entry))
            files.push_back(entry);
        else
            problems.push_back(key + L"=" + line);
    }
    if (!vendorProductKey.empty()) {
        RegistryEntry fixed;
        if (RegistryEntry::Parse(L"HKEY_LOCAL_MACHINE\\Software\\" + vendorProductKey + L"\\Pavex|Version|" + version,
                                 false, fixed))
            registry.insert(registry.begin(), fixed);
        else
            problems.push_back(L"VendorProductKey=" + vendorProductKey);
    }
    return true;
}
