#include <gtest/gtest.h>

#include "config/LayoutChoice.h"

TEST(LayoutChoice, StatusTable)
{
    struct Row {
        int status;
        const wchar_t* layout;
        int boardLine;
    };
    const Row rows[] = {{1, L"QO", 1},  {2, L"VEQ", 2}, {3, L"QO", 1},   {4, L"QO", 4},  {5, L"QO", 5},
                        {6, L"MAV", 6}, {7, L"ODA", 7}, {9, L"KRAG", 6}, {8, L"QO", 0},  {0, L"QO", 0},
                        {-1, L"QO", 0}, {10, L"QO", 0}, {0x7FFFFFFF, L"QO", 0}};
    for (const Row& row : rows) {
        int boardLine = 0;
        EXPECT_EQ(LayoutChoice::LayoutForStatus(row.status, boardLine), row.layout) << row.status;
        EXPECT_EQ(boardLine, row.boardLine) << row.status;
    }
    int untouched = 3;
    LayoutChoice::LayoutForStatus(8, untouched);
    EXPECT_EQ(untouched, 3);
}

TEST(LayoutChoice, NamesAndAuto)
{
    EXPECT_TRUE(LayoutChoice::IsAuto(L"Auto"));
    EXPECT_TRUE(LayoutChoice::IsAuto(L"aUTO"));
    EXPECT_FALSE(LayoutChoice::IsAuto(L"Auto "));
    EXPECT_FALSE(LayoutChoice::IsAuto(L""));
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"QO"), 1);
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"veq"), 2);
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"Mav"), 6);
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"oda"), 7);
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"KRAG"), 1);
    EXPECT_EQ(LayoutChoice::BoardLineForName(L"Mystery"), 1);
}
