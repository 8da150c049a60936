#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "LogCapture.h"
#include "TestCatalog.h"
#include "TestPaths.h"
#include "engine/CVersionFile.h"
#include "services/FsRedirectionSwitch.h"
#include "services/SystemFolders.h"

namespace {

// Copies of the fixture programs placed in system folders, removed with their folders.
class PlacedFiles {
public:
    PlacedFiles() = default;
    ~PlacedFiles()
    {
        for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
            DeleteFileW(it->c_str());
        for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
            RemoveDirectoryW(it->c_str());
    }
    PlacedFiles(const PlacedFiles&) = delete;
    PlacedFiles& operator=(const PlacedFiles&) = delete;

    // folder must exist up to its last component, which is created here.
    bool Place(const std::wstring& fixture, const std::wstring& folder, const std::wstring& name)
    {
        if (CreateDirectoryW(folder.c_str(), nullptr))
            m_folders.push_back(folder);
        else if (GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        const std::wstring target = folder + L"\\" + name;
        if (!CopyFileW((TestExeFolder() + fixture).c_str(), target.c_str(), FALSE))
            return false;
        m_files.push_back(target);
        return true;
    }

private:
    std::vector<std::wstring> m_files;
    std::vector<std::wstring> m_folders;
};

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(CVersionFile, ProgramFilesMacroTriesThe32BitFolderFirstThenThe64BitOne)
{
    const std::wstring pf32 = SystemFolders::ProgramFiles32();
    const std::wstring pf64 = SystemFolders::ExpandEnvironment(L"%ProgramW6432%");
    ASSERT_FALSE(pf32.empty());
    ASSERT_NE(pf32, pf64) << "a 64-bit system has two program-files folders";

    PlacedFiles files;
    ASSERT_TRUE(files.Place(L"verexe_a.exe", pf64 + L"\\DezProvFile", L"only64.exe"));
    ASSERT_TRUE(files.Place(L"verexe_b.exe", pf64 + L"\\DezProvFile", L"both.exe"));
    ASSERT_TRUE(files.Place(L"verexe_a.exe", pf32 + L"\\DezProvFile", L"both.exe"));
    TestCatalog catalog(L"DezProvFile");
    catalog.Set(1, L"Exist1FilePath", L"%PROGRAMFILES%\\DezProvFile\\only64.exe")
        .Set(1, L"Version1FilePath", L"%PROGRAMFILES%\\DezProvFile\\only64.exe")
        .Set(1, L"Version2FilePath", L"%PROGRAMFILES%\\DezProvFile\\both.exe")
        .Set(1, L"Exist3FilePath", L"%PROGRAMFILES%\\DezProvFile\\nowhere.exe");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(1, 1);

    LogCapture log;
    CVersionFile file;
    EXPECT_EQ(file.GetName(), L"CVersionFile");
    file.SetItem(&item);
    file.SetIndex(1);
    EXPECT_EQ(file.GetFilePath(0, false), pf32 + L"\\DezProvFile\\only64.exe");
    EXPECT_EQ(file.GetFilePath(0, true), pf64 + L"\\DezProvFile\\only64.exe");
    EXPECT_TRUE(log.Has(L"CVersionFile", L"DEBUG", L"[GetFilePath] ExistFilePath: %PROGRAMFILES%\\DezProvFile\\only64.exe"));
    EXPECT_TRUE(log.Has(L"CVersionFile", L"DEBUG",
                        L"[GetFilePath] ExistFilePath(Convert to System Path): " + pf32 + L"\\DezProvFile\\only64.exe"));

    log.Clear();
    EXPECT_TRUE(file.IsVersionExist());
    const auto messages = log.Messages(L"CVersionFile");
    const auto at = [&](const std::wstring& text) {
        return std::find(messages.begin(), messages.end(), text) - messages.begin();
    };
    ASSERT_LT(at(L"[CheckVersionPathExist] x64 file exists"), static_cast<long>(messages.size()));
    EXPECT_LT(at(L"[CheckVersionPathExist] 86 file not exists"), at(L"[CheckVersionPathExist] x64 file exists"));

    // VersionFile non-zero: the numeric file version of the 64-bit copy.
    std::wstring version;
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"3.1.4.15");
    // Present in both folders: the 32-bit copy (verexe_a) wins over verexe_b.
    file.SetIndex(2);
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"3.1.4.15");
    // VersionFile zero: the product version string.
    item.VersionFile = 0;
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"9.2.6 Release");

    log.Clear();
    file.SetIndex(3);
    EXPECT_FALSE(file.IsVersionExist());
    EXPECT_TRUE(log.Has(L"CVersionFile", L"DEBUG", L"[CheckVersionPathExist] x64 file not exists"));
    EXPECT_TRUE(log.Has(L"CVersionFile", L"ERROR", L"[IsVersionExist] Check Exist Version Fail"));
    // Position 3 has no version path: the read fails and says why.
    version = L"stale";
    EXPECT_FALSE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"");
    EXPECT_TRUE(log.Has(L"CVersionFile", L"WARN", L"[GetFilePath] FilePath is empty"));
    EXPECT_TRUE(log.Has(L"CVersionFile", L"ERROR", L"[IsVersionExist] GetFileVersionPath fail"));
}

TEST(CVersionFile, WindowsDirectoryAndSystemPartitionMacros)
{
    const std::wstring windir = SystemFolders::WindowsDirectory();
    ASSERT_FALSE(windir.empty());
    const std::wstring sysPart = windir.substr(0, windir.find(L'\\')); // "C:"
    PlacedFiles files;
    ASSERT_TRUE(files.Place(L"verexe_b.exe", windir + L"\\DezProvWin", L"tool.exe"));
    ASSERT_TRUE(files.Place(L"verexe_a.exe", sysPart + L"\\DezProvSys", L"x.exe"));
    ASSERT_TRUE(files.Place(L"verexe_none.exe", sysPart + L"\\DezProvSys", L"plain.exe"));
    TestCatalog catalog(L"DezProvWin");
    catalog.Set(6, L"Exist1FilePath", L"%WINDIR%\\DezProvWin\\tool.exe")
        .Set(6, L"Version1FilePath", L"%WINDIR%\\DezProvWin\\tool.exe")
        .Set(6, L"Version2FilePath", L"%SYSPART%\\DezProvSys\\x.exe")
        .Set(6, L"Version3FilePath", L"%SYSPART%\\DezProvSys\\plain.exe")
        // Only the first macro kind in search order is expanded: %SYSPART% stays.
        .Set(6, L"Version4FilePath", L"%SYSPART%\\%WINDIR%\\x.exe")
        // No macro: used unchanged.
        .Set(6, L"Version5FilePath", sysPart + L"\\DezProvSys\\x.exe");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(6, 1);

    LogCapture log;
    CVersionFile file;
    file.SetItem(&item);
    file.SetIndex(1);
    EXPECT_TRUE(file.IsVersionExist());
    std::wstring version;
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"2.7.1.8");
    EXPECT_TRUE(log.Has(L"CVersionFile", L"DEBUG", L"[CheckVersionPathExist] x86 file exists"));

    file.SetIndex(2);
    EXPECT_EQ(file.GetFilePath(1, false), sysPart + L"\\DezProvSys\\x.exe");
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"3.1.4.15");

    // A program without a version resource exists but gives no version.
    file.SetIndex(3);
    EXPECT_FALSE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"");
    EXPECT_TRUE(log.Has(L"CVersionFile", L"ERROR", L"[IsVersionExist] Create fileVerInfo fail"));

    file.SetIndex(4);
    EXPECT_EQ(file.GetFilePath(1, true), L"%SYSPART%\\" + windir + L"\\x.exe");
    file.SetIndex(5);
    EXPECT_EQ(file.GetFilePath(1, true), sysPart + L"\\DezProvSys\\x.exe");
    ASSERT_TRUE(file.GetCurrentVersion(version));
    EXPECT_EQ(version, L"3.1.4.15");
}

TEST(FsRedirectionSwitch, LooksTheSwitchUpAtRunTimeAndReportsRefusal)
{
    FsRedirectionSwitch redirection;
#ifdef _WIN64
    // A 64-bit process has no redirection to turn off; the system says so.
    EXPECT_FALSE(redirection.TurnOff());
    EXPECT_FALSE(redirection.IsOff());
#else
    EXPECT_TRUE(redirection.TurnOff());
    EXPECT_TRUE(redirection.IsOff());
#endif
    redirection.Restore();
    EXPECT_FALSE(redirection.IsOff());

    // The file reader says when it looks without the switch.
    TestCatalog catalog(L"DezProvRedir");
    catalog.Set(1, L"Exist1FilePath", L"%WINDIR%\\notepad.exe");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(1);
    LogCapture log;
    CVersionFile file;
    file.SetItem(&item);
    file.SetIndex(1);
    EXPECT_EQ(file.IsVersionExist(), Exists(SystemFolders::WindowsDirectory() + L"\\notepad.exe"));
#ifdef _WIN64
    EXPECT_EQ(log.Count(L"CVersionFile", L"INFO", L"Execute Wow64DisableWow64FsRedirection failed"), 1u);
#endif
}
