#include "config/CatalogSetFolder.h"

#include "services/IniFile.h"
#include "services/UserNotice.h"

std::wstring CatalogSetFolder::Find(const std::wstring& programFolder, Kind kind)
{
    const bool ad = kind == Kind::Advertisement;
    const std::wstring section = ad ? L"Advertisement" : L"EULA";

    IniFile ini;
    std::wstring current;
    std::wstring folder;
    if (ini.Open(programFolder + L"LayoutCfg.ini")) {
        ini.GetString(section, L"Current", L"", current);
        if (!current.empty())
            ini.GetString(section, current, L"", folder);
        ini.Close();
    }
    if (current.empty())
        UserNotice::Current().Show(ad ? L"Do not find current ad in layout config"
                                      : L"Do not find current Eula in layout config");
    else if (folder.empty())
        UserNotice::Current().Show(ad ? L"Do not find ad path in layout config" : L"Do not find Eula path in layout config");

    // Without a folder the set is the program folder, not one with a second backslash.
    if (folder.empty())
        return programFolder;
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    return programFolder + folder;
}
