#include <gtest/gtest.h>

#include "TermsOfUse/TermsRules.h"

TEST(TermsRules, EveryLineEndBecomesCrLf)
{
    EXPECT_EQ(TermsRules::EditLineEnds(L"a\nb\r\nc\rd"), L"a\r\nb\r\nc\r\nd");
    EXPECT_EQ(TermsRules::EditLineEnds(L"\n\n"), L"\r\n\r\n");
    // A CR LF pair stays one line end; a trailing CR is one too.
    EXPECT_EQ(TermsRules::EditLineEnds(L"x\r\n\r"), L"x\r\n\r\n");
    EXPECT_EQ(TermsRules::EditLineEnds(L""), L"");
}

TEST(TermsRules, NoticeIsItsFirstLine)
{
    EXPECT_EQ(TermsRules::NoticeLine(L"Declined."), L"Declined.\r\n");
    EXPECT_EQ(TermsRules::NoticeLine(L"First\r\nSecond"), L"First\r\n");
    EXPECT_EQ(TermsRules::NoticeLine(L"First\nSecond"), L"First\r\n");
    // Nothing to show: no line at all, also for blanks or an empty first line.
    EXPECT_EQ(TermsRules::NoticeLine(L""), L"");
    EXPECT_EQ(TermsRules::NoticeLine(L" \t"), L"");
    EXPECT_EQ(TermsRules::NoticeLine(L"\r\nSecond"), L"");
}
