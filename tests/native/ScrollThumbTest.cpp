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
    EXPECT_EQ(thumb.FirstRow(100, 0), 0);
    EXPECT_EQ(thumb.FirstRow(100, -3), 0);
    // A thumb taller than the bar has no travel either.
    ScrollThumb tall(100, 150);
    EXPECT_EQ(tall.FromScroll(10, 39), -1);
    EXPECT_EQ(tall.FirstRow(0, 25), 0);
}

// The row the bar reports for a thumb it placed from the list is the list's
// row again: 22 rows scrolled to 7 used to come back as 2, 16 rows at 1 as 0.
TEST(ScrollThumb, FirstRowIsTheInverseOfFromScroll)
{
    struct Case {
        int bar, thumb, rows;
    };
    for (const Case& c : {Case{465, 434, 16}, Case{465, 372, 22}, Case{465, 150, 40}, Case{400, 150, 40},
                          Case{465, 150, 500}, Case{124, 50, 30}}) {
        ScrollThumb thumb(c.bar, c.thumb);
        const int range = ScrollThumb::ScrollRange(c.rows - 1, ScrollThumb::PageSize(c.rows - 1, 15));
        ASSERT_EQ(range, c.rows - 15);
        const int travel = c.bar - c.thumb + 2;
        int previous = -1;
        for (int row = 0; row <= range; ++row) {
            const int position = thumb.FromScroll(row, range);
            const int back = thumb.FirstRow(position, range);
            if (travel >= range)
                EXPECT_EQ(back, row) << c.rows << " rows, thumb " << c.thumb;
            else // fewer pixels than rows: the pixel's first row, never a later one
                EXPECT_EQ(thumb.FromScroll(back, range), position) << c.rows << " rows, row " << row;
            EXPECT_LE(back, row);
            EXPECT_GE(back, previous) << "rows follow the thumb downwards";
            previous = back;
        }
        EXPECT_EQ(thumb.FromScroll(range, range), c.bar - c.thumb + 1) << "the last page: the bottom stop";
        EXPECT_EQ(thumb.FirstRow(100000, range), range) << "past the stop: the last page";
        EXPECT_EQ(thumb.FirstRow(-50, range), 0);
    }
}

TEST(ScrollThumb, PageSizeAndDragging)
{
    // A page is the rows it shows, so the list stops at its last full page.
    EXPECT_EQ(ScrollThumb::PageSize(39, 15), 15);
    EXPECT_EQ(ScrollThumb::PageSize(9, 15), 10);
    EXPECT_EQ(ScrollThumb::PageSize(39, 0), 0);
    EXPECT_EQ(ScrollThumb::ScrollRange(39, 15), 25);
    EXPECT_EQ(ScrollThumb::ScrollRange(9, 10), 0);
    EXPECT_EQ(ScrollThumb::ScrollRange(9, 0), 9);
    ScrollThumb thumb(400, 150);
    // ratio 252 / 39 = 6.46: thumb at 128 stands for row 20 (ceil 19.96), from row 5.
    EXPECT_EQ(thumb.DragRows(128, 5, 39), 15);
    EXPECT_EQ(thumb.FromScroll(20, 39), 128);
    EXPECT_TRUE(thumb.InThumb(0, 128, 128));
    EXPECT_TRUE(thumb.InThumb(11, 277, 128));
    EXPECT_FALSE(thumb.InThumb(11, 278, 128));
    EXPECT_FALSE(thumb.InThumb(12, 200, 128));
}
