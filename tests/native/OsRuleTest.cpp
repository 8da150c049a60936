#include <gtest/gtest.h>

#include "OvSetup/OsRule.h"

namespace {

bool Supports(const OsRule& rule, uint32_t major, uint32_t minor, uint32_t build, bool is64 = true)
{
    return rule.IsSupported({major, minor, build}, is64);
}

} // namespace

TEST(OsRule, ListsOfVersions)
{
    OsRule rule;
    ASSERT_TRUE(rule.Parse(L"", L"", L""));
    EXPECT_TRUE(Supports(rule, 5, 1, 2600));  // no rule: everything

    ASSERT_TRUE(rule.Parse(L" 6.1, 10.0.17763 ", L"", L"any"));
    EXPECT_TRUE(Supports(rule, 6, 1, 7601));
    EXPECT_FALSE(Supports(rule, 6, 2, 9200));
    EXPECT_FALSE(Supports(rule, 10, 0, 17134));
    EXPECT_TRUE(Supports(rule, 10, 0, 17763));
    EXPECT_TRUE(Supports(rule, 10, 0, 22631));
    EXPECT_FALSE(Supports(rule, 11, 0, 1));

    ASSERT_TRUE(rule.Parse(L"6.1+", L"10.0.22000+", L""));
    EXPECT_FALSE(Supports(rule, 6, 0, 6002));
    EXPECT_TRUE(Supports(rule, 6, 1, 0));
    EXPECT_TRUE(Supports(rule, 6, 3, 9600));
    EXPECT_TRUE(Supports(rule, 10, 0, 19045));
    EXPECT_FALSE(Supports(rule, 10, 0, 22000));
    EXPECT_FALSE(Supports(rule, 10, 1, 0));

    ASSERT_TRUE(rule.Parse(L"", L"6.1", L"X64"));
    EXPECT_FALSE(Supports(rule, 6, 1, 7601));
    EXPECT_TRUE(Supports(rule, 10, 0, 1));
    EXPECT_FALSE(Supports(rule, 10, 0, 1, false));
    ASSERT_TRUE(rule.Parse(L",,6.2,", L"", L"x86"));
    EXPECT_TRUE(Supports(rule, 6, 2, 9200, false));
    EXPECT_FALSE(Supports(rule, 6, 2, 9200, true));
}

TEST(OsRule, UnreadableRulesSupportNothing)
{
    OsRule rule;
    for (const wchar_t* bad : {L"6", L"6.", L"6.1.", L"6.1++", L"win7", L"6.1 7601", L"1234567890.0", L"-6.1"}) {
        EXPECT_FALSE(rule.Parse(bad, L"", L"")) << bad;
        EXPECT_FALSE(Supports(rule, 6, 1, 7601)) << bad;
        EXPECT_FALSE(rule.Problem().empty());
    }
    EXPECT_FALSE(rule.Parse(L"6.1", L"7..0", L""));
    EXPECT_FALSE(rule.Parse(L"6.1", L"", L"arm"));
    EXPECT_EQ(rule.Problem(), L"arm");
    EXPECT_FALSE(Supports(rule, 6, 1, 7601));
}
