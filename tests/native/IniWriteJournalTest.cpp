#include <gtest/gtest.h>

#include <array>

#include "services/IniText.h"
#include "services/IniWriteJournal.h"

namespace {

std::wstring Applied(const std::wstring& text, std::initializer_list<std::array<const wchar_t*, 3>> writes)
{
    IniWriteJournal journal;
    for (const auto& w : writes)
        journal.Set(w[0], w[1], w[2]);
    return journal.Apply(text);
}

} // namespace

TEST(IniWriteJournal, PutsKeysWhereTheSystemWritePutsThem)
{
    // The first key of the first section of the name is replaced, line end kept.
    EXPECT_EQ(Applied(L"[A]\r\nk = old \r\nk=dup\r\n[a]\r\nk=second\n", {{L"a", L"K", L"new"}}),
              L"[A]\r\nK=new\r\nk=dup\r\n[a]\r\nk=second\n");
    // A missing key goes after the section's last line, before blank lines.
    EXPECT_EQ(Applied(L"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", {{L"A", L"z", L"3"}, {L"B", L"w", L"4"}}),
              L"[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n");
    // No line end at the end of the file; a new section at the end.
    EXPECT_EQ(Applied(L"[A]\r\nx=1", {{L"A", L"y", L"2"}, {L"New", L"n", L"v"}}),
              L"[A]\r\nx=1\r\ny=2\r\n[New]\r\nn=v\r\n");
    EXPECT_EQ(Applied(L"", {{L" S ", L" key ", L"v"}}), L"[S]\r\nkey=v\r\n");
    // Keys before the first header belong to the nameless section.
    EXPECT_EQ(Applied(L"top=1\r\n[A]\r\n", {{L"", L"top", L"2"}, {L"", L"more", L"3"}}),
              L"top=2\r\nmore=3\r\n[A]\r\n");
    // Writes to one key coalesce, the last value wins; case does not matter.
    EXPECT_EQ(Applied(L"[A]\r\n", {{L"A", L"k", L"1"}, {L"a", L"K", L"2"}}), L"[A]\r\nk=2\r\n");
    // CR-only files, header-looking keys without "]", comments untouched.
    EXPECT_EQ(Applied(L"[R]\rone=1\r;c=2\r[Broken\r", {{L"R", L"[Broken", L"x"}, {L"R", L";c", L"3"}}),
              L"[R]\rone=1\r;c=3\r[Broken=x\r");
}

TEST(IniWriteJournal, EveryWriteReadsBackAndOtherKeysStay)
{
    const std::wstring text = L"; head\r\n[Main]\r\nA=1\r\nB = \"two\"\r\n[Other]\r\nA=x\r\n[MAIN]\r\nC=hidden\r\n";
    IniText before;
    before.Parse(text);
    IniWriteJournal journal;
    journal.Set(L"main", L"b", L"2");
    journal.Set(L"Main", L"C", L"3");
    journal.Set(L"Third", L"Z", L"26");
    IniText after;
    after.Parse(journal.Apply(text));
    EXPECT_EQ(after.GetString(L"Main", L"B", L"", 64), L"2");
    EXPECT_EQ(after.GetString(L"Main", L"C", L"", 64), L"3");
    EXPECT_EQ(after.GetString(L"Third", L"z", L"", 64), L"26");
    EXPECT_EQ(after.GetString(L"Main", L"A", L"", 64), before.GetString(L"Main", L"A", L"", 64));
    EXPECT_EQ(after.GetString(L"Other", L"A", L"", 64), L"x");
    EXPECT_EQ(after.SectionNames(), (std::vector<std::wstring>{L"Main", L"Other", L"MAIN", L"Third"}));
    EXPECT_TRUE(IniWriteJournal().Apply(text) == text);
}
