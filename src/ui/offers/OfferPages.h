#pragma once
#include <string>
#include <vector>

#include "config/AdEntry.h"

// The offer view's page rules: where the page buttons stand, which page
// follows, what a page shows. The entry list is read again from disk at
// every page change and may have changed length since, so every index is
// checked against the list it is used with.
namespace OfferPages {

constexpr int kFirstPageCommand = 2000;
// Only the first five page buttons react to clicks.
constexpr int kLastClickablePageCommand = 2004;
constexpr int kButtonTop = 568;
constexpr int kButtonSize = 16;

// Left edge of page button i of count, in the view's client coordinates.
int PageButtonLeft(int i, int count);
// A lone page needs no button.
bool PageButtonVisible(int count);
bool IsClickablePageCommand(int commandId);

// The entry at index, or nullptr when the index is outside the list.
const AdEntry* EntryAt(const std::vector<AdEntry>& entries, int index);
// The page after index; the first again after the last or when index is
// outside the list. -1 without entries.
int NextPage(int index, int count);
// A display time of 0 or less shows the page until the user changes it.
bool Rotates(const AdEntry& entry);

// Offer pages' picture paths name the maker (the test is case-sensitive).
bool IsOfferPage(const AdEntry& entry);

// What the view shows for a page.
struct PageLook {
    bool installOverlay = false;
    bool optInPanel = false;
    bool installEnabled = false;
};
PageLook LookOf(const AdEntry& entry, bool optInTicked);

} // namespace OfferPages
