#include <gtest/gtest.h>

#include <climits>

#include "ui/skin/ColorText.h"

TEST(ColorText, WellFormedValues)
{
    EXPECT_EQ(ColorText::Parse(L"RGB(255,0,0)"), 0x000000FFu);
    EXPECT_EQ(ColorText::Parse(L"RGB(0,128,255)"), 0x00FF8000u);
    EXPECT_EQ(ColorText::Parse(L"RGB(12, 34, 56)"), 0x0038220Cu);
    EXPECT_EQ(ColorText::Parse(L"RGB(255,255,255)"), 0x00FFFFFFu);
}

TEST(ColorText, PositionalParseOfOddValues)
{
    EXPECT_EQ(ColorText::Parse(L""), 0u);
    EXPECT_EQ(ColorText::Parse(L"RGB(300,0,0)"), 44u);
    // The last character is always dropped: blue 3, not 34.
    EXPECT_EQ(ColorText::Parse(L"RGB(1,2,34"), 0x00030201u);
    // A space before RGB( shifts red onto "(1": red 0.
    EXPECT_EQ(ColorText::Parse(L" RGB(1,2,34"), 0x00030200u);
    // Without "RGB(" green is the text before the first comma and blue
    // everything after it but the last character.
    EXPECT_EQ(ColorText::Parse(L"10,20,30)"), 0x00140A00u);
    EXPECT_EQ(ColorText::Parse(L"rgb(1,2,3)"), 0x00020000u);
    // Without a second comma green is empty and blue starts at index 0.
    EXPECT_EQ(ColorText::Parse(L"RGB(1,2)"), 0x00000001u);
    EXPECT_EQ(ColorText::Parse(L"RGB(7)"), 0u);
    EXPECT_EQ(ColorText::Parse(L"RGB("), 0u);
    EXPECT_EQ(ColorText::Parse(L"x"), 0u);
    EXPECT_EQ(ColorText::Parse(L","), 0u);
    EXPECT_EQ(ColorText::Parse(L"RGB(-1,+2,3x)"), 0x000302FFu);
    EXPECT_EQ(ColorText::Parse(L"RGB(99999999999,0,0)"), 0x000000FFu); // saturates to INT_MAX
}

TEST(ColorText, RunTimeStyleConversion)
{
    EXPECT_EQ(ColorText::ToInt(L""), 0);
    EXPECT_EQ(ColorText::ToInt(L"  \t42abc"), 42);
    EXPECT_EQ(ColorText::ToInt(L"-17"), -17);
    EXPECT_EQ(ColorText::ToInt(L"+5"), 5);
    EXPECT_EQ(ColorText::ToInt(L"- 5"), 0);
    EXPECT_EQ(ColorText::ToInt(L"2147483647"), INT_MAX);
    EXPECT_EQ(ColorText::ToInt(L"2147483648"), INT_MAX);
    EXPECT_EQ(ColorText::ToInt(L"-2147483648"), INT_MIN);
    EXPECT_EQ(ColorText::ToInt(L"-99999999999999999999999"), INT_MIN);
}
