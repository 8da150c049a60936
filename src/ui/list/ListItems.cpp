#include "ui/list/ListItems.h"

#include <algorithm>
#include <cwctype>

namespace {

bool RowTicked(const TickRules::Ticks& ticks, int row)
{
    return row >= 0 && static_cast<size_t>(row) < ticks.size() && ticks[static_cast<size_t>(row)];
}

// Rows of the normal items that carry one of the numbers, each row once,
// in the order of the numbers.
std::vector<int> RowsOfNumbers(const std::vector<int32_t>& numbers, const std::vector<const SetupItem*>& normals,
                               const RowModel& rows, const std::function<bool(int row, int itemNo)>& keep)
{
    std::vector<int> found;
    for (int32_t number : numbers) {
        for (size_t j = 0; j < normals.size(); ++j) {
            if (!normals[j] || normals[j]->ItemNo != number)
                continue;
            const int row = rows.RowOf(RowModel::Group::Normal, static_cast<int>(j));
            if (row >= 0 && keep(row, number) && std::find(found.begin(), found.end(), row) == found.end())
                found.push_back(row);
        }
    }
    return found;
}

} // namespace

bool ListItems::IsOffer(const std::wstring& path)
{
    std::wstring upper = path;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    return upper.find(L"GOOGLE") != std::wstring::npos;
}

ListItems ListItems::Sort(const std::vector<const SetupItem*>& catalogue, int tab, const ListKind& kind)
{
    ListItems sorted;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const SetupItem* item = catalogue[i];
        if (!item || item->TabIndex != tab || !kind.Keeps(item->SoftwareType))
            continue;
        if (kind.Automatic() && IsOffer(item->Path))
            sorted.offers.push_back(i);
        else
            sorted.normals.push_back(i);
    }
    return sorted;
}

std::vector<int> ListItems::FollowerRows(const SetupItem& item, const std::vector<const SetupItem*>& normals,
                                         const RowModel& rows, const ItemTest& needsInstall)
{
    return RowsOfNumbers(item.GroupFollowers, normals, rows,
                         [&](int, int itemNo) { return needsInstall && needsInstall(itemNo); });
}

std::vector<int> ListItems::TickedLeaderRows(const SetupItem& item, const std::vector<const SetupItem*>& normals,
                                             const RowModel& rows, const TickRules::Ticks& ticks,
                                             const ItemTest& exists)
{
    return RowsOfNumbers(item.GroupLeaders, normals, rows,
                         [&](int row, int itemNo) { return RowTicked(ticks, row) && exists && exists(itemNo); });
}
