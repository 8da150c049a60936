#include "ui/offers/OfferPages.h"

namespace OfferPages {

int PageButtonLeft(int i, int count)
{
    return 423 + 32 * i - (32 * count - 16) / 2;
}

bool PageButtonVisible(int count)
{
    return count != 1;
}

bool IsClickablePageCommand(int commandId)
{
    return commandId >= kFirstPageCommand && commandId <= kLastClickablePageCommand;
}

const AdEntry* EntryAt(const std::vector<AdEntry>& entries, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= entries.size())
        return nullptr;
    return &entries[static_cast<size_t>(index)];
}

int NextPage(int index, int count)
{
    if (count <= 0)
        return -1;
    if (index < 0 || index + 1 >= count)
        return 0;
    return index + 1;
}

bool Rotates(const AdEntry& entry)
{
    return entry.DisplayTime > 0;
}

bool IsOfferPage(const AdEntry& entry)
{
    return entry.ImagePath.find(L"Google") != std::wstring::npos;
}

PageLook LookOf(const AdEntry& entry, bool optInTicked)
{
    PageLook look;
    look.installOverlay = entry.ShowButton == 1;
    if (IsOfferPage(entry)) {
        look.optInPanel = entry.ShowButton == 1;
        look.installEnabled = optInTicked;
    } else {
        look.installEnabled = true;
    }
    return look;
}

} // namespace OfferPages
