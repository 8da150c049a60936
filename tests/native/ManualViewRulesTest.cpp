#include <gtest/gtest.h>

#include "ui/manual/ManualLayout.h"
#include "ui/manual/ManualRows.h"

using Kind = ManualRows::Kind;

namespace {

std::vector<Kind> Kinds(const ManualRows& rows)
{
    std::vector<Kind> kinds;
    for (int i = 0; i < rows.Count(); ++i)
        kinds.push_back(rows.At(i).kind);
    return kinds;
}

} // namespace

TEST(ManualRows, SectionsHeadersAndSeparators)
{
    ManualRows rows;
    // Only section 2 on the tab; items of other tabs stay out.
    rows.Build({{1, 2, 2}, {2, 0, 2}, {3, 2, 2}}, 2);
    EXPECT_EQ(Kinds(rows), (std::vector<Kind>{Kind::Header, Kind::Item, Kind::Item}));
    EXPECT_EQ(rows.HeaderRow(0), -1);
    EXPECT_EQ(rows.HeaderRow(2), 0);
    EXPECT_EQ(rows.SectionCount(2), 2);
    EXPECT_EQ(rows.ItemNoAt(2), 3);

    // Sections 0 and 1, given out of order: catalogue order inside each.
    rows.Build({{5, 4, 1}, {6, 4, 0}, {7, 4, 0}}, 4);
    EXPECT_EQ(Kinds(rows), (std::vector<Kind>{Kind::Header, Kind::Item, Kind::Item, Kind::Blank, Kind::Header,
                                              Kind::Item, Kind::Blank}));
    EXPECT_EQ(rows.ItemNoAt(1), 6);
    EXPECT_EQ(rows.ItemNoAt(2), 7);
    EXPECT_EQ(rows.ItemNoAt(5), 5);
    EXPECT_EQ(rows.HeaderRow(1), 4);
    EXPECT_EQ(rows.At(4).section, 1);

    // Indexes outside the rows, headers and blanks are never items.
    for (int index : {-1, 0, 3, 7, 1000})
        EXPECT_EQ(rows.ItemNoAt(index), -1) << index;
    EXPECT_EQ(rows.At(7).kind, Kind::None);
    EXPECT_EQ(rows.SectionCount(3), 0);
    EXPECT_EQ(rows.HeaderRow(-1), -1);

    rows.Build({}, 2);
    EXPECT_EQ(rows.Count(), 0);
}

TEST(ManualLayout, HoverPaintAndFade)
{
    // Rows exist only as far as the list goes; the last partial pixel rows count.
    EXPECT_EQ(ManualLayout::HoverRow(43, 18, 0, 20), 0);
    EXPECT_EQ(ManualLayout::HoverRow(829, 574, 0, 20), 17);
    EXPECT_EQ(ManualLayout::HoverRow(42, 100, 0, 20), -1);
    EXPECT_EQ(ManualLayout::HoverRow(830, 100, 0, 20), -1);
    EXPECT_EQ(ManualLayout::HoverRow(100, 17, 0, 20), -1);
    EXPECT_EQ(ManualLayout::HoverRow(100, 575, 0, 20), -1);
    EXPECT_EQ(ManualLayout::HoverRow(100, 17 + 31 * 3, 0, 3), -1);
    EXPECT_EQ(ManualLayout::HoverRow(100, 17 + 31 * 2, 0, 3), 2);
    // Scrolled to the end: row 17 is past the list when only 3 remain.
    EXPECT_EQ(ManualLayout::HoverRow(100, 17 + 31 * 5, 17, 20), -1);
    // A scroll position beyond the rows (stale notification) paints nothing.
    EXPECT_EQ(ManualLayout::PaintedRows(25, 20), 0);
    EXPECT_EQ(ManualLayout::PaintedRows(-1, 20), 0);
    EXPECT_EQ(ManualLayout::PaintedRows(0, 40), 18);
    EXPECT_EQ(ManualLayout::PaintedRows(30, 40), 10);

    EXPECT_TRUE(ManualLayout::KeepsScrollShown(43, 18));
    EXPECT_FALSE(ManualLayout::KeepsScrollShown(42, 18));
    EXPECT_FALSE(ManualLayout::KeepsScrollShown(100, 575));

    EXPECT_EQ(ManualLayout::TextRect(2, true), (ManualLayout::Box{17, 79, 827, 110}));
    EXPECT_EQ(ManualLayout::TextRect(0, false), (ManualLayout::Box{36, 17, 846, 48}));
    EXPECT_EQ(ManualLayout::HighlightRect(1), (ManualLayout::Box{17, 48, 824, 79}));
    EXPECT_EQ(ManualLayout::IconPlace(3).top, 18 + 93);

}
