#include <gtest/gtest.h>

#include "engine/ItemStatus.h"
#include "engine/VersionText.h"

TEST(ItemStatus, RuleCases)
{
    EXPECT_EQ(StatusOfVersions(L"2.0", L"2.0"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"1.9.9", L"2.0"), ItemStatus::Outdated);
    EXPECT_EQ(StatusOfVersions(L"  3 \t", L""), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"", L""), ItemStatus::None);
    EXPECT_EQ(StatusOfVersions(L" \r\n", L"  "), ItemStatus::None);
    EXPECT_EQ(StatusOfVersions(L"", L"1.0"), ItemStatus::NotInstalled);
    EXPECT_EQ(StatusOfVersions(L"\v\f", L"1.0"), ItemStatus::NotInstalled);
    EXPECT_EQ(StatusOfVersions(L"1.2", L"1.2.0"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"1.10", L"1.9"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"abc", L"1.0"), ItemStatus::Outdated);
    EXPECT_EQ(StatusOfVersions(L"1.2.0.1", L"1.2"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"1.2", L"1.2.0.1"), ItemStatus::Outdated);
}

TEST(ItemStatus, PartsStopAtFirstEmptyPartAndAtNine)
{
    // "1..5" is one part, so it equals 1 and is older than 1.0.1.
    EXPECT_EQ(StatusOfVersions(L"1..5", L"1.0.1"), ItemStatus::Outdated);
    EXPECT_EQ(StatusOfVersions(L"1..5", L"1"), ItemStatus::Updated);
    // Only nine parts count: the tenth differs but is ignored.
    EXPECT_EQ(StatusOfVersions(L"1.1.1.1.1.1.1.1.1.1", L"1.1.1.1.1.1.1.1.1.9"), ItemStatus::Updated);
    // Parts are trimmed and read by their leading digits, sign allowed.
    EXPECT_EQ(StatusOfVersions(L"1. 7b.x", L"1.7"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"1.-1", L"1"), ItemStatus::Outdated);
    // A leading dot leaves no part at all: equal to everything of zeros only.
    EXPECT_EQ(StatusOfVersions(L".5", L"0.0"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L".5", L"0.1"), ItemStatus::Outdated);
    // Huge parts neither overflow nor wrap.
    EXPECT_EQ(StatusOfVersions(L"99999999999999999999999", L"1"), ItemStatus::Updated);
    EXPECT_EQ(StatusOfVersions(L"-99999999999999999999999", L"1"), ItemStatus::Outdated);
}

TEST(ItemStatus, ShownTexts)
{
    EXPECT_STREQ(ItemStatusText(ItemStatus::Outdated), L"Outdated");
    EXPECT_STREQ(ItemStatusText(ItemStatus::NotInstalled), L"Not installed");
    EXPECT_STREQ(ItemStatusText(ItemStatus::Updated), L"Updated");
    EXPECT_STREQ(ItemStatusText(ItemStatus::None), L"None");
    EXPECT_EQ(static_cast<int>(ItemStatus::Outdated), 1);
    EXPECT_EQ(static_cast<int>(ItemStatus::NotInstalled), 2);
    EXPECT_EQ(static_cast<int>(ItemStatus::Updated), 5);
    EXPECT_EQ(static_cast<int>(ItemStatus::None), 7);
}
