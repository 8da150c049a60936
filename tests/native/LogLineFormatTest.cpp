#include <gtest/gtest.h>

#include "log/LogLineFormat.h"

TEST(LogLineFormat, LayoutOfALine)
{
    LogTimestamp t{2026, 3, 7, 9, 5, 4, 42};
    EXPECT_EQ(FormatLogLine(t, L"CController", LogLevel::Info, L"[Start] Enter"),
              L"03/07/26 09:05:04  42 [CController         ][INFO] :[Start] Enter\n");
    t.millisecond = 7;
    EXPECT_EQ(FormatLogLine(t, L"ABCDEFGHIJKLMNOPQRST", LogLevel::Warn, L"m"),
              L"03/07/26 09:05:04   7 [ABCDEFGHIJKLMNOPQRST][WARN] :m\n");
    t.millisecond = 999;
    EXPECT_EQ(FormatLogLine(t, L"ABCDEFGHIJKLMNOPQRSTUV", LogLevel::Debug, L""),
              L"03/07/26 09:05:04 999 [ABCDEFGHIJKLMNOPQRSTUV][DEBUG] :\n");
}

TEST(LogLineFormat, ThresholdsFollowTheLevelOrder)
{
    EXPECT_EQ(LogThreshold(LogLevel::Info), 1);
    EXPECT_EQ(LogThreshold(LogLevel::Error), 2);
    EXPECT_EQ(LogThreshold(LogLevel::Warn), 3);
    EXPECT_EQ(LogThreshold(LogLevel::Debug), 4);
    EXPECT_STREQ(LogLevelName(LogLevel::Error), L"ERROR");
}
