#include <gtest/gtest.h>

#include <windows.h>

#include "CompanionHelpers.h"

using namespace companions;

namespace {

class LoadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loader = scratch.Sub(L"Pavv2Load");
        disc = scratch.Sub(L"Disc");
        ASSERT_TRUE(CopyInto(L"Loading.exe", loader));
        ASSERT_TRUE(CopyInto(L"OvraSetup.exe", disc));
        log = scratch.Path() + L"\\run.log";
        SetEnvironmentVariableW(L"OVRASETUP_LOG", log.c_str());
    }
    void TearDown() override { SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr); }
    void Describe(const std::string& extra)
    {
        WriteText(loader + L"\\Ovcd_Load.ini", "[Load]\r\nPath=" + Narrow(disc) + "\\OvraSetup.exe\r\nParam= -contd -i 01\r\n"
                                               "ImgPath=" + Narrow(disc) + "\\\r\n" + extra);
    }
    // The stand-in's log lines, as tab-separated fields.
    std::vector<std::vector<std::string>> Lines() const
    {
        std::vector<std::vector<std::string>> lines;
        for (const auto& l : Split(ReadText(log), '\n'))
            if (!l.empty())
                lines.push_back(Split(l, '\t'));
        return lines;
    }
    ScratchFolder scratch{L"dez_loading"};
    std::wstring loader, disc, log;
};

} // namespace

TEST_F(LoadingTest, StartsThePathWithParamAndEndsWithIt)
{
    WriteText(disc + L"\\OvraSetup.ini", "[Setup]\r\nInstallMs=500\r\nExitCode=7\r\n");
    Describe("");
    DWORD elapsed = 0;
    EXPECT_EQ(RunProgram(loader + L"\\Loading.exe", L"", L"", 30000, &elapsed), 0);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[1].size(), 8u);
    EXPECT_EQ(lines[1][2], "end");  // the loader waited for the program's end
    EXPECT_EQ(lines[1][3], Narrow(disc) + "\\");
    EXPECT_EQ(lines[1][4], Narrow(disc));  // started in its own folder
    EXPECT_EQ(lines[1][5], "-contd -i 01");
    EXPECT_EQ(lines[1][7], "7");
    EXPECT_GE(elapsed, 500u);
}

TEST_F(LoadingTest, NeverLingersPastItsTime)
{
    WriteText(disc + L"\\OvraSetup.ini", "[Setup]\r\nInstallMs=4000\r\n");
    Describe("CloseAfterSeconds=1\r\n");
    DWORD elapsed = 0;
    EXPECT_EQ(RunProgram(loader + L"\\Loading.exe", L"", L"", 30000, &elapsed), 0);
    EXPECT_LT(elapsed, 3500u);
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u);  // the program is still running
    EXPECT_EQ(lines[0][2], "start");
    for (int i = 0; i < 100 && Lines().size() < 2; ++i)
        Sleep(100);
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(LoadingTest, MissingDescriptionOrProgram)
{
    EXPECT_EQ(RunProgram(loader + L"\\Loading.exe", L""), 1);
    WriteText(loader + L"\\Ovcd_Load.ini", "[Load]\r\nPath=" + Narrow(disc) + "\\Nothing.exe\r\n");
    EXPECT_EQ(RunProgram(loader + L"\\Loading.exe", L""), 2);
    EXPECT_FALSE(Exists(log));
}
