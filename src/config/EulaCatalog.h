#pragma once
#include <string>
#include <vector>

#include "config/EulaEntry.h"

class CController;

// The licence catalogue "EulaCfg.ini", read completely at every call, and
// which of its licences belong to the catalogue's items.
class EulaCatalog {
public:
    // programFolder: where LayoutCfg.ini lies (trailing backslash).
    explicit EulaCatalog(const CController& controller, std::wstring programFolder = L"");

    // The licences of the disc's items (offersOnly: of the offers about to be installed).
    std::vector<EulaEntry> GetEulaList(bool offersOnly) const;
    // The offer licences of the disc's items, whether or not they are to be installed.
    std::vector<EulaEntry> GetOfferLicences() const;
    // Every licence, without Execute and without filtering.
    std::vector<EulaEntry> GetEulaCatalog() const;
    // Offer licences (named after Google) match pending items only; others any item.
    bool MatchEulaToItems(const std::wstring& name, bool offersOnly) const;

private:
    enum class Match { Any, Items, PendingOffers, Offers };
    std::vector<EulaEntry> Read(bool useExecute, Match match) const;
    bool Matches(const std::wstring& name, Match match) const;

    const CController& m_controller;
    std::wstring m_programFolder;
};
