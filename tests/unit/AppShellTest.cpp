#include <gtest/gtest.h>

#include <windows.h>

#include "TestFiles.h"
#include "app/ArgumentVector.h"
#include "app/CCmdLineParser.h"
#include "app/LogSetup.h"
#include "app/RunMode.h"
#include "app/SingleInstanceLock.h"
#include "log/CInfoTracker.h"

using testfiles::Exists;
using testfiles::ReadBytes;

TEST(SingleInstanceLock, SecondHolderIsTurnedAwayUntilTheFirstReleases)
{
    const wchar_t* name = L"DezTestSingleInstance";
    SingleInstanceLock first;
    ASSERT_EQ(first.Acquire(name), SingleInstanceLock::Result::Acquired);
    {
        SingleInstanceLock second;
        EXPECT_EQ(second.Acquire(name), SingleInstanceLock::Result::AlreadyRunning);
        EXPECT_FALSE(second.IsHeld());
    }
    // The turned-away one closed its handle; the first still holds the name.
    SingleInstanceLock third;
    EXPECT_EQ(third.Acquire(name), SingleInstanceLock::Result::AlreadyRunning);
    first.Release();
    EXPECT_FALSE(first.IsHeld());
    EXPECT_EQ(third.Acquire(name), SingleInstanceLock::Result::Acquired);
    // A name that cannot be a mutex (it names a folder of the object space).
    SingleInstanceLock bad;
    EXPECT_EQ(bad.Acquire(L"Global\\Bad\\Name\\"), SingleInstanceLock::Result::Failed);
}

namespace {

class LogSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CInfoTracker::Destroy();
        windows = testfiles::FreshFolder(L"dez_logsetup_win");
        work = testfiles::FreshFolder(L"dez_logsetup_cwd");
        windows.pop_back(); // like GetWindowsDirectory: no trailing backslash
    }
    void TearDown() override { CInfoTracker::Destroy(); }

    std::wstring windows;
    std::wstring work;
};

} // namespace

TEST_F(LogSetupTest, NormalRunAppendsToTheLogFolderAndRemovesTheMarker)
{
    testfiles::CurrentDirectory cwd(work);
    ASSERT_TRUE(::CreateDirectoryW((windows + L"\\Logs").c_str(), nullptr));
    const std::wstring log = windows + L"\\Logs\\Ov_DIZ.log";
    {
        HANDLE old = ::CreateFileW(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(old, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(old, "earlier run\r\n", 13, &written, nullptr);
        ::CloseHandle(old);
    }
    ::CloseHandle(::CreateFileW(L"msg.ini", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(Exists(work + L"msg.ini"));

    EXPECT_FALSE(LogSetup::DebugWanted(0));
    Logger* root = LogSetup::Configure(false, windows);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name, L"ROOT");
    EXPECT_EQ(CInfoTracker::Instance().Level(), 1);
    EXPECT_FALSE(Exists(work + L"msg.ini"));
    LogInfo(root, L"[Test] info %d", 5);
    LogDebug(root, L"[Test] debug hidden");
    LogError(root, L"[Test] error hidden");
    CInfoTracker::Destroy();

    std::string text = ReadBytes(log);
    EXPECT_EQ(text.rfind("earlier run\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("[ROOT                ][INFO] :[Test] info 5\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("hidden"), std::string::npos) << text;
}

TEST_F(LogSetupTest, NormalRunWithoutLogFolderWritesNothing)
{
    testfiles::CurrentDirectory cwd(work);
    Logger* root = LogSetup::Configure(false, windows);
    LogInfo(root, L"[Test] lost");
    CInfoTracker::Destroy();
    EXPECT_FALSE(Exists(windows + L"\\Logs"));
    EXPECT_FALSE(Exists(windows + L"\\Logs\\Ov_DIZ.log"));
}

TEST_F(LogSetupTest, UnknownWindowsDirectoryWritesNoLogOnTheCurrentDrive)
{
    testfiles::CurrentDirectory cwd(work);
    // "\Logs\Ov_DIZ" alone would land on the current drive's root.
    const std::wstring rootLogs = work.substr(0, 3) + L"Logs";
    const bool made = ::CreateDirectoryW(rootLogs.c_str(), nullptr) != FALSE;
    const std::wstring rootLog = rootLogs + L"\\Ov_DIZ.log";
    const bool hadLog = Exists(rootLog);
    const std::string before = hadLog ? ReadBytes(rootLog) : std::string();
    Logger* root = LogSetup::Configure(false, L"");
    LogInfo(root, L"[Test] nowhere");
    CInfoTracker::Destroy();
    // A log already there (another program's) stays as it was.
    EXPECT_EQ(Exists(rootLog), hadLog);
    if (hadLog)
        EXPECT_EQ(ReadBytes(rootLog), before);
    else
        ::DeleteFileW(rootLog.c_str());
    if (made)
        ::RemoveDirectoryW(rootLogs.c_str());
}

TEST_F(LogSetupTest, DebugRunWritesTheMarkerAndNoLogFile)
{
    testfiles::CurrentDirectory cwd(work);
    ASSERT_TRUE(::CreateDirectoryW((windows + L"\\Logs").c_str(), nullptr));
    EXPECT_TRUE(LogSetup::DebugWanted(1));
    EXPECT_FALSE(LogSetup::DebugWanted(0));
    ::CloseHandle(::CreateFileW(L"ForceDebug", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(LogSetup::DebugWanted(0)) << "the marker file alone asks for debug output";

    Logger* root = LogSetup::Configure(true, windows);
    EXPECT_EQ(root->name, L"ROOT");
    EXPECT_EQ(CInfoTracker::Instance().Level(), 4);
    LogDebug(root, L"[Test] to the debugger");
    CInfoTracker::Destroy();
    EXPECT_EQ(ReadBytes(work + L"msg.ini"), "[DEBUG]\r\nLOG_LEVEL=1\r\n");
    EXPECT_FALSE(Exists(windows + L"\\Logs\\Ov_DIZ.log"));
}

TEST(ArgumentVector, ShellRulesAndTheRunModeBuiltFromThem)
{
    auto args = ArgumentVector(L"\"C:\\Disc Root\\Dezozi2.exe\" -o \"02\" /contd");
    ASSERT_EQ(args.size(), 4u);
    EXPECT_EQ(args[0], L"C:\\Disc Root\\Dezozi2.exe");
    EXPECT_EQ(args[2], L"02");
    EXPECT_TRUE(ArgumentVector(L"").empty());

    auto mode = [](const std::wstring& line) {
        return AddModeFlags(ModeValueFromArguments(ArgumentVector(line)), CCmdLineParser(line));
    };
    EXPECT_EQ(mode(L"D:\\Dezozi2.exe"), 1u);
    EXPECT_EQ(mode(L"D:\\Dezozi2.exe -o 02 /contd"), 641u);
    EXPECT_EQ(mode(L"D:\\Dezozi2.exe /finish"), 4097u);
    EXPECT_EQ(mode(L"\"D:\\Win-install\\Dezozi2.exe\"  -contd -i 01 -round"), 5u | MODE_CONTD);
    EXPECT_EQ(mode(L"D:\\Dezozi2.exe -i 07 /RECOVERY -check"), 1u | MODE_RECOVERY | MODE_CHECK);
}

namespace {

// Where the probe program and its libraries are laid out for one case.
struct PolicyLayout {
    std::wstring exeFolder;
    std::wstring workFolder;
    std::wstring libFolder;
    std::wstring probe;
};

PolicyLayout MakePolicyLayout()
{
    PolicyLayout l;
    std::wstring root = testfiles::FreshFolder(L"dez_dllpolicy");
    l.exeFolder = root + L"exe\\";
    l.workFolder = root + L"work\\";
    l.libFolder = root + L"lib\\";
    ::CreateDirectoryW(l.exeFolder.c_str(), nullptr);
    ::CreateDirectoryW(l.workFolder.c_str(), nullptr);
    ::CreateDirectoryW(l.libFolder.c_str(), nullptr);
    const std::wstring bin = TestExeFolder();
    l.probe = l.exeFolder + L"dll_policy_probe.exe";
    ::CopyFileW((bin + L"dll_policy_probe.exe").c_str(), l.probe.c_str(), FALSE);
    for (const wchar_t* lib : {L"dez_probe_leaf.dll", L"dez_probe_user.dll"}) {
        ::CopyFileW((bin + lib).c_str(), (l.workFolder + lib).c_str(), FALSE);
        ::CopyFileW((bin + lib).c_str(), (l.libFolder + lib).c_str(), FALSE);
    }
    // Also beside the program, as a library on the disc would be.
    ::CopyFileW((bin + L"dez_probe_leaf.dll").c_str(), (l.exeFolder + L"dez_probe_leaf.dll").c_str(), FALSE);
    return l;
}

} // namespace

TEST(DllSearchPolicy, NamedLibrariesComeOnlyFromTheSystemAfterRestrict)
{
    PolicyLayout l = MakePolicyLayout();
    ASSERT_TRUE(Exists(l.probe));
    auto run = [&](const std::wstring& args) { return testfiles::RunProgram(l.probe, args, l.workFolder); };

    // Without the restriction a bare name is found in the current directory.
    EXPECT_EQ(run(L"open plain dez_probe_user.dll"), 0);
    // With it, neither the current directory nor the program's folder counts.
    EXPECT_EQ(run(L"restrict plain dez_probe_user.dll"), 1);
    EXPECT_EQ(run(L"restrict plain dez_probe_leaf.dll"), 1);
    // System libraries by name still load.
    EXPECT_EQ(run(L"restrict plain version.dll"), 0);
    // A full path loads; the libraries it imports must come from beside it.
    const std::wstring user = l.libFolder + L"dez_probe_user.dll";
    EXPECT_EQ(run(L"restrict beside \"" + user + L"\""), 0);
    EXPECT_EQ(run(L"restrict plain \"" + user + L"\""), 1) << "its import is not searched beside it";
    EXPECT_EQ(run(L"restrict beside \"" + l.libFolder + L"missing.dll\""), 1);
}

TEST(DllSearchPolicy, GdiPlusComesFromTheSystemEvenWithACopyBesideTheProgram)
{
    PolicyLayout l = MakePolicyLayout();
    // A library of that name beside the program, as a planted one would be.
    ASSERT_TRUE(::CopyFileW((TestExeFolder() + L"dez_probe_leaf.dll").c_str(),
                            (l.exeFolder + L"gdiplus.dll").c_str(), FALSE));
    EXPECT_EQ(testfiles::RunProgram(l.probe, L"gdiplus", l.workFolder), 0);
}
