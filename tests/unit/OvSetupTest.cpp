#include <gtest/gtest.h>

#include <windows.h>

#include "CompanionHelpers.h"
#include "services/IniScrambler.h"

using namespace companions;

namespace {

std::string RunningVersion()
{
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto fn = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (fn == nullptr || fn(&info) != 0)
        return "0.0";
    return std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion);
}

class OvSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        disc = scratch.Path();
        ASSERT_TRUE(CopyInto(L"OvSetup.exe", disc));
        target = WindowsFolder() + L"\\Ovcd_tmp.ini";
        // The prefix's own catalogue, if any, comes back after the test.
        hadTarget = Exists(target);
        if (hadTarget)
            saved = ReadText(target);
        DeleteFileW(target.c_str());
    }
    void TearDown() override
    {
        DeleteFileW(target.c_str());
        if (hadTarget)
            WriteText(target, saved);
    }
    long Run(const std::wstring& args = L"") { return RunProgram(disc + L"\\OvSetup.exe", args); }
    void Rule(const std::string& text) { WriteText(disc + L"\\OvSetup.ini", text); }

    ScratchFolder scratch{L"dez_ovsetup"};
    std::wstring disc, target;
    bool hadTarget = false;
    std::string saved;
    const std::string catalog = "[SETUP_ITEM]\r\nItemNumber=1\r\nCD_Title=Demo\r\n(1)Title=Chipset\r\n(1)Path=Drivers\\A\r\n";
};

} // namespace

TEST_F(OvSetupTest, PreparesThePlainOrScrambledCatalog)
{
    WriteText(disc + L"\\Ovcd.ini", catalog);
    EXPECT_EQ(Run(), 1);  // no rule beside it: every system is supported
    EXPECT_EQ(ReadText(target), catalog);

    const std::string changed = catalog + "(1)Version=2.0.1\r\n";  // 4-byte groups and a 2-byte tail
    const auto scrambled = IniScrambler::Scramble(reinterpret_cast<const uint8_t*>(changed.data()), changed.size());
    WriteText(disc + L"\\Ovcd.bin", std::string(scrambled.begin(), scrambled.end()));
    Rule("[Catalog]\r\nSource=Ovcd.bin\r\n");
    EXPECT_EQ(Run(L"-RECOVERY"), 1);
    EXPECT_EQ(ReadText(target), changed);
    EXPECT_FALSE(Exists(target + L".new"));

    // A damaged source leaves no catalogue behind, not even the earlier one.
    std::string damaged(scrambled.begin(), scrambled.end());
    damaged[10] ^= 0x01;
    WriteText(disc + L"\\Ovcd.bin", damaged);
    EXPECT_EQ(Run(), 2);
    EXPECT_FALSE(Exists(target));
    Rule("[Catalog]\r\nSource=" + Narrow(disc) + "\\missing.ini\r\n");
    EXPECT_EQ(Run(), 2);
}

TEST_F(OvSetupTest, DecidesSupportFromTheRule)
{
    const std::string running = RunningVersion();
    WriteText(disc + L"\\Ovcd.ini", catalog);

    Rule("[OS]\r\nSupported=5.1, " + running + "\r\n");
    EXPECT_EQ(Run(), 1);
    Rule("[OS]\r\nSupported=" + running + "+\r\nArchitecture=x64\r\n");
    EXPECT_EQ(Run(L"/recovery"), 1);

    DeleteFileW(target.c_str());
    Rule("[OS]\r\nExcluded=" + running + "\r\n");
    EXPECT_EQ(Run(L"-RECOVERY"), 0);
    EXPECT_FALSE(Exists(target));  // an unsupported system gets no catalogue
    Rule("[OS]\r\nSupported=99.0+\r\n[Message]\r\nUnsupported=\r\n");
    EXPECT_EQ(Run(), 0);  // no message configured: nothing to answer
    Rule("[OS]\r\nArchitecture=x86\r\n");
    EXPECT_EQ(Run(L"-RECOVERY"), 0);  // the test build runs only on 64-bit
    Rule("[OS]\r\nSupported=Windows 7\r\n");
    EXPECT_EQ(Run(L"-RECOVERY"), 0);  // an unreadable rule supports nothing
    EXPECT_FALSE(Exists(target));
}
