#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TestPaths.h"
#include "config/VeVirodOvuzApi.h"

namespace {

// The translation library as the program sees it: loaded by full path,
// functions looked up by their plain names.
class VeVirodOvuzTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = LoadLibraryW((TestExeFolder() + L"VeVirodOvuz.dll").c_str());
        ASSERT_NE(library, nullptr);
        getLangNameAndPath = Get<OvGetLangNameAndPathFn>("OvGetLangNameAndPath");
        translateStr = Get<OvTranslateStrFn>("OvTranslateStr");
        translateStrW = Get<OvTranslateStrWFn>("OvTranslateStrW");
        translateStrF = Get<OvTranslateStrFFn>("OvTranslateStrF");
        setLangName = Get<OvSetLangNameFn>("OvSetLangName");
        getLangName = Get<OvGetLangNameFn>("OvGetLangName");
        getLangFolderPath = Get<OvGetLangFolderPathFn>("OvGetLangFolderPath");
        checkLangFileName = Get<OvCheckLangFileNameFn>("OvCheckLangFileName");
        folder = FreshTempFolder(L"dez_vevirodovuz");
        ansiFolder = std::string(folder.begin(), folder.end());
        ASSERT_TRUE(WriteTestFile(folder + L"English.ini", std::string("[Translations]\r\nOK=OK\r\n")));
        ASSERT_TRUE(WriteTestFile(folder + L"German.ini",
                                  std::string("[Translations]\r\nCancel=Abbrechen\r\n"
                                              "%d of %d items=%d von %d Elementen\r\n"
                                              "Step %d=Schritt %s\r\n")));
    }
    void TearDown() override
    {
        if (library)
            FreeLibrary(library);
    }
    template <typename Fn>
    Fn Get(const char* name)
    {
        auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
        EXPECT_NE(fn, nullptr) << name;
        return fn;
    }
    std::string Choose(const std::string& in)
    {
        char name[kOvLangNameSize] = "garbage";
        char file[kOvLangFileSize] = "garbage";
        EXPECT_EQ(getLangNameAndPath(in.c_str(), name, file), 0);
        lastFile = file;
        return name;
    }

    HMODULE library = nullptr;
    OvGetLangNameAndPathFn getLangNameAndPath = nullptr;
    OvTranslateStrFn translateStr = nullptr;
    OvTranslateStrWFn translateStrW = nullptr;
    OvTranslateStrFFn translateStrF = nullptr;
    OvSetLangNameFn setLangName = nullptr;
    OvGetLangNameFn getLangName = nullptr;
    OvGetLangFolderPathFn getLangFolderPath = nullptr;
    OvCheckLangFileNameFn checkLangFileName = nullptr;
    std::wstring folder;
    std::string ansiFolder;
    std::string lastFile;
};

} // namespace

TEST_F(VeVirodOvuzTest, ForcedLanguageAndFallbackToEnglish)
{
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN)
        GTEST_SKIP() << "needs a user interface language other than German";
    const std::string noSlash = ansiFolder.substr(0, ansiFolder.size() - 1);
    // There is a German file but no forcing and no file for the UI language: English.
    EXPECT_EQ(Choose(noSlash), "English");
    EXPECT_EQ(lastFile, noSlash + "\\English.ini");

    ASSERT_TRUE(WriteTestFile(folder + L"LangSelect.ini", std::string("[Language]\r\nForce=german\r\n")));
    EXPECT_EQ(Choose(ansiFolder), "German");  // trailing backslash taken off, known spelling kept
    EXPECT_EQ(lastFile, noSlash + "\\German.ini");

    // Forcing a language whose file is missing is ignored.
    ASSERT_TRUE(WriteTestFile(folder + L"LangSelect.ini", std::string("[Language]\r\nForce=French\r\n")));
    EXPECT_EQ(Choose(noSlash), "English");
    // A name that would leave the folder is not a language.
    ASSERT_TRUE(WriteTestFile(folder + L"LangSelect.ini", std::string("[Language]\r\nForce=..\\German\r\n")));
    EXPECT_EQ(Choose(noSlash), "English");

    char name[kOvLangNameSize] = "x";
    char file[kOvLangFileSize] = "x";
    EXPECT_EQ(getLangNameAndPath(nullptr, name, file), -1);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(file, "");
    // A folder too long for the path buffer: no cut-off path.
    EXPECT_EQ(getLangNameAndPath(std::string(300, 'a').c_str(), name, file), -1);
    EXPECT_STREQ(file, "");
}

TEST_F(VeVirodOvuzTest, TranslatesAndSwitchesLanguage)
{
    Choose(ansiFolder);
    ASSERT_EQ(setLangName("German"), 0);
    char out[64];
    EXPECT_EQ(translateStr("Cancel", out, sizeof(out)), 9);
    EXPECT_STREQ(out, "Abbrechen");
    EXPECT_EQ(translateStr("Unknown ", out, sizeof(out)), 8);
    EXPECT_STREQ(out, "Unknown ");
    wchar_t wout[64];
    EXPECT_EQ(translateStrW(L"Cancel", wout, 64), 9);
    EXPECT_STREQ(wout, L"Abbrechen");
    EXPECT_GT(translateStrF(out, sizeof(out), "%d of %d items", 2, 5), 0);
    EXPECT_STREQ(out, "2 von 5 Elementen");
    // The German text asks for a string where the caller passes a number: not used.
    EXPECT_GT(translateStrF(out, sizeof(out), "Step %d", 3), 0);
    EXPECT_STREQ(out, "Step 3");
    EXPECT_EQ(translateStrF(out, 4, "%d of %d items", 2, 5), -1);

    EXPECT_EQ(getLangName(out, sizeof(out)), 6);
    EXPECT_STREQ(out, "German");
    EXPECT_EQ(getLangName(out, 3), -1);
    EXPECT_EQ(getLangFolderPath(out, sizeof(out)), static_cast<int>(ansiFolder.size() - 1));
    EXPECT_EQ(std::string(out) + "\\", ansiFolder);

    EXPECT_EQ(setLangName("Japanese"), -1);  // no file
    EXPECT_EQ(setLangName(""), -1);
    EXPECT_EQ(getLangName(out, sizeof(out)), 6);

    EXPECT_EQ(checkLangFileName("Japanese.ini"), 1);
    EXPECT_EQ(checkLangFileName("C:\\x\\tchinese.INI"), 1);
    EXPECT_EQ(checkLangFileName("LangSelect.ini"), 0);
    EXPECT_EQ(checkLangFileName(nullptr), 0);
}
