#include "SessionCatalogue.h"

#include <windows.h>

#include "DiscFolder.h"

namespace {
constexpr wchar_t kRegistryRoot[] = L"SOFTWARE\\DezoziSessionTest";
}

SessionCatalogue::~SessionCatalogue()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot);
}

bool SessionCatalogue::Write(DiscFolder& disc) const
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot);
    std::wstring text =
        L"[SETUP_ITEM]\r\nCD_Title=Session Test CD\r\nItemNumber=" + std::to_wstring(m_items.size()) + L"\r\n";
    for (size_t i = 0; i < m_items.size(); ++i) {
        const SessionItem& item = m_items[i];
        const std::wstring n = L"(" + std::to_wstring(i + 1) + L")";
        const std::wstring folder = L"Items\\Item" + std::to_wstring(i + 1);
        const std::wstring key =
            std::wstring(L"HKEY_LOCAL_MACHINE\\") + kRegistryRoot + L"\\Item" + std::to_wstring(i + 1);
        auto line = [&](const wchar_t* name, const std::wstring& value) {
            text += n + name + L"=" + value + L"\r\n";
        };
        line(L"Title", item.title);
        line(L"Tab", L"0,0");
        line(L"Version", L"1.0");
        line(L"SoftwareType", L"1");
        line(L"UpgradeType", std::to_wstring(item.upgradeType));
        line(L"InstallMethod", L"0");
        line(L"InstallFinishType", L"1");
        line(L"InstallReboot", std::to_wstring(item.installReboot));
        line(L"UninstallReboot", std::to_wstring(item.uninstallReboot));
        line(L"ForceInstall", std::to_wstring(item.force));
        line(L"Path", folder);
        line(L"InstallFinishTimeOutSecond", std::to_wstring(item.timeout));
        line(L"UninstallFinishTimeOutSecond", L"30");
        line(L"WaitBeforeInstall", L"0");
        line(L"WaitAfterInstall", L"0");
        line(L"Order", std::to_wstring(i + 1));
        line(L"ExistCount", L"1");
        line(L"Exist1Type", L"0");
        line(L"Exist1RegistryPath", key);
        line(L"Exist1RegistryValueName", L"DisplayVersion");
        line(L"VersionCount", L"1");
        line(L"Version1Type", L"0");
        line(L"Version1RegistryPath", key);
        line(L"Version1RegistryValueName", L"DisplayVersion");
        std::wstring setup = L"[Setup]\r\nTitle=" + item.title + L"\r\nInstallMs=" + std::to_wstring(item.installMs) +
                             L"\r\nWindow=0\r\nExitCode=" + std::to_wstring(item.exitCode) + L"\r\n";
        if (!item.fails)
            setup += L"[Install]\r\nValue1=" + key + L"|DisplayVersion|1.0\r\n";
        if (!disc.MakeFolder(folder) || !disc.CopyFromBin(L"OvraSetup.exe", folder + L"\\OvraSetup.exe") ||
            !disc.WriteFile(folder + L"\\OvraSetup.ini", setup))
            return false;
        if (item.installed && !SetInstalled(i + 1, item.installedVersion))
            return false;
    }
    return disc.WriteFile(L"SessionCatalog.ini", text) &&
           disc.WriteIni(L"OvSetup.ini", L"Catalog", L"Source", L"SessionCatalog.ini");
}

bool SessionCatalogue::SetInstalled(size_t itemNo, const std::wstring& version)
{
    HKEY key = nullptr;
    const std::wstring path = std::wstring(kRegistryRoot) + L"\\Item" + std::to_wstring(itemNo);
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG written = RegSetValueExW(key, L"DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                        static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}
