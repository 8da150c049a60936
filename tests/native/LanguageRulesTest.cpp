#include <gtest/gtest.h>

#include "VeVirodOvuz/LangChoice.h"
#include "config/LanguageRules.h"

#include <set>

TEST(LanguageRules, CharsetTable)
{
    EXPECT_EQ(CharsetForLanguageName("Japanese"), 128);
    EXPECT_EQ(CharsetForLanguageName("JAPANESE"), 128);
    EXPECT_EQ(CharsetForLanguageName("Russian"), 204);
    EXPECT_EQ(CharsetForLanguageName("thai"), 222);
    EXPECT_EQ(CharsetForLanguageName("Turkish"), 162);
    EXPECT_EQ(CharsetForLanguageName("Arabic"), 178);
    EXPECT_EQ(CharsetForLanguageName("korean"), 130);
    EXPECT_EQ(CharsetForLanguageName("German"), 1);
    EXPECT_EQ(CharsetForLanguageName(""), 1);
    EXPECT_EQ(CharsetForLanguageName("Japanese "), 1);
    EXPECT_EQ(CharsetForLanguageName("Japan"), 1);
}

TEST(LanguageRules, LocalizedCandidates)
{
    const auto c = LocalizedFileCandidates(L"C:\\d\\", L"_eula.txt", 0x0c0a);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0], L"C:\\d\\0c0a_eula.txt");
    EXPECT_EQ(c[1], L"C:\\d\\XX0a_eula.txt");
    EXPECT_EQ(c[2], L"C:\\d\\XX09_eula.txt");
    const auto en = LocalizedFileCandidates(L"", L".rtf", 0x0409);
    EXPECT_EQ(en[0], L"0409.rtf");
    EXPECT_EQ(en[1], L"XX09.rtf");
    EXPECT_EQ(LocalizedFileCandidates(L"p", L"", 0xFFFF)[0], L"pffff");
}

TEST(LanguageRules, TrailingBlanksOfTheEnglishTextSurviveAMiss)
{
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"Time remaining: ", L"Time remaining:"), L"Time remaining: ");
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"Tab\t \t", L"Tab"), L"Tab\t \t");
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"Time remaining: ", L"Restzeit:"), L"Restzeit:");
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"Plain", L"Plain"), L"Plain");
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"Plain", L"Schlicht"), L"Schlicht");
    EXPECT_EQ(RestoreTrailingBlanks<wchar_t>(L"   ", L""), L"   ");
    EXPECT_EQ(RestoreTrailingBlanks<char>("a ", "b"), "b");
}

TEST(LangChoice, NamesForLanguageIds)
{
    EXPECT_EQ(LanguageNameForLangId(0x0409), "English");
    EXPECT_EQ(LanguageNameForLangId(0x0809), "English");
    EXPECT_EQ(LanguageNameForLangId(0x0407), "German");
    EXPECT_EQ(LanguageNameForLangId(0x0C07), "German");
    EXPECT_EQ(LanguageNameForLangId(0x0411), "Japanese");
    EXPECT_EQ(LanguageNameForLangId(0x0412), "Korean");
    EXPECT_EQ(LanguageNameForLangId(0x040C), "French");
    EXPECT_EQ(LanguageNameForLangId(0x0404), "TChinese");
    EXPECT_EQ(LanguageNameForLangId(0x0C04), "TChinese");
    EXPECT_EQ(LanguageNameForLangId(0x0804), "SChinese");
    EXPECT_EQ(LanguageNameForLangId(0x1004), "SChinese");
    EXPECT_EQ(LanguageNameForLangId(0x0000), "");
    EXPECT_EQ(LanguageNameForLangId(0x0436), "");  // Afrikaans: no name
}

TEST(LangChoice, ForcedThenSystemThenEnglish)
{
    std::set<std::string> files;
    auto has = [&](const std::string& n) {
        for (const std::string& f : files)
            if (EqualsNoCaseAscii(f, n))
                return true;
        return false;
    };
    files = {"English", "German", "Japanese"};
    EXPECT_EQ(ChooseLanguageName("", 0x0411, has), "Japanese");
    EXPECT_EQ(ChooseLanguageName("German", 0x0411, has), "German");
    EXPECT_EQ(ChooseLanguageName("german", 0x0411, has), "German");  // known names keep their spelling
    EXPECT_EQ(ChooseLanguageName("French", 0x0411, has), "Japanese"); // forced file missing
    EXPECT_EQ(ChooseLanguageName("", 0x040C, has), "English");        // system file missing
    EXPECT_EQ(ChooseLanguageName("", 0x0436, has), "English");        // no name for it
    EXPECT_EQ(ChooseLanguageName("..\\German", 0x0409, has), "English");
    files = {"Klingon"};
    EXPECT_EQ(ChooseLanguageName("Klingon", 0x0409, has), "Klingon");
    EXPECT_EQ(ChooseLanguageName("Kling.on", 0x0409, has), "English");
    EXPECT_EQ(ChooseLanguageName(std::string(70, 'K'), 0x0409, [](const std::string&) { return true; }), "English");
    files = {};
    EXPECT_EQ(ChooseLanguageName("German", 0x0407, has), "English");
}

TEST(LangChoice, LanguageFileNames)
{
    EXPECT_TRUE(IsLanguageFileName("Japanese.ini"));
    EXPECT_TRUE(IsLanguageFileName("C:\\disc\\LangFiles\\german.INI"));
    EXPECT_TRUE(IsLanguageFileName("LangFiles/SChinese.ini"));
    EXPECT_FALSE(IsLanguageFileName("LangSelect.ini"));
    EXPECT_FALSE(IsLanguageFileName("Japanese.txt"));
    EXPECT_FALSE(IsLanguageFileName(".ini"));
    EXPECT_FALSE(IsLanguageFileName(""));
    EXPECT_FALSE(IsLanguageFileName("Japanese.ini\\"));
}

TEST(LangChoice, TranslatedFormatsMustTakeTheSameArguments)
{
    EXPECT_TRUE(SameFormatSpecifiers("%d of %d items", "%d von %d Elementen"));
    EXPECT_TRUE(SameFormatSpecifiers("100%% done: %s", "%s: 100%% fertig"));
    EXPECT_TRUE(SameFormatSpecifiers("no args", "keine"));
    EXPECT_TRUE(SameFormatSpecifiers("%-5.2f", "%-5.2f"));
    EXPECT_FALSE(SameFormatSpecifiers("%d items", "%s Elemente"));
    EXPECT_FALSE(SameFormatSpecifiers("%d items", "%d %d"));
    EXPECT_FALSE(SameFormatSpecifiers("%d", "%ld"));
    EXPECT_FALSE(SameFormatSpecifiers("%s", "%s%n"));
    EXPECT_FALSE(SameFormatSpecifiers("%s", "%s %"));
    EXPECT_FALSE(SameFormatSpecifiers("%d", "%5"));
}
