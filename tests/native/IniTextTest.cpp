#include <gtest/gtest.h>

#include "services/IniText.h"

TEST(IniText, NamesValuesAndDuplicates)
{
    IniText ini;
    ini.Parse(L"top=1\r\n[ A ]\r\n[Sec]\r\n  Key  =  value  \r\nkey=second\r\nnovalue\r\n;c=1\r\n[sec]\r\nother=x\r\n"
              L"[B]\rq=\"quoted\"\rr='x\"\rs=\"\r[Broken\nafter=2");
    EXPECT_EQ(ini.GetString(L"", L"top", L"", 1024), L"1");
    EXPECT_EQ(ini.GetString(L"SEC", L" key ", L"", 1024), L"value");
    EXPECT_EQ(ini.GetString(L"sec", L"other", L"d", 1024), L"d"); // only the first [Sec] is searched
    EXPECT_EQ(ini.GetString(L"Sec", L"novalue", L"d", 1024), L"d");
    EXPECT_EQ(ini.GetString(L"Sec", L";c", L"", 1024), L"1");
    EXPECT_EQ(ini.GetString(L" A ", L"x", L"dflt  ", 1024), L"dflt");
    EXPECT_EQ(ini.GetString(L"A", L"x", L" ", 1024), L" ");
    EXPECT_EQ(ini.GetString(L"B", L"q", L"", 1024), L"quoted");
    EXPECT_EQ(ini.GetString(L"B", L"r", L"", 1024), L"'x\"");
    EXPECT_EQ(ini.GetString(L"B", L"s", L"", 1024), L"\"");
    EXPECT_EQ(ini.GetString(L"B", L"[Broken", L"d", 1024), L"d");
    EXPECT_EQ(ini.GetString(L"B", L"after", L"", 1024), L"2");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::wstring>{L"A", L"Sec", L"sec", L"B"}));
    EXPECT_EQ(ini.KeyNames(L" b "), (std::vector<std::wstring>{L"q", L"r", L"s", L"[Broken", L"after"}));
    EXPECT_TRUE(ini.KeyNames(L"missing").empty());
}

TEST(IniText, BufferCutsAndIntegers)
{
    IniText ini;
    ini.Parse(L"[L]\nv=" + std::wstring(1500, L'x') + L"\nq=\"" + std::wstring(1023, L'y') + L"\"\n"
              L"[I]\na=42\nb=-5\nc=0x1F\nd=12abc\ne=abc\nf=4294967295\ng=\nh=0b11\n");
    EXPECT_EQ(ini.GetString(L"L", L"v", L"", 1024).size(), 1023u);
    // The closing quote is beyond the buffer: one more character goes.
    EXPECT_EQ(ini.GetString(L"L", L"q", L"", 1024), std::wstring(1022, L'y'));
    EXPECT_EQ(ini.GetInt(L"I", L"a", 0), 42);
    EXPECT_EQ(ini.GetInt(L"I", L"b", 0), -5);
    EXPECT_EQ(ini.GetInt(L"I", L"c", 0), 31);
    EXPECT_EQ(ini.GetInt(L"I", L"d", 0), 12);
    EXPECT_EQ(ini.GetInt(L"I", L"e", 7), 0);
    EXPECT_EQ(ini.GetInt(L"I", L"f", 0), -1);
    EXPECT_EQ(ini.GetInt(L"I", L"g", 999), 999);
    EXPECT_EQ(ini.GetInt(L"I", L"h", 0), 3);
    EXPECT_EQ(ini.GetInt(L"I", L"missing", 16), 16);
}

TEST(IniText, Encodings)
{
    size_t bom = 0;
    const uint8_t le[] = {0xFF, 0xFE, '[', 0, 'A', 0, ']', 0, 'x'};
    EXPECT_EQ(IniText::DetectEncoding(le, sizeof(le), bom), IniText::Encoding::Utf16Le);
    EXPECT_EQ(bom, 2u);
    EXPECT_EQ(IniText::FromUtf16(le + 2, sizeof(le) - 2, false), L"[A]");
    const uint8_t be[] = {0xFE, 0xFF, 0, 'k'};
    EXPECT_EQ(IniText::DetectEncoding(be, sizeof(be), bom), IniText::Encoding::Utf16Be);
    EXPECT_EQ(IniText::FromUtf16(be + 2, 2, true), L"k");
    const uint8_t u8[] = {0xEF, 0xBB, 0xBF, 'a'};
    EXPECT_EQ(IniText::DetectEncoding(u8, sizeof(u8), bom), IniText::Encoding::Utf8);
    EXPECT_EQ(bom, 3u);
    EXPECT_EQ(IniText::DetectEncoding(u8 + 3, 1, bom), IniText::Encoding::Ansi);
    EXPECT_EQ(bom, 0u);
}
