#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "ProcessRun.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "config/CLanguage.h"

namespace {

std::wstring NoSlash(const std::wstring& folder)
{
    return folder.substr(0, folder.size() - 1);
}

std::wstring Utf16Ini(const std::wstring& body)
{
    return L"[Translations]\r\n" + body;
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseLanguage();
        folder = FreshTempFolder(L"dez_language");
        ASSERT_TRUE(WriteUnicodeTestFile(folder + L"English.ini", Utf16Ini(L"OK=OK\r\n")));
        ASSERT_TRUE(WriteUnicodeTestFile(folder + L"German.ini",
                                         Utf16Ini(L"Cancel=Abbrechen\r\nClose=Schließen\r\n"
                                                  L"Number of Reboots after the installation:=\"Neustarts: \"\r\n")));
        ASSERT_TRUE(WriteUnicodeTestFile(folder + L"Japanese.ini", Utf16Ini(L"Cancel=キャンセル\r\n")));
        ASSERT_TRUE(WriteUnicodeTestFile(folder + L"Korean.ini", Utf16Ini(L"Cancel=취소\r\n")));
    }
    void TearDown() override { ReleaseLanguage(); }

    void Force(const std::wstring& language)
    {
        ASSERT_TRUE(WriteTestFile(folder + L"LangSelect.ini",
                                  "[Language]\r\nForce=" + std::string(language.begin(), language.end()) + "\r\n"));
    }

    std::wstring folder;
};

} // namespace

TEST_F(LanguageTest, BindsTheRealLibrary)
{
    Force(L"German");
    EXPECT_EQ(BindLanguage(NoSlash(folder)), 0);
    EXPECT_EQ(GetLanguageName(), L"German");
    EXPECT_EQ(GetTranslationFile(), folder + L"German.ini");
    EXPECT_EQ(Translate(L"Cancel"), L"Abbrechen");
    EXPECT_EQ(Translate(L"Close"), L"Schließen");
    EXPECT_EQ(Translate(L"Not in the file"), L"Not in the file");
    // A quoted translation keeps its blank; a missed text keeps its own.
    EXPECT_EQ(Translate(L"Number of Reboots after the installation:"), L"Neustarts: ");
    EXPECT_EQ(Translate(L"Time remaining: "), L"Time remaining: ");
    EXPECT_EQ(Translate(L""), L"");
    EXPECT_EQ(Translate(static_cast<const wchar_t*>(nullptr)), L"");
    EXPECT_EQ(GetCharsetForLanguage(), 1);

    // No forcing: the UI language of this prefix has no file here, or is English.
    DeleteFileW((folder + L"LangSelect.ini").c_str());
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH) {
        EXPECT_EQ(BindLanguage(folder), 0);
        EXPECT_EQ(GetLanguageName(), L"English");
        EXPECT_EQ(Translate(L"Cancel"), L"Cancel");
    }

    // No folder at all: the library is there, the texts stay English.
    EXPECT_EQ(BindLanguage(L""), 0);
    EXPECT_EQ(GetLanguageName(), L"English");
    EXPECT_EQ(GetTranslationFile(), L"");
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");
}

TEST_F(LanguageTest, WithoutAUsableLibraryEverythingIsEnglish)
{
    Force(L"German");
    EXPECT_EQ(BindLanguageLibrary(folder, folder + L"VeVirodOvuz.dll"), 1);  // not there
    EXPECT_EQ(GetLanguageName(), L"");
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");
    EXPECT_EQ(GetCharsetForLanguage(), 1);

    EXPECT_EQ(BindLanguageLibrary(folder, TestExeFolder() + L"langlib_noexport.dll"), 1);
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");

    EXPECT_EQ(BindLanguageLibrary(folder, TestExeFolder() + L"langlib_empty.dll"), 0);
    EXPECT_EQ(GetLanguageName(), L"");
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");

    // Unterminated answers are cut at the buffer ends.
    EXPECT_EQ(BindLanguageLibrary(folder, TestExeFolder() + L"langlib_garbage.dll"), 0);
    EXPECT_EQ(GetLanguageName(), std::wstring(63, L'J'));
    EXPECT_EQ(GetTranslationFile(), std::wstring(259, L'F'));
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");

    ReleaseLanguage();
    EXPECT_EQ(GetLanguageName(), L"");
    EXPECT_EQ(Translate(L"Cancel"), L"Cancel");
}

TEST_F(LanguageTest, LongTranslationsComeBackWhole)
{
    std::wstring body;
    std::vector<std::pair<std::wstring, std::wstring>> cases;
    for (size_t len : {128u, 129u, 130u, 259u, 260u, 1000u, 5000u}) {
        const std::wstring key = L"Text" + std::to_wstring(len);
        std::wstring value;
        for (size_t i = 0; i < len; ++i)
            value.push_back(static_cast<wchar_t>(L'a' + i % 26));
        body += key + L"=" + value + L"\r\n";
        cases.emplace_back(key, value);
    }
    ASSERT_TRUE(WriteUnicodeTestFile(folder + L"German.ini", Utf16Ini(body)));
    Force(L"German");
    ASSERT_EQ(BindLanguage(folder), 0);
    for (const auto& [key, value] : cases)
        EXPECT_EQ(Translate(key), value) << value.size();
    // Missed English texts longer than the buffer are not cut either.
    const std::wstring english(700, L'e');
    EXPECT_EQ(Translate(english), english);

    // The file vanishes under a bound language: English again.
    DeleteFileW((folder + L"German.ini").c_str());
    EXPECT_EQ(Translate(L"Text129"), L"Text129");
}

TEST_F(LanguageTest, ConcurrentCallsGetTheirOwnCopies)
{
    std::wstring body;
    for (int i = 0; i < 50; ++i)
        body += L"Key" + std::to_wstring(i) + L"=Wert" + std::to_wstring(i) + std::wstring(i * 7, L'x') + L"\r\n";
    ASSERT_TRUE(WriteUnicodeTestFile(folder + L"German.ini", Utf16Ini(body)));
    Force(L"German");
    ASSERT_EQ(BindLanguage(folder), 0);

    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 6; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int n = 0; n < 150; ++n) {
                const int i = (n * 7 + t * 13) % 50;
                const std::wstring got = Translate(L"Key" + std::to_wstring(i));
                if (got != L"Wert" + std::to_wstring(i) + std::wstring(i * 7, L'x'))
                    ++wrong;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);

    // Releasing while others translate: each answer is either the German or the English text.
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::thread reader([&] {
        while (!stop) {
            const std::wstring got = Translate(L"Key3");
            if (got != L"Wert3" + std::wstring(21, L'x') && got != L"Key3")
                ++bad;
        }
    });
    for (int i = 0; i < 20; ++i) {
        ReleaseLanguage();
        BindLanguage(folder);
    }
    stop = true;
    reader.join();
    EXPECT_EQ(bad.load(), 0);
}

TEST_F(LanguageTest, CharsetFollowsTheBoundLanguage)
{
    Force(L"japanese");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(GetLanguageName(), L"Japanese");
    EXPECT_EQ(GetCharsetForLanguage(), 128);
    EXPECT_EQ(Translate(L"Cancel"), L"キャンセル");
    Force(L"Korean");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(GetCharsetForLanguage(), 130);
    EXPECT_EQ(Translate(L"Cancel"), L"취소");
    Force(L"German");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(GetCharsetForLanguage(), 1);
}

TEST_F(LanguageTest, FontNameFromTheLayoutConfiguration)
{
    const std::wstring cfg = folder + L"LayoutCfg.ini";
    ASSERT_TRUE(WriteTestFile(cfg, std::string("[Font]\r\nJapanese=MS UI Gothic\r\nDefault=Tahoma\r\n")));
    Force(L"Japanese");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(GetFontNameFrom(cfg), L"MS UI Gothic");
    Force(L"German");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(GetFontNameFrom(cfg), L"Tahoma");
    ReleaseLanguage();
    EXPECT_EQ(GetFontNameFrom(cfg), L"Tahoma");

    ASSERT_TRUE(WriteTestFile(cfg, std::string("[Font]\r\nJapanese=MS UI Gothic\r\n")));
    EXPECT_EQ(GetFontNameFrom(cfg), L"MS Shell Dlg");
    EXPECT_EQ(GetFontNameFrom(folder + L"missing.ini"), L"MS Shell Dlg");
    // The program's own: whatever lies beside it, a face comes back.
    EXPECT_FALSE(GetFontName().empty());
}

TEST_F(LanguageTest, LocalizedFileCandidatesInOrder)
{
    const std::wstring prefix = folder + L"eula_";
    const std::wstring exact = prefix + L"0c0a.txt";
    const std::wstring sameTail = prefix + L"XX0a.txt";
    const std::wstring english = prefix + L"XX09.txt";
    EXPECT_EQ(LocalizedFileForLanguage(prefix, L".txt", 0x0c0a), L"");
    ASSERT_TRUE(WriteTestFile(english, std::string("en")));
    EXPECT_EQ(LocalizedFileForLanguage(prefix, L".txt", 0x0c0a), english);
    ASSERT_TRUE(WriteTestFile(sameTail, std::string("es")));
    EXPECT_EQ(LocalizedFileForLanguage(prefix, L".txt", 0x0c0a), sameTail);
    ASSERT_TRUE(WriteTestFile(exact, std::string("es-ES")));
    EXPECT_EQ(LocalizedFileForLanguage(prefix, L".txt", 0x0c0a), exact);
    EXPECT_EQ(LocalizedFileForLanguage(prefix, L".txt", 0x0407), english);

    // The system's own language id.
    wchar_t id[8];
    swprintf(id, 8, L"%04x", GetSystemDefaultLangID());
    const std::wstring own = folder + L"own_" + id + L".rtf";
    EXPECT_EQ(LocalizedFile(folder + L"own_", L".rtf"), L"");
    ASSERT_TRUE(WriteTestFile(own, std::string("{\\rtf1}")));
    EXPECT_EQ(LocalizedFile(folder + L"own_", L".rtf"), own);
}

TEST_F(LanguageTest, DemoTranslationFilesAreCompleteAndReadable)
{
    const std::wstring demo = TestExeFolder() + L"..\\..\\..\\demo\\disc\\LangFiles\\";
    auto keysOf = [](const std::wstring& file) {
        std::vector<wchar_t> buffer(1 << 16);
        const DWORD n = GetPrivateProfileSectionW(L"Translations", buffer.data(), static_cast<DWORD>(buffer.size()),
                                                  file.c_str());
        std::set<std::wstring> keys;
        for (const wchar_t* p = buffer.data(); p < buffer.data() + n && *p; p += wcslen(p) + 1) {
            std::wstring line(p);
            keys.insert(line.substr(0, line.find(L'=')));
        }
        return keys;
    };
    const std::set<std::wstring> english = keysOf(demo + L"English.ini");
    ASSERT_GT(english.size(), 60u);
    EXPECT_TRUE(english.count(L"Not installed"));
    EXPECT_TRUE(english.count(L"Total Time Remaining : About"));
    EXPECT_EQ(keysOf(demo + L"German.ini"), english);
    EXPECT_EQ(keysOf(demo + L"Japanese.ini"), english);

    for (const wchar_t* name : {L"English.ini", L"German.ini", L"Japanese.ini"}) {
        std::vector<char> bytes(1 << 16);
        HANDLE in = CreateFileW((demo + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                nullptr);
        ASSERT_NE(in, INVALID_HANDLE_VALUE);
        DWORD got = 0;
        ReadFile(in, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(in);
        ASSERT_TRUE(WriteTestFile(folder + name, bytes.data(), got));
    }
    Force(L"Japanese");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(Translate(L"Not installed"), L"未インストール");
    EXPECT_EQ(Translate(L"Also include Google Toolbar for Internet Explorer - "),
              L"Internet Explorer 用 Google ツールバーも含める - ");
    Force(L"German");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(Translate(L"Outdated"), L"Veraltet");
    EXPECT_EQ(Translate(L"Number of Reboots after the installation:"), L"Anzahl der Neustarts nach der Installation: ");
    Force(L"English");
    ASSERT_EQ(BindLanguage(folder), 0);
    EXPECT_EQ(Translate(L"Also include Google Toolbar for Internet Explorer - "),
              L"Also include Google Toolbar for Internet Explorer - ");
}

TEST_F(LanguageTest, CheckToolReportsTheLanguageOfItsOwnFolder)
{
    TempFolder disc(L"dez_lang_check");
    ASSERT_TRUE(TempFolder::CopyFrom(TestExeFolder() + L"Dezozi2Check.exe", disc / L"Dezozi2Check.exe"));
    ASSERT_TRUE(TempFolder::CopyFrom(TestExeFolder() + L"VeVirodOvuz.dll", disc / L"VeVirodOvuz.dll"));
    ASSERT_TRUE(TempFolder::CopyFrom(folder + L"German.ini", disc / L"LangFiles\\German.ini"));
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"LangFiles\\LangSelect.ini", "[Language]\r\nForce=German\r\n"));
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"LayoutCfg.ini", "[Font]\r\nGerman=Arial\r\nDefault=Tahoma\r\n"));

    ProcessResult lang = RunProcess(disc / L"Dezozi2Check.exe", {L"lang"}, disc.Path());
    ASSERT_TRUE(lang.started);
    EXPECT_EQ(lang.exitCode, 0u) << lang.err;
    const std::wstring langFiles = disc.Path() + L"LangFiles\\German.ini";
    const std::string file(langFiles.begin(), langFiles.end());
    EXPECT_EQ(lang.out, "LanguageName=German\nTranslationFile=" + file + "\nFontName=Arial\nCharset=1\n");

    ProcessResult text = RunProcess(disc / L"Dezozi2Check.exe", {L"translate", L"Close"}, disc.Path());
    EXPECT_EQ(text.exitCode, 0u);
    EXPECT_EQ(text.out, "Schlie\xC3\x9F" "en\n");
    text = RunProcess(disc / L"Dezozi2Check.exe", {L"translate", L"Not in the file"}, disc.Path());
    EXPECT_EQ(text.out, "Not in the file\n");

    // Without the library beside it: English and the default face.
    DeleteFileW((disc / L"VeVirodOvuz.dll").c_str());
    lang = RunProcess(disc / L"Dezozi2Check.exe", {L"lang"}, disc.Path());
    EXPECT_EQ(lang.out, "LanguageName=\nTranslationFile=\nFontName=Tahoma\nCharset=1\n");
}
