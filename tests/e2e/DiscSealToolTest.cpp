// Dezozi2Check seal and verify on the demo disc as generated (sealed at build
// time) and on a tampered copy of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "DiscFolder.h"
#include "ProcessRunner.h"
#include "TextFile.h"

namespace {

struct CheckRun {
    DWORD code = 0xFFFFFFFF;
    std::wstring output;
    std::wstring errors;
};

CheckRun RunCheck(const DiscFolder& disc, const std::wstring& arguments, const std::wstring& workDir)
{
    ProcessRunner check;
    CheckRun run;
    if (!check.Start(disc.CheckTool(), arguments, workDir, true) || !check.WaitExit(60000))
        return run;
    run.code = check.ExitCode();
    run.output = check.Output();
    run.errors = check.Errors();
    return run;
}

// The value of one line of DiscSeal.ini, which is UTF-16.
std::wstring SealLine(const DiscFolder& disc, const wchar_t* path)
{
    wchar_t value[80] = {};
    GetPrivateProfileStringW(L"Files", path, L"", value, 80, disc.Path(L"DiscSeal.ini").c_str());
    return value;
}

} // namespace

TEST(DiscSealTool, VerifiesTheDemoDiscAndNamesEveryTamperedFile)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc(DiscFolder::Seal::Keep));
    CheckRun run = RunCheck(disc, L"verify", disc.Root());
    EXPECT_EQ(run.code, 0u) << run.output.c_str() << run.errors.c_str();
    EXPECT_EQ(run.output.rfind(L"verified: ", 0), 0u) << run.output.c_str();
    const std::wstring builtSetup = SealLine(disc, L"Drivers\\Audio\\OvraSetup.exe");
    const std::wstring builtProgram = SealLine(disc, L"Dezozi2.exe");
    EXPECT_EQ(builtSetup.size(), 64u) << "every item's setup is sealed";
    EXPECT_EQ(SealLine(disc, L"Ovcd.ini").size(), 64u) << "the catalogue source";
    EXPECT_EQ(SealLine(disc, L"Pavv2Load\\Loading.exe").size(), 64u) << "the loader";

    // Changed, missing and added files, in an item folder and at the root.
    std::wstring text = TextFile::Read(disc.Path(L"Drivers\\Audio\\OvraSetup.ini"));
    ASSERT_TRUE(disc.WriteFile(L"Drivers\\Audio\\OvraSetup.ini", text + L"; one more line\r\n"));
    ASSERT_TRUE(disc.Remove(L"Drivers\\LAN\\OvraLanPayload.dll"));
    ASSERT_TRUE(disc.WriteFile(L"Drivers\\USB\\Planted.dll", L"not sealed"));
    ASSERT_TRUE(disc.WriteFile(L"OvTaskSched.dll", L"replaced"));
    // The tool's folder is the default; another folder may be named.
    run = RunCheck(disc, L"verify " + disc.Root(), L"");
    EXPECT_EQ(run.code, 1u);
    EXPECT_EQ(run.output, L"changed\tDrivers\\Audio\\OvraSetup.ini\n"
                          L"missing\tDrivers\\LAN\\OvraLanPayload.dll\n"
                          L"changed\tOvTaskSched.dll\n"
                          L"unsealed\tDrivers\\USB\\Planted.dll\n"
                          L"mismatch: 1 missing, 2 changed, 1 unsealed\n");

    // Sealed again: the new state verifies, and unchanged files keep their digests.
    run = RunCheck(disc, L"seal", disc.Root());
    EXPECT_EQ(run.code, 0u) << run.errors.c_str();
    EXPECT_EQ(run.output.rfind(L"sealed: ", 0), 0u);
    EXPECT_EQ(RunCheck(disc, L"verify", disc.Root()).code, 0u);
    EXPECT_EQ(SealLine(disc, L"Drivers\\Audio\\OvraSetup.exe"), builtSetup) << "CNG and the generator agree";
    EXPECT_EQ(SealLine(disc, L"Dezozi2.exe"), builtProgram);
    EXPECT_EQ(SealLine(disc, L"Drivers\\USB\\Planted.dll").size(), 64u);
    EXPECT_EQ(SealLine(disc, L"Drivers\\LAN\\OvraLanPayload.dll"), L"");

    // Without a seal there is nothing to verify against.
    ASSERT_TRUE(disc.Remove(L"DiscSeal.ini"));
    run = RunCheck(disc, L"verify", disc.Root());
    EXPECT_EQ(run.code, 2u);
    EXPECT_NE(run.errors.find(L"DiscSeal.ini is missing"), std::wstring::npos) << run.errors.c_str();
}
