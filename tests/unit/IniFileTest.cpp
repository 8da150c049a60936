#include <gtest/gtest.h>

#include <windows.h>

#include "TempFolder.h"
#include "services/IniFile.h"
#include "services/IniScrambler.h"

namespace {

// Runs a test with the current directory somewhere else and puts it back.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& folder)
    {
        wchar_t old[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, old);
        m_old = old;
        m_ok = SetCurrentDirectoryW(folder.c_str()) != FALSE;
    }
    ~CurrentDirectory() { SetCurrentDirectoryW(m_old.c_str()); }
    bool Ok() const { return m_ok; }

private:
    std::wstring m_old;
    bool m_ok = false;
};

std::string Scrambled(const std::string& plain)
{
    const auto bytes = IniScrambler::Scramble(reinterpret_cast<const uint8_t*>(plain.data()), plain.size());
    return std::string(bytes.begin(), bytes.end());
}

const std::string kCatalog = "[Setup]\r\nTitle=Board drivers\r\nCount=12\r\n[Other]\r\nNegative=-7\r\n";

} // namespace

TEST(IniFile, PlainFileReadsWritesAndSections)
{
    TempFolder dir(L"ini_plain");
    const std::wstring path = dir / L"plain.ini";
    ASSERT_TRUE(TempFolder::WriteFile(path, kCatalog));

    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    EXPECT_EQ(ini.WorkingPath(), path);
    EXPECT_TRUE(ini.ScrambledPath().empty());
    std::wstring text;
    ini.GetString(L"Setup", L"Title", L"none", text);
    EXPECT_EQ(text, L"Board drivers");
    ini.GetString(L"Setup", L"Missing", L"fallback", text);
    EXPECT_EQ(text, L"fallback");
    int number = 0;
    ini.GetInt(L"Setup", L"Count", 999, number);
    EXPECT_EQ(number, 12);
    ini.GetInt(L"Other", L"Negative", 999, number);
    EXPECT_EQ(number, -7);
    ini.GetInt(L"Other", L"Missing", 999, number);
    EXPECT_EQ(number, 999);

    EXPECT_TRUE(ini.WriteInt(L"Other", L"Minus", -5));
    EXPECT_TRUE(ini.WriteString(L"New", L"Key", L"Value"));
    std::vector<std::wstring> sections;
    ini.GetSectionNames(sections);
    EXPECT_EQ(sections, (std::vector<std::wstring>{L"Setup", L"Other", L"New"}));
    ini.Close();
    EXPECT_FALSE(ini.IsOpen());

    const std::string written = TempFolder::ReadFile(path);
    EXPECT_NE(written.find("Minus=-5"), std::string::npos) << written;
    EXPECT_NE(written.find("[New]"), std::string::npos);

    // A closed accessor answers defaults and refuses writes.
    ini.GetString(L"Setup", L"Title", L"closed", text);
    EXPECT_EQ(text, L"closed");
    EXPECT_FALSE(ini.WriteString(L"Setup", L"Title", L"x"));

    IniFile missing;
    EXPECT_FALSE(missing.Open(dir / L"nothing.ini"));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.Open(dir.Path())); // a folder is not a file
}

TEST(IniFile, LongValuesAreCutAndManySectionsAreListed)
{
    TempFolder dir(L"ini_long");
    const std::wstring path = dir / L"long.ini";
    std::string content = "[Long]\r\nValue=" + std::string(1500, 'x') + "\r\nExact=" + std::string(1023, 'y') + "\r\n";
    // More section names than the first 512-character buffer holds.
    for (int i = 0; i < 80; ++i)
        content += "[Section_number_" + std::to_string(i) + "]\r\nk=v\r\n";
    ASSERT_TRUE(TempFolder::WriteFile(path, content));

    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    std::wstring text;
    ini.GetString(L"Long", L"Value", L"", text);
    EXPECT_EQ(text, std::wstring(1023, L'x'));
    ini.GetString(L"Long", L"Exact", L"", text);
    EXPECT_EQ(text, std::wstring(1023, L'y'));
    std::vector<std::wstring> sections;
    ini.GetSectionNames(sections);
    ASSERT_EQ(sections.size(), 81u);
    EXPECT_EQ(sections.front(), L"Long");
    EXPECT_EQ(sections.back(), L"Section_number_79");
}

TEST(IniFile, ScrambledFileWorksOnAFreshPlainCopy)
{
    TempFolder dir(L"ini_scr");
    TempFolder work(L"ini_scr_cwd");
    CurrentDirectory cwd(work.Path());
    ASSERT_TRUE(cwd.Ok());
    const std::wstring path = dir / L"LayoutCfg.ini";
    const std::string scrambled = Scrambled(kCatalog + "Tail=abc"); // body length not a multiple of 4
    ASSERT_TRUE(TempFolder::WriteFile(path, scrambled));
    // A copy left by an earlier run must not be read.
    ASSERT_TRUE(TempFolder::WriteFile(work / L"LayoutCfg.ini.IAE", "[Setup]\r\nTitle=stale\r\n"));

    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    EXPECT_EQ(ini.ScrambledPath(), path);
    EXPECT_EQ(ini.WorkingPath(), work / L"LayoutCfg.ini.IAE");
    std::wstring text;
    ini.GetString(L"Setup", L"Title", L"", text);
    EXPECT_EQ(text, L"Board drivers");
    ini.GetString(L"Other", L"Tail", L"", text);
    EXPECT_EQ(text, L"abc");
    int number = 0;
    ini.GetInt(L"Setup", L"Count", 0, number);
    EXPECT_EQ(number, 12);

    EXPECT_TRUE(ini.WriteString(L"Setup", L"Title", L"changed"));
    ini.GetString(L"Setup", L"Title", L"", text);
    EXPECT_EQ(text, L"changed");
    ini.Close();
    EXPECT_EQ(TempFolder::ReadFile(path), scrambled) << "the scrambled file must stay as it is";
    EXPECT_NE(TempFolder::ReadFile(work / L"LayoutCfg.ini.IAE").find("Title=changed"), std::string::npos);

    // The next open starts again from the scrambled file.
    ASSERT_TRUE(ini.Open(path));
    ini.GetString(L"Setup", L"Title", L"", text);
    EXPECT_EQ(text, L"Board drivers");
    ini.Close();

    // One changed byte anywhere after the magic: the file does not open.
    for (size_t at : {size_t(2), size_t(5), size_t(6), scrambled.size() - 1}) {
        std::string bad = scrambled;
        bad[at] = static_cast<char>(bad[at] ^ 0x20);
        ASSERT_TRUE(TempFolder::WriteFile(path, bad));
        EXPECT_FALSE(ini.Open(path)) << "changed byte " << at;
        EXPECT_FALSE(ini.IsOpen());
    }
}

TEST(IniFile, TwoAccessorsAndAChangedScrambledFile)
{
    TempFolder dir(L"ini_two");
    TempFolder work(L"ini_two_cwd");
    CurrentDirectory cwd(work.Path());
    ASSERT_TRUE(cwd.Ok());
    const std::wstring path = dir / L"AdCfg.ini";
    ASSERT_TRUE(TempFolder::WriteFile(path, Scrambled("[A]\r\nV=1\r\n")));

    IniFile first;
    IniFile second;
    ASSERT_TRUE(first.Open(path));
    ASSERT_TRUE(second.Open(path));
    std::wstring a;
    std::wstring b;
    first.GetString(L"A", L"V", L"", a);
    second.GetString(L"A", L"V", L"", b);
    EXPECT_EQ(a, L"1");
    EXPECT_EQ(b, L"1");

    // The disc author replaces the file: a new accessor sees the new text at once.
    ASSERT_TRUE(TempFolder::WriteFile(path, Scrambled("[A]\r\nV=2\r\n")));
    IniFile third;
    ASSERT_TRUE(third.Open(path));
    third.GetString(L"A", L"V", L"", b);
    EXPECT_EQ(b, L"2");
    first.Close();
    second.Close();
    third.Close();
    // The copy holds a complete file, never a mix.
    EXPECT_EQ(TempFolder::ReadFile(work / L"AdCfg.ini.IAE"), "[A]\r\nV=2\r\n");
}

TEST(IniFile, ReadOnlyCurrentDirectoryUsesTheTemporaryFolder)
{
    // /proc refuses new files even to root: a real read-only folder under Wine.
    const std::wstring readOnly = L"Z:\\proc\\";
    ASSERT_TRUE(TempFolder::Exists(readOnly)) << "this test needs Wine's Z: drive";
    ASSERT_FALSE(TempFolder::WriteFile(readOnly + L"dez_probe.txt", "x")) << "folder is writable";

    TempFolder dir(L"ini_ro");
    const std::wstring path = dir / L"EulaCfg.ini";
    ASSERT_TRUE(TempFolder::WriteFile(path, Scrambled("[EULA]\r\nCurrent=Std\r\n")));
    CurrentDirectory cwd(readOnly);
    ASSERT_TRUE(cwd.Ok());

    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    EXPECT_EQ(ini.WorkingPath(), std::wstring(temp) + L"EulaCfg.ini.IAE");
    std::wstring value;
    ini.GetString(L"EULA", L"Current", L"", value);
    EXPECT_EQ(value, L"Std");
    ini.Close();
}

TEST(IniFile, WriteScrambledMakesAFileThatOpens)
{
    TempFolder dir(L"ini_mk");
    CurrentDirectory cwd(dir.Path());
    ASSERT_TRUE(cwd.Ok());
    ASSERT_TRUE(TempFolder::WriteFile(dir / L"in.ini", "[S]\r\nK=scrambled value\r\n"));
    ASSERT_TRUE(IniFile::WriteScrambled(dir / L"in.ini", dir / L"out.ini"));
    const std::string bytes = TempFolder::ReadFile(dir / L"out.ini");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0x8A);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0xC3);
    EXPECT_EQ(bytes.find("scrambled"), std::string::npos);
    IniFile ini;
    ASSERT_TRUE(ini.Open(dir / L"out.ini"));
    std::wstring value;
    ini.GetString(L"S", L"K", L"", value);
    EXPECT_EQ(value, L"scrambled value");
    ini.Close();
    EXPECT_FALSE(IniFile::WriteScrambled(dir / L"absent.ini", dir / L"out2.ini"));
    EXPECT_FALSE(TempFolder::Exists(dir / L"out2.ini"));
}
