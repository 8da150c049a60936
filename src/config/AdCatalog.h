#pragma once
#include <string>
#include <vector>

#include "config/AdEntry.h"

class CController;
class IniFile;

// The advertisement catalogue "AdCfg.ini" of one kind ("Installing" or
// "Special"), read completely at every call.
class AdCatalog {
public:
    // programFolder: where LayoutCfg.ini and the decision libraries lie (trailing backslash).
    explicit AdCatalog(const CController& controller, std::wstring programFolder = L"");

    // The kind's entries in file order; "Special" ones only with their installer.
    std::vector<AdEntry> GetAdPathList(const std::wstring& kind) const;

private:
    // Whether a setup path of the catalogue contains the Detail value (ByScript).
    bool CatalogNamesDetail(const std::wstring& detail) const;
    int ShowButton(const IniFile& ads, const std::wstring& section, const std::wstring& detail) const;

    const CController& m_controller;
    std::wstring m_programFolder;
};
