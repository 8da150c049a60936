#include "config/EulaCatalog.h"

#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/CatalogSetFolder.h"
#include "config/OfferRules.h"
#include "probes/ExeFolder.h"
#include "services/IniFile.h"
#include "services/TextCase.h"

EulaCatalog::EulaCatalog(const CController& controller, std::wstring programFolder)
    : m_controller(controller)
    , m_programFolder(programFolder.empty() ? ExeFolder() : std::move(programFolder))
{
}

std::vector<EulaEntry> EulaCatalog::GetEulaList(bool offersOnly) const
{
    return Read(true, offersOnly ? Match::PendingOffers : Match::Items);
}

std::vector<EulaEntry> EulaCatalog::GetOfferLicences() const
{
    return Read(true, Match::Offers);
}

std::vector<EulaEntry> EulaCatalog::GetEulaCatalog() const
{
    return Read(false, Match::Any);
}

bool EulaCatalog::MatchEulaToItems(const std::wstring& name, bool offersOnly) const
{
    return Matches(name, offersOnly ? Match::PendingOffers : Match::Items);
}

bool EulaCatalog::Matches(const std::wstring& name, Match match) const
{
    if (match == Match::Any)
        return true;
    const bool offers = match == Match::PendingOffers || match == Match::Offers;
    if (OfferRules::IsOfferLicence(name) != offers)
        return false;
    const std::wstring wanted = UpperText(name);
    for (const auto& sw : m_controller.Items.Items()) {
        const SetupItem& item = sw->Item();
        if (match == Match::PendingOffers && (!item.Selected || item.Doned))
            continue;
        if (UpperText(item.Path).find(wanted) != std::wstring::npos)
            return true;
    }
    return false;
}

std::vector<EulaEntry> EulaCatalog::Read(bool useExecute, Match match) const
{
    std::vector<EulaEntry> list;
    const std::wstring setFolder = CatalogSetFolder::Find(m_programFolder, CatalogSetFolder::Kind::Eula);
    IniFile ini;
    if (!ini.Open(setFolder + L"EulaCfg.ini"))
        return list;
    std::vector<std::wstring> sections;
    ini.GetSectionNames(sections);
    for (const std::wstring& section : sections) {
        if (!OfferRules::IsEntrySection(section))
            continue;
        EulaEntry entry;
        std::wstring path;
        std::wstring file;
        ini.GetString(section, L"Description", L"", entry.Description);
        ini.GetString(section, L"Path", L"", path);
        ini.GetString(section, L"File", L"", file);
        ini.GetString(section, L"EulaName", L"", entry.EulaName);
        const std::wstring folder = setFolder + path + L"\\";
        entry.FilePath = LocalizedFile(folder, file);
        if (useExecute) {
            std::wstring execute;
            ini.GetString(section, L"Execute", L"", execute);
            if (!execute.empty())
                entry.FilePath = OfferRules::IsWebAddress(execute) ? execute : folder + execute;
        }
        if (!Matches(entry.EulaName, match))
            continue;
        list.push_back(std::move(entry));
    }
    ini.Close();
    return list;
}
