#include <gtest/gtest.h>

#include "ui/TipLayout.h"

TEST(TipLayout, BreaksLinesAndBoxes)
{
    int breaks = -1;
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"Audio@@driver", &breaks), L"Audio\ndriver");
    EXPECT_EQ(breaks, 1);
    // Both spellings count, left to right; a lone backslash or "@" stays.
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"a\\nb@@@c\\d", &breaks), L"a\nb\n@c\\d");
    EXPECT_EQ(breaks, 2);

    EXPECT_EQ(TipLayout::Lines(1, 120), 2);
    EXPECT_EQ(TipLayout::Lines(0, 600), 3); // trunc(600 / 282.0) + 1
    EXPECT_EQ(TipLayout::Lines(0, 281), 1);
    EXPECT_EQ(TipLayout::Lines(0, 282), 2);
    EXPECT_EQ(TipLayout::Lines(-3, -10), 1);
    EXPECT_EQ(TipLayout::TextBox(2, 16), (TipBox{12, 12, 318, 44}));
    EXPECT_EQ(TipLayout::TipHeight(2, 16), 56);

    const TipBox link = TipLayout::LinkBox(TipLayout::TextBox(3, 14), 600, 14);
    EXPECT_EQ(link, (TipBox{12, 68, 318, 68 + 3 * 14}));
    EXPECT_EQ(TipLayout::LinkExtra(link), 3 * 14 + 24);
    // Edges belong to the box; an empty box holds only the point (0, 0).
    EXPECT_TRUE(link.Contains(318, 110));
    EXPECT_FALSE(link.Contains(319, 110));
    EXPECT_FALSE(link.Contains(12, 67));
    EXPECT_TRUE(TipBox{}.Contains(0, 0));
    EXPECT_FALSE(TipBox{}.Contains(0, 1));
}
