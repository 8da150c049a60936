// The end-to-end harness itself: processes never outlive a test, disc folders
// come and go, files the program leaves are read back whatever their encoding.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "ProcessRunner.h"
#include "TextFile.h"
#include "WindowFinder.h"

using namespace uiprobe;

namespace {

std::wstring Target()
{
    return E2ePaths::BinDir() + L"ProbeTarget.exe";
}

WindowQuery TargetWindows()
{
    WindowQuery query;
    query.className = L"DezProbeTarget";
    query.visibleOnly = true;
    return query;
}

bool WaitWindowCount(size_t count, DWORD timeoutMs)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (WindowFinder::TopLevel(TargetWindows()).size() != count) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(40);
    }
    return true;
}

TEST(ProcessRunnerTest, ExitCodesTimeoutsAndOutput)
{
    DWORD code = 0;
    ASSERT_TRUE(ProcessRunner::RunToEnd(Target(), L"--exit 7", L"", 20000, code));
    EXPECT_EQ(code, 7u);

    ProcessRunner runner;
    EXPECT_FALSE(runner.Start(E2ePaths::BinDir() + L"NoSuchProgram.exe"));
    ASSERT_TRUE(runner.Start(Target()));
    EXPECT_FALSE(runner.WaitExit(300)) << "the target waits for its window to close";
    EXPECT_TRUE(runner.Running());
    EXPECT_EQ(runner.ExitCode(), STILL_ACTIVE);
    runner.Kill();
    EXPECT_FALSE(runner.Running());
    EXPECT_NE(runner.ExitCode(), STILL_ACTIVE);

    // A program that does not end is killed, and the caller learns it did not end.
    ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(ProcessRunner::RunToEnd(Target(), L"--ignore-close", L"", 500, code));
    EXPECT_LT(GetTickCount64() - start, 10000u);
    EXPECT_TRUE(WaitWindowCount(0, 5000));

    // Console output is captured from both streams.
    std::wstring out;
    ASSERT_TRUE(ProcessRunner::RunToEnd(E2ePaths::BinDir() + L"uiprobe.exe", L"", L"", 20000, code, &out));
    EXPECT_EQ(code, 2u);
    EXPECT_NE(out.find(L"usage: uiprobe"), std::wstring::npos);
}

TEST(ProcessRunnerTest, KillTakesEverythingTheProgramStarted)
{
    ProcessRunner runner;
    // The target starts a second copy of itself before showing its own window.
    ASSERT_TRUE(runner.Start(Target(), L"--spawn --ignore-close"));
    ASSERT_TRUE(WaitWindowCount(2, 15000));
    EXPECT_EQ(runner.LiveProcesses(), 2u);
    runner.Kill();
    EXPECT_TRUE(WaitWindowCount(0, 5000)) << "the grandchild outlived the kill";
    EXPECT_EQ(runner.LiveProcesses(), 0u);
}

TEST(ProcessRunnerTest, ProgramLeftRunningFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ProcessRunner runner;
            if (runner.Start(Target()))
                WaitWindowCount(1, 15000);
        },
        "still running at the end of the test");
    EXPECT_TRUE(WaitWindowCount(0, 5000)) << "the left-over program was not killed";
}

TEST(ProcessRunnerTest, WorkingFolderAndArguments)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.CopyFromBin(L"uiprobe.exe", L"tools\\uiprobe.exe"));
    // The probe writes its screenshot relative to the working folder it was given.
    DWORD code = 0;
    ASSERT_TRUE(ProcessRunner::RunToEnd(disc.Path(L"tools\\uiprobe.exe"), L"shot --out \"with space.png\"",
                                        disc.Root(), 20000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(disc.Exists(L"with space.png"));
}

TEST(DiscFolderTest, MakesFillsAndRemovesAFolder)
{
    std::wstring root;
    {
        DiscFolder disc;
        ASSERT_TRUE(disc.Ok());
        root = disc.Root();
        EXPECT_EQ(root.rfind(E2ePaths::TempDir(), 0), 0u);
        EXPECT_EQ(root.back(), L'\\');
        DiscFolder other;
        EXPECT_NE(other.Root(), root);

        ASSERT_TRUE(disc.CopyProgram());
        EXPECT_TRUE(disc.Exists(L"Dezozi2.exe"));
        EXPECT_TRUE(disc.Exists(L"Dezozi2Check.exe"));
        EXPECT_EQ(TextFile::Size(disc.Program()), TextFile::Size(E2ePaths::BinDir() + L"Dezozi2.exe"));
        for (const wchar_t* const* name = DiscFolder::kCompanions; *name; ++name)
            EXPECT_EQ(disc.Exists(*name), TextFile::Exists(E2ePaths::BinDir() + *name)) << *name;

        ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"LayoutPath", L"Current", L"VEQ"));
        ASSERT_TRUE(disc.WriteIni(L"Layouts\\VEQ\\Layout.ini", L"MAINDLG", L"Title_text_Color", L"RGB(1,2,3)"));
        wchar_t value[64] = {};
        GetPrivateProfileStringW(L"LayoutPath", L"Current", L"", value, 64, disc.Path(L"LayoutCfg.ini").c_str());
        EXPECT_STREQ(value, L"VEQ");
        GetPrivateProfileStringW(L"MAINDLG", L"Title_text_Color", L"", value, 64,
                                 disc.Path(L"Layouts\\VEQ\\Layout.ini").c_str());
        EXPECT_STREQ(value, L"RGB(1,2,3)");

        ASSERT_TRUE(disc.WriteFile(L"notes\\a.txt", L"line one\r\nline two\r\n"));
        EXPECT_EQ(TextFile::Lines(TextFile::Read(disc.Path(L"notes\\a.txt"))),
                  (std::vector<std::wstring>{L"line one", L"line two"}));
        // A read-only file must not keep the folder alive.
        ASSERT_TRUE(SetFileAttributesW(disc.Path(L"notes\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(disc.MakeFolder(L"empty\\deeper"));
        EXPECT_TRUE(disc.Exists(L"empty\\deeper"));
        EXPECT_TRUE(disc.Remove(L"empty"));
        EXPECT_FALSE(disc.Exists(L"empty"));
        EXPECT_FALSE(disc.Remove(L""));
    }
    EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES) << "the disc folder was left behind";
}

TEST(DiscFolderTest, CopiesTheDemoDisc)
{
    ASSERT_TRUE(TextFile::Exists(E2ePaths::DemoDiscDir() + L"LayoutCfg.ini"))
        << "the build generates the demo disc (demo/generate.py)";
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    EXPECT_TRUE(disc.Exists(L"Dezozi2.exe"));
    EXPECT_EQ(TextFile::Read(disc.Path(L"LayoutCfg.ini")), TextFile::Read(E2ePaths::DemoDiscDir() + L"LayoutCfg.ini"));
    wchar_t folder[MAX_PATH] = {};
    GetPrivateProfileStringW(L"LayoutPath", L"VEQ", L"", folder, MAX_PATH, disc.Path(L"LayoutCfg.ini").c_str());
    ASSERT_NE(folder[0], L'\0');
    EXPECT_TRUE(disc.Exists(std::wstring(folder) + L"\\Layout.ini")) << "layouts are copied with their folders";
}

TEST(TextFileTest, DecodesWhatProgramsWrite)
{
    EXPECT_EQ(TextFile::Decode(std::string("\xFF\xFE" "A\0\xE9\0", 6)), L"A\u00E9");
    EXPECT_EQ(TextFile::Decode(std::string("\xFE\xFF\0A\0\xE9", 6)), L"A\u00E9");
    EXPECT_EQ(TextFile::Decode("\xEF\xBB\xBF" "caf\xC3\xA9"), L"caf\u00E9");
    EXPECT_EQ(TextFile::Decode("caf\xC3\xA9"), L"caf\u00E9");
    EXPECT_EQ(TextFile::Decode(""), L"");
    EXPECT_EQ(TextFile::Lines(L"a\r\nb\nc\rd"), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(TextFile::Lines(L"a\n\nb\n"), (std::vector<std::wstring>{L"a", L"", L"b"}));

    DiscFolder disc;
    std::wstring path = disc.Path(L"log.txt");
    EXPECT_EQ(TextFile::Read(path), L"");
    EXPECT_FALSE(TextFile::WaitExists(path, 100));
    ASSERT_TRUE(TextFile::Write(path, L"before\n"));
    FileTail tail(path);
    EXPECT_EQ(tail.NewText(), L"");
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "after 1\nafter 2\n", 16, &written, nullptr));
    // Read while the writer still holds the file, as with the program's log.
    EXPECT_EQ(tail.NewLines(), (std::vector<std::wstring>{L"after 1", L"after 2"}));
    EXPECT_TRUE(tail.WaitFor(L"after 2", 100));
    EXPECT_FALSE(tail.WaitFor(L"before", 100)) << "text from before the tail began";
    CloseHandle(file);
    EXPECT_TRUE(TextFile::WaitContains(path, L"before", 100));
    // A file replaced by a shorter one is read from its start.
    ASSERT_TRUE(TextFile::Write(path, L"new\n"));
    EXPECT_EQ(tail.NewText(), L"new\n");
}

TEST(E2ePathsTest, FoldersOfTheBuild)
{
    EXPECT_EQ(E2ePaths::FromUnixPath(L"/work/a b/c"), L"Z:\\work\\a b\\c");
    EXPECT_EQ(E2ePaths::FromUnixPath(L"C:\\x"), L"C:\\x");
    EXPECT_TRUE(TextFile::Exists(E2ePaths::BinDir() + L"e2e_tests.exe"));
    EXPECT_TRUE(TextFile::Exists(E2ePaths::SourceDir() + L"CMakeLists.txt"));
    EXPECT_EQ(E2ePaths::ProgramLog(), E2ePaths::WindowsDir() + L"Logs\\Ov_DIZ.log");
}

} // namespace
