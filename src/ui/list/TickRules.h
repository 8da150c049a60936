#pragma once
#include <vector>

#include "ui/list/RowModel.h"

// How the tick boxes of an automatic list hang together: a heading row
// ticks or unticks its whole group, and a heading is ticked exactly when
// every item of its group is. Manual lists have no groups: a click only
// toggles its own row (the button held down).
class TickRules {
public:
    using Ticks = std::vector<bool>;

    // Toggles an existing row and keeps the groups consistent; false (and
    // nothing changed) for a row the list does not have.
    static bool Click(const RowModel& rows, Ticks& ticks, int row);
    // Sets an item row and re-derives the headings.
    static void SetRow(const RowModel& rows, Ticks& ticks, int row, bool ticked);
    static void DeriveHeadings(const RowModel& rows, Ticks& ticks);
    static bool AnyTicked(const Ticks& ticks);

private:
    static void DeriveHeading(const RowModel& rows, Ticks& ticks, int heading);
    static void SetGroup(const RowModel& rows, Ticks& ticks, int heading, bool ticked);
};
