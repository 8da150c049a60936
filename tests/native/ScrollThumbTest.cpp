#include <gtest/gtest.h>

#include "ui/skin/ScrollThumb.h"

// Bar 400 high, thumb 150: travel 252 pixels, stops at -1 and 251.
TEST(ScrollThumb, PositionFollowsTheListAndStopsAtBothEnds)
{
    ScrollThumb thumb(400, 150);
    EXPECT_EQ(thumb.FromScroll(0, 39), -1);
    // ratio 252 / 39: row 20 -> int(129.23) - 1
    EXPECT_EQ(thumb.FromScroll(20, 39), 128);
    EXPECT_EQ(thumb.FromScroll(39, 39), 251);
    EXPECT_EQ(thumb.Limit(5000), 251);
    EXPECT_EQ(thumb.Limit(-5000), -1);
    EXPECT_EQ(thumb.DragPosition(300), 225);
}

TEST(ScrollThumb, NoRangeKeepsTheThumbOnTopAndTheRowAtZero)
{
    // Zero or one row: there is nothing to divide by.
    ScrollThumb thumb(400, 150);
    EXPECT_EQ(thumb.FromScroll(0, 0), -1);
    EXPECT_EQ(thumb.FromScroll(3, -1), -1);
    EXPECT_EQ(thumb.DragRows(100, 0, 0), 0);
    EXPECT_EQ(thumb.FirstRow(0, 15, 100), 0);
    EXPECT_EQ(thumb.FirstRow(1, 15, 100), 0);
    // A thumb taller than the bar has no travel either.
    ScrollThumb tall(100, 150);
    EXPECT_EQ(tall.FromScroll(10, 39), -1);
    EXPECT_EQ(tall.FirstRow(40, 15, 0), 0);
}

TEST(ScrollThumb, FirstRowIsRoundedAndClampedToTheRows)
{
    ScrollThumb thumb(400, 150);
    // (40 - 15) * 126 / 252 + 0.5 = 13
    EXPECT_EQ(thumb.FirstRow(40, 15, 126), 13);
    EXPECT_EQ(thumb.FirstRow(40, 15, 251), 25);
    EXPECT_EQ(thumb.FirstRow(40, 15, -1), 0);
    // A thumb past its stop never names a row beyond the last.
    EXPECT_EQ(thumb.FirstRow(40, 0, 100000), 39);
}

TEST(ScrollThumb, PageSizeAndDragging)
{
    EXPECT_EQ(ScrollThumb::PageSize(39, 15), 3);
    EXPECT_EQ(ScrollThumb::PageSize(44, 15), 3);
    EXPECT_EQ(ScrollThumb::PageSize(45, 15), 4);
    EXPECT_EQ(ScrollThumb::PageSize(39, 0), 0);
    ScrollThumb thumb(400, 150);
    // ratio 252 / 39 = 6.46: thumb at 128 stands for row 19, from row 5.
    EXPECT_EQ(thumb.DragRows(128, 5, 39), 14);
    EXPECT_TRUE(thumb.InThumb(0, 128, 128));
    EXPECT_TRUE(thumb.InThumb(11, 277, 128));
    EXPECT_FALSE(thumb.InThumb(11, 278, 128));
    EXPECT_FALSE(thumb.InThumb(12, 200, 128));
}
