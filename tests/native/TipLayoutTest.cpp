#include <gtest/gtest.h>

#include "ui/TipLayout.h"

TEST(TipLayout, LineBreaksFromMarkersAndEscapes)
{
    int breaks = -1;
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"Audio driver@@for the board", &breaks), L"Audio driver\nfor the board");
    EXPECT_EQ(breaks, 1);
    // Both spellings count; a lone backslash or "@" stays.
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"a\\nb@@c\\d@e", &breaks), L"a\nb\nc\\d@e");
    EXPECT_EQ(breaks, 2);
    // "@@@" is one marker and an "@"; adjacent markers are two breaks.
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"@@@x@@@@", &breaks), L"\n@x\n\n");
    EXPECT_EQ(breaks, 3);
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"", &breaks), L"");
    EXPECT_EQ(breaks, 0);
    EXPECT_EQ(TipLayout::ConvertLineBreaks(L"plain", nullptr), L"plain");
}

TEST(TipLayout, LinesTextBoxAndHeight)
{
    // A short text with one break: two lines.
    EXPECT_EQ(TipLayout::Lines(1, 120), 2);
    // 600 pixels as one line wrap into trunc(600 / 282.0) + 1 = 3 lines.
    EXPECT_EQ(TipLayout::Lines(0, 600), 3);
    EXPECT_EQ(TipLayout::Lines(0, 281), 1);
    EXPECT_EQ(TipLayout::Lines(0, 282), 2);
    EXPECT_EQ(TipLayout::Lines(2, 564), 5);
    EXPECT_EQ(TipLayout::Lines(0, 0), 1);
    EXPECT_EQ(TipLayout::Lines(-3, -10), 1) << "nothing below one line";

    EXPECT_EQ(TipLayout::TextBox(2, 16), (TipBox{12, 12, 318, 44}));
    EXPECT_EQ(TipLayout::TipHeight(2, 16), 2 * 16 + 24);
}

TEST(TipLayout, LinkUnderTheTextAndItsHeight)
{
    const TipBox text = TipLayout::TextBox(3, 14); // bottom 54
    const TipBox link = TipLayout::LinkBox(text, 100, 14);
    EXPECT_EQ(link, (TipBox{12, 68, 318, 82}));
    EXPECT_EQ(TipLayout::LinkExtra(link), 14 + 24);
    // A long link text takes more lines.
    EXPECT_EQ(TipLayout::LinkBox(text, 600, 14).Height(), 3 * 14);

    // Edges belong to the box; an empty box holds only its corner point.
    EXPECT_TRUE(link.Contains(12, 68));
    EXPECT_TRUE(link.Contains(318, 82));
    EXPECT_FALSE(link.Contains(319, 82));
    EXPECT_FALSE(link.Contains(12, 67));
    const TipBox none;
    EXPECT_TRUE(none.Contains(0, 0));
    EXPECT_FALSE(none.Contains(1, 0));
}
