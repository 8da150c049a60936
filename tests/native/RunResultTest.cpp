#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "session/RunResultJson.h"
#include "session/RunVerdict.h"
#include "session/Utf8Text.h"

namespace {

ItemResult Ran(int number, unsigned long code)
{
    ItemResult item;
    item.number = number;
    item.title = L"Item " + std::to_wstring(number);
    item.selected = true;
    item.ran = true;
    item.exitKnown = true;
    item.exitCode = code;
    return item;
}

ItemResult NotStarted(int number, const wchar_t* reason)
{
    ItemResult item = Ran(number, 0);
    item.ran = false;
    item.exitKnown = false;
    item.reason = reason;
    return item;
}

RunResult Items(std::vector<ItemResult> items)
{
    RunResult run;
    run.items = std::move(items);
    return run;
}

int ExitOf(RunResult run)
{
    RunVerdict::Decide(run);
    return run.exitCode;
}

} // namespace

// The exit code table: failures win over a restart, a restart over success;
// the check's verdict counts; what could not start stays not-started.
TEST(RunVerdict, ExitCodesOfTheTable)
{
    EXPECT_EQ(ExitOf(Items({})), 0) << "nothing to install";
    EXPECT_EQ(ExitOf(Items({Ran(1, 0), Ran(2, 0)})), 0);
    EXPECT_EQ(ExitOf(Items({Ran(1, 0), Ran(2, 1603)})), 1);
    EXPECT_EQ(ExitOf(Items({Ran(1, 0), NotStarted(2, L"not-started")})), 1);
    EXPECT_EQ(ExitOf(Items({NotStarted(1, L"timeout")})), 1);
    EXPECT_EQ(ExitOf(Items({NotStarted(1, L"damaged")})), 1);
    ItemResult stillRunning = NotStarted(1, L"still-running");
    stillRunning.ran = true;
    EXPECT_EQ(ExitOf(Items({stillRunning})), 0) << "a finish by time-out on purpose";
    ItemResult restart = Ran(1, 3010);
    restart.restartRequested = true;
    EXPECT_EQ(ExitOf(Items({restart, Ran(2, 1641)})), 3010);
    EXPECT_EQ(ExitOf(Items({restart, Ran(2, 5)})), 1);
    ItemResult unselected = NotStarted(3, L"not-selected");
    unselected.selected = false;
    EXPECT_EQ(ExitOf(Items({Ran(1, 0), unselected})), 0) << "an item left unticked is no failure";

    RunResult checked = Items({Ran(1, 0)});
    checked.checkRan = true;
    EXPECT_EQ(ExitOf(checked), 1) << "check FAILED";
    checked.checkPassed = true;
    EXPECT_EQ(ExitOf(checked), 0);
    RunResult continued = Items({Ran(1, 0)});
    continued.continuationRegistered = true;
    EXPECT_EQ(ExitOf(continued), 3010);
    RunResult broken = Items({Ran(1, 0)});
    broken.notStartedReason = L"configuration";
    RunVerdict::Decide(broken);
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_STREQ(RunVerdict::OutcomeName(broken.outcome), L"not-started");
}

// Whatever a title holds (quotes, backslashes, control characters, any
// Unicode, broken surrogates), the file is valid JSON and reads back.
TEST(RunResultJson, HostileTitlesStayValidJson)
{
    const std::wstring hostile[] = {
        L"Quote \" and \\ backslash",
        std::wstring(L"Controls \x01\x1f\t\r\n end"),
        L"\u00c4rger \u4e2d\u6587 \u0414\u0440\u0430\u0439\u0432\u0435\u0440",
        L"Emoji \U0001F600 beyond the plane",
        std::wstring(L"Nul ") + L'\0' + L" inside",
        L"</script><!-- {\"items\":[]} -->",
    };
    RunResult run;
    run.discTitle = L"Disc \"Z\u00fcrich\"";
    run.runMode = 0x400 | 0x800 | 3;
    run.startTime = RunVerdict::IsoTime(2026, 12, 11, 9, 5, 7);
    int number = 1;
    for (const std::wstring& title : hostile) {
        ItemResult item = Ran(number++, 0);
        item.title = title;
        item.catalogVersion = L"1.0";
        run.items.push_back(item);
    }
    RunVerdict::Decide(run);
    const std::string text = RunResultJson::Write(run);
    const nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
    ASSERT_FALSE(parsed.is_discarded()) << text;
    EXPECT_EQ(parsed["startTime"], "2026-12-11T09:05:07Z");
    EXPECT_EQ(parsed["outcome"], "success");
    EXPECT_EQ(parsed["runMode"], 0xC03);
    EXPECT_EQ(parsed["items"][2]["title"], "\xC3\x84rger \xE4\xB8\xAD\xE6\x96\x87 \xD0\x94\xD1\x80\xD0\xB0\xD0\xB9\xD0\xB2\xD0\xB5\xD1\x80");
    EXPECT_EQ(parsed["items"][3]["title"], "Emoji \xF0\x9F\x98\x80 beyond the plane");

    RunResult back;
    ASSERT_TRUE(RunResultJson::Read(text, back));
    EXPECT_EQ(back.discTitle, run.discTitle);
    ASSERT_EQ(back.items.size(), run.items.size());
    for (size_t i = 0; i < run.items.size(); ++i)
        EXPECT_EQ(back.items[i].title, run.items[i].title) << i;
    EXPECT_EQ(back.outcome, RunOutcome::Success);

    RunResult untouched;
    untouched.discTitle = L"kept";
    EXPECT_FALSE(RunResultJson::Read("{\"items\": [", untouched));
    EXPECT_FALSE(RunResultJson::Read("[1, 2]", untouched));
    EXPECT_EQ(untouched.discTitle, L"kept");
}

TEST(Utf8Text, SurrogatesAndBadBytesBecomeReplacements)
{
    if constexpr (sizeof(wchar_t) == 2) {
        EXPECT_EQ(Utf8Text::FromWide(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
    }
    EXPECT_EQ(Utf8Text::FromWide(L"a\u00e9"), "a\xC3\xA9");
    EXPECT_EQ(Utf8Text::ToWide("a\xC3\xA9"), L"a\u00e9");
    EXPECT_EQ(Utf8Text::ToWide("\xF0\x9F\x98\x80"), L"\U0001F600");
    EXPECT_EQ(Utf8Text::ToWide("x\xC0\xAFy"), L"x\uFFFD\uFFFDy") << "over-long";
    EXPECT_EQ(Utf8Text::ToWide("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD") << "an encoded surrogate";
    EXPECT_EQ(Utf8Text::ToWide("cut \xE4\xB8"), L"cut \uFFFD\uFFFD");
}

// A continued run tells the whole run: what ran before the restart comes
// back from the earlier file, the machine's versions are today's.
TEST(RunVerdict, ContinuedRunCarriesTheEarlierPart)
{
    RunResult earlier = Items({Ran(1, 3010), Ran(2, 0)});
    earlier.startTime = L"2026-12-11T08:00:00Z";
    earlier.restartPendingBefore = true;
    earlier.items[1].ran = false;
    earlier.items[0].installedBefore = L"0.9";
    RunResult now = Items({Ran(2, 0)});
    ItemResult first;
    first.number = 1;
    first.reason = L"done-before-restart";
    first.installedAfter = L"1.0";
    now.items.insert(now.items.begin(), first);
    now.startTime = L"2026-12-11T08:10:00Z";
    RunVerdict::CarryOver(earlier, now);
    EXPECT_EQ(now.startTime, L"2026-12-11T08:00:00Z");
    EXPECT_TRUE(now.restartPendingBefore);
    EXPECT_TRUE(now.items[0].ran);
    EXPECT_EQ(now.items[0].exitCode, 3010u);
    EXPECT_EQ(now.items[0].installedBefore, L"0.9");
    EXPECT_EQ(now.items[0].installedAfter, L"1.0");
    EXPECT_EQ(now.items[1].exitCode, 0u) << "this part's own run stays";
}
