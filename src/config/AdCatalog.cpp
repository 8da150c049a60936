#include "config/AdCatalog.h"

#include <windows.h>

#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/CatalogSetFolder.h"
#include "config/OfferRules.h"
#include "probes/BoardIdentification.h"
#include "probes/ExeFolder.h"
#include "services/FileExists.h"
#include "services/IniFile.h"
#include "services/PathText.h"

AdCatalog::AdCatalog(const CController& controller, std::wstring programFolder)
    : m_controller(controller)
    , m_programFolder(programFolder.empty() ? ExeFolder() : std::move(programFolder))
{
}

bool AdCatalog::CatalogNamesDetail(const std::wstring& detail) const
{
    IniFile catalog;
    if (m_controller.CatalogPath.empty() || !catalog.Open(m_controller.CatalogPath)) {
        LogDebug(m_controller.GetLog(), L"[GetAdPathList] Open ini fail");
        return true;
    }
    const std::wstring wanted = OfferRules::ScriptSearchText(detail);
    bool found = false;
    const size_t count = m_controller.Items.Count();
    for (size_t i = 1; i <= count && !found; ++i) {
        std::wstring setupPath;
        catalog.GetString(L"SETUP_ITEM", L"(" + std::to_wstring(i) + L")SetupInIPath", L"", setupPath);
        found = setupPath.find(wanted) != std::wstring::npos;
    }
    catalog.Close();
    return found;
}

int AdCatalog::ShowButton(const IniFile& ads, const std::wstring& section, const std::wstring& detail) const
{
    std::wstring rule;
    ads.GetString(section, L"Button", L"Always", rule);
    switch (OfferRules::ParseButtonRule(rule)) {
    case OfferRules::ButtonRule::ByDynamic: {
        std::wstring library;
        ads.GetString(section, L"DllName", L"", library);
        return CallIoControlIn(m_programFolder, library) != 0 ? 1 : 0;
    }
    case OfferRules::ButtonRule::ByScript:
        return CatalogNamesDetail(detail) ? 1 : 0;
    case OfferRules::ButtonRule::Always:
        break;
    }
    return 1;
}

std::vector<AdEntry> AdCatalog::GetAdPathList(const std::wstring& kind) const
{
    std::vector<AdEntry> list;
    const std::wstring kindFolder =
        CatalogSetFolder::Find(m_programFolder, CatalogSetFolder::Kind::Advertisement) + kind + L"\\";
    const std::wstring language = GetLanguageName();

    IniFile ads;
    if (!ads.Open(kindFolder + L"AdCfg.ini"))
        return list;
    std::vector<std::wstring> sections;
    ads.GetSectionNames(sections);
    for (const std::wstring& section : sections) {
        if (!OfferRules::IsEntrySection(section))
            continue;
        AdEntry entry;
        std::wstring detail;
        ads.GetString(section, L"Detail", L"", detail);
        entry.SetupPath = SingleBackslashes(kindFolder + detail + L"\\OvraSetup.exe");
        entry.ShowButton = ShowButton(ads, section, detail);

        std::wstring languageFolder;
        ads.GetString(section, L"Language", L"Auto", languageFolder);
        if (languageFolder == L"Auto")
            languageFolder = language;
        std::wstring folder;
        std::wstring picture;
        ads.GetString(section, L"Folder", L"", folder);
        ads.GetString(section, L"Path", L"", picture);
        entry.ImagePath = kindFolder + folder + L"\\" + languageFolder + L"\\" + picture;

        int seconds = 0;
        ads.GetInt(section, L"DisplayTime", 0, seconds);
        entry.DisplayTime = OfferRules::DisplayTimeMs(seconds);
        ads.GetString(section, L"Param", L"", entry.Param);

        if (kind == L"Special" && !FileExists(entry.SetupPath))
            continue;
        list.push_back(std::move(entry));
    }
    ads.Close();
    return list;
}
