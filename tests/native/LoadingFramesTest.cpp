#include <gtest/gtest.h>

#include "ui/LoadingFrames.h"

TEST(LoadingFrames, SixDigitNamesAndAWrappingStep)
{
    EXPECT_EQ(LoadingFrames::FileName(1), L"a010001.png");
    EXPECT_EQ(LoadingFrames::FileName(9), L"a010009.png");
    EXPECT_EQ(LoadingFrames::FileName(10), L"a010010.png");
    EXPECT_EQ(LoadingFrames::FileName(39), L"a010039.png");

    EXPECT_EQ(LoadingFrames::Next(0, 39), 1);
    EXPECT_EQ(LoadingFrames::Next(37, 39), 38);
    EXPECT_EQ(LoadingFrames::Next(38, 39), 0);
    // Without frames the index stays at 0.
    EXPECT_EQ(LoadingFrames::Next(0, 0), 0);
}
