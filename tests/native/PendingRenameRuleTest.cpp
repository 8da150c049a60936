#include <gtest/gtest.h>

#include <set>

#include "probes/PendingRenameRule.h"

namespace {

std::vector<std::wstring> Split(const std::wstring& raw)
{
    return PendingRenameRule::SplitMultiString(raw.data(), raw.size());
}

} // namespace

TEST(PendingRenameRule, SplitsTheValueAndKeepsEmptyDestinations)
{
    using namespace std::string_literals;
    // A delete (empty destination), then a rename, then the list's end.
    EXPECT_EQ(Split(L"\\??\\C:\\a.tmp\0\0\\??\\C:\\b.new\0!\\??\\C:\\b.dll\0\0"s),
              (std::vector<std::wstring>{L"\\??\\C:\\a.tmp", L"", L"\\??\\C:\\b.new", L"!\\??\\C:\\b.dll"}));
    EXPECT_EQ(Split(L"\\??\\C:\\a.tmp\0\0\0"s), (std::vector<std::wstring>{L"\\??\\C:\\a.tmp", L""}));
    // Without any terminator, and empty.
    EXPECT_EQ(Split(L"\\??\\C:\\a.tmp"s), (std::vector<std::wstring>{L"\\??\\C:\\a.tmp"}));
    EXPECT_TRUE(Split(L""s).empty());
    EXPECT_TRUE(PendingRenameRule::SplitMultiString(nullptr, 4).empty());
}

TEST(PendingRenameRule, CountsOnlyEntriesWhoseSourceStillExists)
{
    using namespace std::string_literals;
    const auto values = Split(L"\\??\\C:\\gone.tmp\0\0\\??\\C:\\Windows\\new.sys\0!\\??\\C:\\Windows\\old.sys\0"
                              L"\0\0C:\\plain.dll\0\0"s);
    EXPECT_EQ(PendingRenameRule::Sources(values),
              (std::vector<std::wstring>{L"C:\\gone.tmp", L"C:\\Windows\\new.sys", L"C:\\plain.dll"}));

    std::set<std::wstring> disk;
    std::vector<std::wstring> asked;
    auto exists = [&](const std::wstring& path) {
        asked.push_back(path);
        return disk.count(path) > 0;
    };
    // Stale: none of the sources is there any more, and the destination of
    // a rename is never taken for a source.
    disk = {L"C:\\Windows\\old.sys"};
    EXPECT_EQ(PendingRenameRule::FirstLiveSource(values, exists), L"");
    EXPECT_EQ(asked.size(), 3u);
    disk = {L"C:\\plain.dll"};
    EXPECT_EQ(PendingRenameRule::FirstLiveSource(values, exists), L"C:\\plain.dll");
    disk = {L"C:\\Windows\\new.sys", L"C:\\plain.dll"};
    EXPECT_EQ(PendingRenameRule::FirstLiveSource(values, exists), L"C:\\Windows\\new.sys");
}
