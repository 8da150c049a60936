#include "ui/list/TickRules.h"

#include <algorithm>

namespace {

bool Fits(const RowModel& rows, const TickRules::Ticks& ticks, int row)
{
    return rows.HasRow(row) && static_cast<size_t>(row) < ticks.size();
}

} // namespace

bool TickRules::Click(const RowModel& rows, Ticks& ticks, int row)
{
    if (!Fits(rows, ticks, row))
        return false;
    const bool ticked = !ticks[static_cast<size_t>(row)];
    ticks[static_cast<size_t>(row)] = ticked;
    if (!rows.Automatic())
        return true;
    if (rows.IsHeading(row))
        SetGroup(rows, ticks, row, ticked);
    DeriveHeadings(rows, ticks);
    return true;
}

void TickRules::SetRow(const RowModel& rows, Ticks& ticks, int row, bool ticked)
{
    if (!Fits(rows, ticks, row))
        return;
    ticks[static_cast<size_t>(row)] = ticked;
    if (rows.Automatic())
        DeriveHeadings(rows, ticks);
}

void TickRules::SetGroup(const RowModel& rows, Ticks& ticks, int heading, bool ticked)
{
    int first = 0;
    int last = -1;
    rows.GroupRows(heading, first, last);
    for (int row = first; row <= last && Fits(rows, ticks, row); ++row)
        ticks[static_cast<size_t>(row)] = ticked;
}

void TickRules::DeriveHeading(const RowModel& rows, Ticks& ticks, int heading)
{
    if (!Fits(rows, ticks, heading))
        return;
    int first = 0;
    int last = -1;
    rows.GroupRows(heading, first, last);
    bool all = last >= first;
    for (int row = first; all && row <= last; ++row)
        all = Fits(rows, ticks, row) && ticks[static_cast<size_t>(row)];
    ticks[static_cast<size_t>(heading)] = all;
}

void TickRules::DeriveHeadings(const RowModel& rows, Ticks& ticks)
{
    if (!rows.Automatic())
        return;
    DeriveHeading(rows, ticks, rows.OfferHeadingRow());
    DeriveHeading(rows, ticks, rows.NormalHeadingRow());
}

bool TickRules::AnyTicked(const Ticks& ticks)
{
    return std::find(ticks.begin(), ticks.end(), true) != ticks.end();
}
