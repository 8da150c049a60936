#include <gtest/gtest.h>

#include <windows.h>

#include "TestPaths.h"
#include "services/CFileVersionInfo.h"

namespace {

std::wstring Fixture(const wchar_t* name)
{
    return TestExeFolder() + name;
}

} // namespace

TEST(CFileVersionInfo, NumericFileVersionAndEnglishStrings)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll"), 0x0409));
    // The string FileVersion says "1, 2, 3, 4"; the fixed block wins.
    EXPECT_EQ(info.GetFileVersion(), L"1.2.3.4");
    EXPECT_EQ(info.GetFixedFileInfo().dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(info.GetFixedFileInfo().dwFileVersionLS, 0x00030004u);
    EXPECT_EQ(info.GetFixedFileInfo().dwProductVersionMS, 0x00050006u);
    EXPECT_EQ(info.GetFixedFileInfo().dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.GetProductVersion(), L"5.6 English");
    EXPECT_EQ(info.GetCompanyName(), L"Fixture Works");
    EXPECT_EQ(info.GetFileDescription(), L"Two-language fixture");
    EXPECT_EQ(info.GetInternalName(), L"verinfo_twolang");
    EXPECT_EQ(info.GetLegalCopyright(), L"(c) Fixture Works");
    EXPECT_EQ(info.GetOriginalFileName(), L"verinfo_twolang.dll");
    EXPECT_EQ(info.GetProductName(), L"Fixture Suite");
    EXPECT_EQ(info.GetComments(), L"english comments");
    EXPECT_EQ(info.GetLegalTrademarks(), L"FW");
    EXPECT_EQ(info.GetPrivateBuild(), L"private-en");
    EXPECT_EQ(info.GetSpecialBuild(), L"special-en");
}

TEST(CFileVersionInfo, StringBlockFollowsTheUserLanguage)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll"), 0x0411));
    EXPECT_EQ(info.GetCompanyName(), L"Fixture Works KK");
    EXPECT_EQ(info.GetProductVersion(), L"5.6 Japanese");
    EXPECT_EQ(info.GetFileDescription(), L"");  // the Japanese block has none
    EXPECT_EQ(info.GetFileVersion(), L"1.2.3.4");

    // Another Japanese sublanguage matches by its primary byte.
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll"), 0x0811));
    EXPECT_EQ(info.GetProductVersion(), L"5.6 Japanese");

    // German: no neutral block, so English.
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll"), 0x0407));
    EXPECT_EQ(info.GetProductVersion(), L"5.6 English");
    EXPECT_EQ(info.GetFileDescription(), L"Two-language fixture");

    // The user's own language: whatever it is, a block is read.
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll")));
    EXPECT_FALSE(info.GetProductVersion().empty());
}

TEST(CFileVersionInfo, ResourceWithoutTranslationList)
{
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_notrans.dll"), 0x0407));
    EXPECT_EQ(info.GetFileVersion(), L"10.0.65535.7");
    EXPECT_EQ(info.GetCompanyName(), L"No List Inc");
    EXPECT_EQ(info.GetProductVersion(), L"10.0 beta");
}

TEST(CFileVersionInfo, FilesWithoutResourceGiveFalseAndEmptyFields)
{
    const std::wstring folder = FreshTempFolder(L"dez_verinfo");
    const std::wstring text = folder + L"plain.txt";
    ASSERT_TRUE(WriteTestFile(text, std::string("no resource here")));

    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(Fixture(L"verinfo_twolang.dll"), 0x0409));
    EXPECT_FALSE(info.Create(text));
    EXPECT_EQ(info.GetFileVersion(), L"");
    EXPECT_EQ(info.GetCompanyName(), L"");
    EXPECT_EQ(info.GetProductVersion(), L"");
    EXPECT_EQ(info.GetFixedFileInfo().dwFileVersionMS, 0u);
    EXPECT_EQ(info.GetFixedFileInfo().dwSignature, 0u);

    EXPECT_FALSE(info.Create(folder + L"missing.dll"));
    EXPECT_FALSE(info.Create(L""));
    EXPECT_EQ(info.GetProductVersion(), L"");
    DeleteFileW(text.c_str());
}
