#include <gtest/gtest.h>

#include "ui/PopupLayout.h"

TEST(PopupLayout, MessageGrowsWithBreaksAndWidth)
{
    int breaks = -1;
    EXPECT_EQ(PopupLayout::ConvertLineBreaks(L"one\\ntwo\\nthree", breaks), L"one\ntwo\nthree");
    EXPECT_EQ(breaks, 2);
    // "@@" is the tool tip's rule, not this one; a lone backslash stays.
    EXPECT_EQ(PopupLayout::ConvertLineBreaks(L"a@@b\\", breaks), L"a@@b\\");
    EXPECT_EQ(breaks, 0);
    EXPECT_EQ(PopupLayout::ConvertLineBreaks(L"\\\\n", breaks), L"\\\n");
    EXPECT_EQ(breaks, 1);

    // One line 900 pixels wide at 16 high: trunc(900 / 420) + 1 = 3 lines.
    int height = PopupLayout::MessageHeight(0, 900, 16);
    EXPECT_EQ(height, 48);
    EXPECT_EQ(PopupLayout::DefaultWidth(), 450);
    EXPECT_EQ(PopupLayout::DefaultHeight(height), 153);
    EXPECT_EQ(PopupLayout::MessageHeight(2, 419, 16), 48);
    EXPECT_EQ(PopupLayout::MessageHeight(2, 420, 16), 64);
    EXPECT_TRUE((PopupLayout::MessageRect(48) == PopupLayout::Box{15, 45, 435, 93}));
}

TEST(PopupLayout, ButtonsSitInTheLowerRightAndTheCloseButtonTopRight)
{
    EXPECT_TRUE((PopupLayout::NegativeButton(450, 153) == PopupLayout::Box{296, 108, 438, 142}));
    EXPECT_TRUE((PopupLayout::AffirmativeButton(450, 153) == PopupLayout::Box{148, 108, 290, 142}));
    EXPECT_TRUE((PopupLayout::CloseButton(450) == PopupLayout::Box{419, 5, 439, 25}));
    EXPECT_EQ(PopupLayout::CentredOrigin(1280, 450), 415);
    EXPECT_EQ(PopupLayout::CentredOrigin(1025, 153), 512 - 76);
    // A drag never leaves the top above 8, whether it stands there already or
    // a single step takes it there.
    EXPECT_EQ(PopupLayout::ClampedTop(7, -20), 8);
    EXPECT_EQ(PopupLayout::ClampedTop(8, -20), 8);
    EXPECT_EQ(PopupLayout::ClampedTop(8, 7), 8);
    EXPECT_EQ(PopupLayout::ClampedTop(20, 9), 9);
}

TEST(PopupLayout, VideoRowsUnderThePointer)
{
    // Rows start below y 37, 31 high, between x 43 and 829.
    EXPECT_EQ(PopupLayout::RowAt(43, 38, 6), 0);
    EXPECT_EQ(PopupLayout::RowAt(42, 38, 6), -1);
    EXPECT_EQ(PopupLayout::RowAt(829, 68, 6), 1);
    EXPECT_EQ(PopupLayout::RowAt(830, 68, 6), -1);
    EXPECT_EQ(PopupLayout::RowAt(100, 37, 6), -1);
    EXPECT_EQ(PopupLayout::RowAt(100, 160, 6), 3);
    EXPECT_EQ(PopupLayout::RowAt(100, 161, 6), -1);
    // Only existing rows count.
    EXPECT_EQ(PopupLayout::RowAt(100, 100, 2), -1);
    EXPECT_EQ(PopupLayout::RowAt(100, 60, 0), -1);
    EXPECT_EQ(PopupLayout::VisibleRows(6), 4);
    EXPECT_EQ(PopupLayout::VisibleRows(0), 0);
    EXPECT_TRUE((PopupLayout::RowHighlight(2) == PopupLayout::Box{8, 99, 716, 130}));
    EXPECT_TRUE((PopupLayout::RowText(0) == PopupLayout::Box{18, 37, 717, 68}));
}
