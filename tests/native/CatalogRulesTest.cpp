#include <gtest/gtest.h>

#include "config/CatalogRules.h"

using CatalogRules::SplitDependency;
using Tokens = std::vector<std::wstring>;

namespace {

SetupItem Item(int no, Tokens tokens, uint32_t order = 0, int last = 0)
{
    SetupItem item;
    item.ItemNo = no;
    item.DependencyTokens = std::move(tokens);
    item.Order = order;
    item.IsTheLastInstall = last;
    return item;
}

std::vector<int> NumbersOf(const std::vector<SetupItem>& items)
{
    std::vector<int> out;
    for (const auto& item : items)
        out.push_back(item.ItemNo);
    return out;
}

} // namespace

TEST(CatalogRules, Tab)
{
    int32_t a = -7, b = -7;
    CatalogRules::ParseTab(L"0", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    CatalogRules::ParseTab(L"2", a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 0);
    CatalogRules::ParseTab(L"2,3", a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 3);
    CatalogRules::ParseTab(L",3", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 3);
    CatalogRules::ParseTab(L"  4x, 1,9", a, b);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 1);
    CatalogRules::ParseTab(L"abc,", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    CatalogRules::ParseTab(L"", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    CatalogRules::ParseTab(L"99999999999,-99999999999", a, b);
    EXPECT_EQ(a, INT32_MAX);
    EXPECT_EQ(b, INT32_MIN);
}

TEST(CatalogRules, DependencyTokens)
{
    EXPECT_EQ(SplitDependency(L"0xA1 , 0xB2"), (Tokens{L"0xA1", L"0xB2"}));
    EXPECT_EQ(SplitDependency(L"0xA1,,0xB2"), (Tokens{L"0xA1"}));
    EXPECT_EQ(SplitDependency(L""), Tokens{});
    EXPECT_EQ(SplitDependency(L",0xA1"), Tokens{});
    // A part of only spaces is not empty: it is kept, trimmed to nothing.
    EXPECT_EQ(SplitDependency(L"0xA1,  ,0xB2"), (Tokens{L"0xA1", L"", L"0xB2"}));
    EXPECT_EQ(SplitDependency(L"0xA1,"), (Tokens{L"0xA1"}));
    std::wstring many;
    for (int i = 0; i < 25; ++i)
        many += L"t" + std::to_wstring(i) + L",";
    const Tokens tokens = SplitDependency(many);
    ASSERT_EQ(tokens.size(), 20u);
    EXPECT_EQ(tokens.front(), L"t0");
    EXPECT_EQ(tokens.back(), L"t19");
}

TEST(CatalogRules, RebootFlagsAndOrder)
{
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(1, false, 1), 1);
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(1, true, 1), 0);
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(1, false, 5), 0);
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(1, false, 0), 0);
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(2, false, 1), 0);
    EXPECT_EQ(CatalogRules::EffectiveRebootFlag(1, false, 999), 1);
    EXPECT_EQ(CatalogRules::OrderFromCatalog(-1), 0xFFFFFFFFu);
    EXPECT_EQ(CatalogRules::OrderFromCatalog(INT32_MIN), 0x80000000u);
}

TEST(CatalogRules, SortIsUnsignedAndStable)
{
    std::vector<SetupItem> items{Item(1, {}, 3), Item(2, {}, 1), Item(3, {}, 2)};
    CatalogRules::SortByOrder(items);
    EXPECT_EQ(NumbersOf(items), (std::vector<int>{2, 3, 1}));

    items = {Item(1, {}, 5), Item(2, {}, CatalogRules::OrderFromCatalog(-1)), Item(3, {}, 5)};
    CatalogRules::SortByOrder(items);
    EXPECT_EQ(NumbersOf(items), (std::vector<int>{1, 3, 2}));

    items = {Item(1, {}, 1, 1), Item(2, {}, 2, 1), Item(3, {}, 3), Item(4, {}, 4)};
    CatalogRules::MoveLastInstallsToEnd(items, [](const SetupItem& s) -> const SetupItem& { return s; });
    EXPECT_EQ(NumbersOf(items), (std::vector<int>{3, 4, 1, 2}));
}

TEST(CatalogRules, DependencyGroups)
{
    std::vector<SetupItem> items{Item(1, {L"0xA1"}), Item(2, {L"0xA2"}), Item(3, {L"0xA1"}),
                                 Item(4, {L"0xff", L"0xB", L""}), Item(5, {L"0xB9", L"0xAz"})};
    std::vector<SetupItem*> records;
    for (auto& item : items)
        records.push_back(&item);
    CatalogRules::LinkDependencyGroups(records);

    EXPECT_EQ(items[0].GroupFollowers, (std::vector<int32_t>{2}));
    EXPECT_EQ(items[0].GroupLeaders, (std::vector<int32_t>{3, 5})); // 0xAz ranks 0
    EXPECT_EQ(items[1].GroupFollowers, (std::vector<int32_t>{}));
    EXPECT_EQ(items[1].GroupLeaders, (std::vector<int32_t>{1, 3, 5}));
    EXPECT_EQ(items[2].GroupLeaders, (std::vector<int32_t>{1, 5}));
    EXPECT_EQ(items[2].GroupFollowers, (std::vector<int32_t>{2}));
    EXPECT_TRUE(items[3].GroupFollowers.empty());
    EXPECT_TRUE(items[3].GroupLeaders.empty());
    // 0xB9 has no partner; 0xAz (rank 0) sees 0xA1 and 0xA2 as followers.
    EXPECT_EQ(items[4].GroupFollowers, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_TRUE(items[4].GroupLeaders.empty());
}

TEST(CatalogRules, GroupsRepeatPerTokenPairAndSkipSameNumber)
{
    // Two matching token pairs append the partner twice; a record with the
    // same item number never links to itself.
    std::vector<SetupItem> items{Item(1, {L"0xC1", L"0xC1"}), Item(2, {L"0xC5"}), Item(1, {L"0xC3"})};
    std::vector<SetupItem*> records{&items[0], &items[1], &items[2]};
    CatalogRules::LinkDependencyGroups(records);
    EXPECT_EQ(items[0].GroupFollowers, (std::vector<int32_t>{2, 2}));
    EXPECT_TRUE(items[0].GroupLeaders.empty());
    EXPECT_EQ(items[1].GroupLeaders, (std::vector<int32_t>{1, 1, 1}));
}

TEST(CatalogRules, HighestItemNumber)
{
    EXPECT_EQ(CatalogRules::HighestItemNumber({}), 0);
    EXPECT_EQ(CatalogRules::HighestItemNumber({L"ItemNumber", L"CD_Title", L"(x)Title", L"()Title", L"(12"}), 0);
    EXPECT_EQ(CatalogRules::HighestItemNumber({L"(2)Title", L"(10)Path", L"(007)Tab", L"(3)Exist1Type"}), 10);
    // Numbers past 32 bits are not item numbers.
    EXPECT_EQ(CatalogRules::HighestItemNumber({L"(4)Title", L"(2147483648)Title", L"(99999999999999999999)Title"}),
              4);
    EXPECT_EQ(CatalogRules::HighestItemNumber({L"(2147483647)Title"}), 2147483647);
}
