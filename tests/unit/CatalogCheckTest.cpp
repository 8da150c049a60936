#include <gtest/gtest.h>

#include "CatalogTestHelpers.h"
#include "ProcessRun.h"
#include "session/ProgressRecord.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

ProcessResult RunCheck(const std::vector<std::wstring>& args)
{
    return RunProcess(TestExeFolder() + L"Dezozi2Check.exe", args, TestExeFolder());
}

} // namespace

TEST(CatalogCheck, PrintsTheItemListAndLeavesTheRecordAlone)
{
    const std::wstring folder = FreshTempFolder(L"dez_catalog_check");
    const std::wstring path = WriteCatalog(
        folder,
        "ItemNumber=4\r\n"
        "(1)Title=Audio\r\n(1)Tab=0\r\n(1)Version=6.0\r\n(1)Order=-1\r\n(1)InstallReboot=1\r\n"
        "(1)SoftwareType=1\r\n(1)Dependency=0xA1\r\n(1)ExistCount=0\r\n"
        "(2)Title=Chipset\r\n(2)Tab=0,2\r\n(2)Dependency=0xA2\r\n(2)UpgradeType=3\r\n(2)UninstallReboot=1\r\n"
        "(3)Title=Manual\r\n(3)Tab=2,1\r\n(3)IsTheLastInstall=1\r\n(3)Dependency=0xA1\r\n"
        "(4)Title=Tool\r\n(4)Tab=4\r\n(4)Order=0\r\n(4)Version=1.0\r\n");
    const std::wstring record = ProgressRecord::DefaultPath();
    const std::string marker = "[SETUP_INFO]\r\n(1)Selected=1\r\n";
    ASSERT_TRUE(WriteTestFile(record, marker));

    ProcessResult run = RunCheck({L"catalog", path});
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(lines[0], "ItemNo\tOrder\tTab\tTitle\tVersion\tInstalled\tStatus\tRestart\tFollowers\tLeaders");
    // No presence keys: present with an empty version (None / Not installed).
    EXPECT_EQ(lines[1], "4\t0\t4,0\tTool\t1.0\t\tNot installed\tNo\t\t");
    EXPECT_EQ(lines[2], "2\t2\t0,2\tChipset\t\t\tNone\tYes\t\t1,3");
    EXPECT_EQ(lines[3], "1\t4294967295\t0,0\tAudio\t6.0\t\tNot installed\tYes\t2\t3");
    EXPECT_EQ(lines[4], "3\t3\t2,1\tManual\t\t\tNone\tNo\t2\t1");

    // As a recovery run reads it: no item restarts Windows by itself.
    ProcessResult recovery = RunCheck({L"catalog", L"-RECOVERY", path});
    EXPECT_EQ(recovery.exitCode, 0u) << recovery.err;
    const auto recovered = Lines(recovery.out);
    ASSERT_EQ(recovered.size(), 5u) << recovery.out;
    EXPECT_EQ(recovered[2], "2\t2\t0,2\tChipset\t\t\tNone\tNo\t\t1,3");
    EXPECT_EQ(recovered[3], "1\t4294967295\t0,0\tAudio\t6.0\t\tNot installed\tNo\t2\t3");

    // The program's own record is untouched.
    std::string kept(64, '\0');
    HANDLE file = CreateFileW(record.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD read = 0;
    ReadFile(file, kept.data(), static_cast<DWORD>(kept.size()), &read, nullptr);
    CloseHandle(file);
    kept.resize(read);
    EXPECT_EQ(kept, marker);
    DeleteFileW(record.c_str());
}

TEST(CatalogCheck, UnreadableCatalogueExitsWithTwo)
{
    const std::wstring folder = FreshTempFolder(L"dez_catalog_check_bad");
    ProcessResult missing = RunCheck({L"catalog", folder + L"nothere.ini"});
    EXPECT_EQ(missing.exitCode, 2u);
    EXPECT_NE(missing.err.find("[GetSetupSettings] Open ini fail"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());

    ProcessResult negative = RunCheck({L"catalog", WriteCatalog(folder, "ItemNumber=-3\r\n")});
    EXPECT_EQ(negative.exitCode, 2u);
    EXPECT_NE(negative.err.find("[GetSetupSettings] Can not find ini tag: ItemNumber"), std::string::npos);
}
