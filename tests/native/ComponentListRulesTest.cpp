#include <gtest/gtest.h>

#include "ui/list/ListItems.h"
#include "ui/list/ListKind.h"
#include "ui/list/RowModel.h"
#include "ui/list/TextFit.h"
#include "ui/list/TickRules.h"
#include "ui/WindowMessages.h"

namespace {

SetupItem Item(int no, int tab, int type, const std::wstring& path = L"Drivers\\X")
{
    SetupItem item;
    item.ItemNo = no;
    item.TabIndex = tab;
    item.SoftwareType = type;
    item.Path = path;
    item.Title = L"Item " + std::to_wstring(no);
    return item;
}

std::vector<const SetupItem*> Pointers(const std::vector<SetupItem>& items)
{
    std::vector<const SetupItem*> out;
    for (const SetupItem& item : items)
        out.push_back(&item);
    return out;
}

} // namespace

TEST(ComponentListRules, KindsSortTheTabsItemsIntoOffersAndNormalItems)
{
    const std::vector<SetupItem> items{Item(1, 0, 1), Item(2, 0, 0), Item(3, 1, 2), Item(4, 0, 5, L"x\\gOoGle\\y"),
                                       Item(5, 0, 2, L"Utilities\\GoogleChrome"), Item(6, 0, 1)};
    const auto all = Pointers(items);
    ListItems single = ListItems::Sort(all, 0, ListKind::Of(0));
    EXPECT_EQ(single.offers, (std::vector<size_t>{4}));
    EXPECT_EQ(single.normals, (std::vector<size_t>{0, 5}));
    // The lower half keeps types 0 and 5 and, being manual, has no offer group.
    ListItems lower = ListItems::Sort(all, 0, ListKind::Of(3));
    EXPECT_TRUE(lower.offers.empty());
    EXPECT_EQ(lower.normals, (std::vector<size_t>{1, 3}));
    ListItems forced = ListItems::Sort(all, 0, ListKind::Of(1));
    EXPECT_TRUE(forced.offers.empty());
    EXPECT_EQ(forced.normals.size(), 5u);
    EXPECT_EQ(ListItems::Sort(all, 1, ListKind::Of(2)).normals, (std::vector<size_t>{2}));

    const ListKind upper = ListKind::Of(2);
    EXPECT_EQ(upper.rowsPerPage, 11);
    EXPECT_EQ(upper.InstallButtonTop(), 399);
    EXPECT_EQ(ListKind::Of(3).RowAreaTop(), 35);
    EXPECT_EQ(ListKind::Of(3).VisibleRowAt(35 + 31 * 3), -1);
    EXPECT_EQ(ListKind::Of(0).VisibleRowAt(53 + 31 * 14 + 30), 14);
    EXPECT_EQ(ListKind::Of(0).VisibleRowAt(52), -1);
    EXPECT_TRUE(ListKind::InHotZone(20, true));
    EXPECT_FALSE(ListKind::InHotZone(42, true));
    EXPECT_FALSE(ListKind::InHotZone(29, false));
    EXPECT_TRUE(ListKind::InHotZone(51, false));
}

TEST(ComponentListRules, RowModelPlacesHeadingsAndChecksEveryRow)
{
    RowModel both(true, 2, 3);
    EXPECT_EQ(both.OfferHeadingRow(), 0);
    EXPECT_EQ(both.NormalHeadingRow(), 3);
    EXPECT_EQ(both.TotalRows(), 7);
    EXPECT_EQ(both.SlotOf(2).group, RowModel::Group::Offer);
    EXPECT_EQ(both.SlotOf(2).index, 1);
    EXPECT_EQ(both.SlotOf(6).group, RowModel::Group::Normal);
    EXPECT_EQ(both.SlotOf(6).index, 2);
    EXPECT_EQ(both.SlotOf(3).group, RowModel::Group::None);
    EXPECT_EQ(both.SlotOf(7).group, RowModel::Group::None) << "past the last row";
    EXPECT_EQ(both.SlotOf(-1).group, RowModel::Group::None);
    EXPECT_EQ(both.RowOf(RowModel::Group::Normal, 0), 4);
    EXPECT_EQ(both.RowOf(RowModel::Group::Normal, 3), -1);

    RowModel offersOnly(true, 2, 0);
    EXPECT_EQ(offersOnly.TotalRows(), 3);
    EXPECT_EQ(offersOnly.NormalHeadingRow(), -1);
    RowModel none(true, 0, 0);
    EXPECT_EQ(none.TotalRows(), 0);
    EXPECT_FALSE(none.HasRow(0));
    RowModel manual(false, 0, 3);
    EXPECT_EQ(manual.TotalRows(), 3);
    EXPECT_EQ(manual.SlotOf(0).index, 0);
    EXPECT_FALSE(manual.IsHeading(0));

    // 15 and 16 rows in a single list (15 per page), 40 rows.
    RowModel fifteen(true, 0, 14), sixteen(true, 0, 15), forty(true, 0, 39);
    EXPECT_FALSE(fifteen.HostShown(15));
    EXPECT_TRUE(sixteen.HostShown(15));
    EXPECT_EQ(sixteen.ThumbHeight(465, 15, false), 434);
    EXPECT_EQ(forty.ThumbHeight(465, 15, false), 150);
    EXPECT_EQ(forty.ThumbHeight(93, 3, true), 50);
}

TEST(ComponentListRules, HeadingsTickTheirGroupAndFollowIt)
{
    RowModel rows(true, 2, 3);
    TickRules::Ticks ticks(7, true);
    // Unticking the normal heading unticks its items and nothing else.
    ASSERT_TRUE(TickRules::Click(rows, ticks, 3));
    EXPECT_EQ(ticks, (TickRules::Ticks{true, true, true, false, false, false, false}));
    ASSERT_TRUE(TickRules::Click(rows, ticks, 3));
    EXPECT_EQ(ticks, TickRules::Ticks(7, true));
    // An item unticked unticks only its own heading; ticked again, the heading follows.
    ASSERT_TRUE(TickRules::Click(rows, ticks, 1));
    EXPECT_EQ(ticks, (TickRules::Ticks{false, false, true, true, true, true, true}));
    ASSERT_TRUE(TickRules::Click(rows, ticks, 1));
    EXPECT_EQ(ticks, TickRules::Ticks(7, true));
    EXPECT_FALSE(TickRules::Click(rows, ticks, 7)) << "no such row";
    EXPECT_FALSE(TickRules::Click(rows, ticks, -1));
    TickRules::Ticks shortTicks(3, false);
    EXPECT_FALSE(TickRules::Click(rows, shortTicks, 5)) << "ticks shorter than the rows";

    // Without offers the heading is row 0 and covers every row after it.
    RowModel plain(true, 0, 2);
    TickRules::Ticks some{false, true, false};
    TickRules::DeriveHeadings(plain, some);
    EXPECT_FALSE(some[0]);
    TickRules::SetRow(plain, some, 2, true);
    EXPECT_TRUE(some[0]);
    EXPECT_TRUE(TickRules::AnyTicked(some));
    // Manual lists: a click is a held button, nothing more.
    RowModel manual(false, 0, 2);
    TickRules::Ticks held(2, false);
    ASSERT_TRUE(TickRules::Click(manual, held, 0));
    EXPECT_EQ(held, (TickRules::Ticks{true, false}));
    EXPECT_FALSE(TickRules::AnyTicked(TickRules::Ticks(2, false)));
}

TEST(ComponentListRules, DependantsAndPrerequisitesAreFoundAmongTheNormalItems)
{
    std::vector<SetupItem> items{Item(1, 0, 1), Item(2, 0, 1), Item(3, 0, 1), Item(9, 0, 1)};
    items[0].GroupFollowers = {2, 3, 7, 3};
    items[2].GroupLeaders = {1, 2, 1, 9};
    const auto normals = Pointers(items);
    RowModel rows(true, 0, 4);
    // Item 3 no longer needs installing; item 7 is not in this list.
    auto needs = [](int no) { return no != 3; };
    EXPECT_EQ(ListItems::FollowerRows(items[0], normals, rows, needs), (std::vector<int>{2}));
    TickRules::Ticks ticks{false, true, false, false, true};
    auto exists = [](int no) { return no != 9; };
    // Item 1 (row 1) once though named twice; item 2 (row 2) not ticked; item 9 unknown to the catalogue.
    EXPECT_EQ(ListItems::TickedLeaderRows(items[2], normals, rows, ticks, exists), (std::vector<int>{1}));
    ticks[2] = true;
    EXPECT_EQ(ListItems::TickedLeaderRows(items[2], normals, rows, ticks, exists), (std::vector<int>{1, 2}));
}

TEST(ComponentListRules, LongTextsEndInAnEllipsis)
{
    auto width = [](const std::wstring& s) { return static_cast<int>(s.size()) * 7; };
    EXPECT_EQ(TextFit::Fit(L"Short", 100, width), L"Short");
    EXPECT_EQ(TextFit::Fit(L"1234567890", 70, width), L"1234567890") << "exactly as wide as the column";
    // 71 characters of 7 px in 100 px: the prefix fits 90 px -> 12 characters.
    const std::wstring cut = TextFit::Fit(std::wstring(71, L'x'), 100, width);
    EXPECT_EQ(cut, std::wstring(12, L'x') + L"...");
    EXPECT_EQ(TextFit::Fit(L"abc", 5, width), L"...");
    EXPECT_EQ(TextFit::Fit(L"", 0, width), L"");
}

TEST(ComponentListRules, MoveDeltaKeepsItsSignsInBothHalves)
{
    for (int dx : {0, 5, -1, -300, 32767, -32768}) {
        for (int dy : {0, 7, -2, -1000}) {
            // lParam is 64 bits on x64: the long is sign-extended into it.
            const long long lParam = MakeMoveDelta(dx, dy);
            EXPECT_EQ(MoveDeltaX(lParam), dx) << dx << "," << dy;
            EXPECT_EQ(MoveDeltaY(lParam), dy) << dx << "," << dy;
        }
    }
}
