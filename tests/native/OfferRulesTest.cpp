#include <gtest/gtest.h>

#include <climits>

#include "config/OfferRules.h"
#include "services/PathText.h"

using namespace OfferRules;

TEST(OfferRules, EntrySectionsAndButtonRules)
{
    EXPECT_TRUE(IsEntrySection(L"Item1"));
    EXPECT_TRUE(IsEntrySection(L"ITEM"));
    EXPECT_TRUE(IsEntrySection(L"item12"));
    EXPECT_FALSE(IsEntrySection(L"Banner"));
    EXPECT_FALSE(IsEntrySection(L"Zeta"));
    EXPECT_FALSE(IsEntrySection(L"Ite"));
    EXPECT_FALSE(IsEntrySection(L""));

    EXPECT_EQ(ParseButtonRule(L"ByDynamic"), ButtonRule::ByDynamic);
    EXPECT_EQ(ParseButtonRule(L"ByScript"), ButtonRule::ByScript);
    EXPECT_EQ(ParseButtonRule(L"byscript"), ButtonRule::Always);
    EXPECT_EQ(ParseButtonRule(L"BYDYNAMIC"), ButtonRule::Always);
    EXPECT_EQ(ParseButtonRule(L""), ButtonRule::Always);
}

TEST(OfferRules, PathsAndSearchText)
{
    EXPECT_EQ(SingleBackslashes(L"C:\\disc\\Ad\\Special\\\\OvraSetup.exe"), L"C:\\disc\\Ad\\Special\\OvraSetup.exe");
    EXPECT_EQ(SingleBackslashes(L"C:\\a\\\\\\\\b"), L"C:\\a\\b");
    // A network disc keeps its leading pair.
    EXPECT_EQ(SingleBackslashes(L"\\\\server\\disc\\\\x.exe"), L"\\\\server\\disc\\x.exe");
    EXPECT_EQ(SingleBackslashes(L""), L"");

    EXPECT_EQ(ScriptSearchText(L"..\\..\\Utilities\\\\GoogleChrome"), L"Utilities\\GoogleChrome");
    EXPECT_EQ(ScriptSearchText(L"..\\\\Tools\\..\\x"), L"Tools\\x");
    EXPECT_EQ(ScriptSearchText(L"...\\a"), L".a");
    EXPECT_EQ(ScriptSearchText(L"Plain"), L"Plain");
}

TEST(OfferRules, TimesAndNames)
{
    EXPECT_EQ(DisplayTimeMs(5), 5000);
    EXPECT_EQ(DisplayTimeMs(0), 0);
    EXPECT_EQ(DisplayTimeMs(-3), -3000);
    EXPECT_EQ(DisplayTimeMs(INT_MAX), INT32_MAX);
    EXPECT_EQ(DisplayTimeMs(INT_MIN), INT32_MIN);
    EXPECT_EQ(DisplayTimeMs(2147483), 2147483000);
    EXPECT_EQ(DisplayTimeMs(2147484), INT32_MAX);

    EXPECT_TRUE(IsWebAddress(L"https://example.com"));
    EXPECT_TRUE(IsWebAddress(L"hTtP://x"));
    EXPECT_TRUE(IsWebAddress(L"Readme_http.txt"));
    EXPECT_FALSE(IsWebAddress(L"Readme.txt"));

    EXPECT_TRUE(IsOfferLicence(L"GoogleChrome"));
    EXPECT_TRUE(IsOfferLicence(L"my_gOOgle"));
    EXPECT_FALSE(IsOfferLicence(L"Goog"));
    EXPECT_FALSE(IsOfferLicence(L""));
}
