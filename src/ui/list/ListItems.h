#pragma once
#include <functional>
#include <string>
#include <vector>

#include "config/SetupItem.h"
#include "ui/list/ListKind.h"
#include "ui/list/RowModel.h"
#include "ui/list/TickRules.h"

// Which catalogue items a list shows and in which group, and what ticking
// or unticking one of them means for the others of its dependency group.
class ListItems {
public:
    // Positions in the catalogue list, in catalogue order.
    std::vector<size_t> offers;
    std::vector<size_t> normals;

    // The items of the tab that the kind keeps; in automatic lists the
    // browser offers (a path naming Google in any case) go to their own group.
    static ListItems Sort(const std::vector<const SetupItem*>& catalogue, int tab, const ListKind& kind);
    static bool IsOffer(const std::wstring& path);

    using ItemTest = std::function<bool(int itemNo)>;
    // Rows of this list's normal items that ticking `item` ticks too: its
    // followers that still need installing.
    static std::vector<int> FollowerRows(const SetupItem& item, const std::vector<const SetupItem*>& normals,
                                         const RowModel& rows, const ItemTest& needsInstall);
    // Rows of this list's ticked normal items that `item` is a prerequisite
    // of (its group's leaders), each row once.
    static std::vector<int> TickedLeaderRows(const SetupItem& item, const std::vector<const SetupItem*>& normals,
                                             const RowModel& rows, const TickRules::Ticks& ticks,
                                             const ItemTest& exists);
};
