#include <gtest/gtest.h>

#include <windows.h>

#include "CompanionHelpers.h"
#include "services/CFileVersionInfo.h"

using namespace companions;

namespace {

std::wstring ReadRegString(const std::wstring& subKey, const std::wstring& name)
{
    wchar_t buffer[512];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, subKey.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

bool KeyExists(const std::wstring& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// One log line, split into its eight fields.
struct LogLine {
    std::vector<std::string> f;
    const std::string& phase() const { return f[2]; }
    const std::string& folder() const { return f[3]; }
    const std::string& workdir() const { return f[4]; }
    const std::string& args() const { return f[5]; }
    const std::string& action() const { return f[6]; }
    const std::string& code() const { return f[7]; }
};

class OvraSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vendor = L"DezTest" + std::to_wstring(GetCurrentProcessId());
        log = scratch.Path() + L"\\run.log";
        SetEnvironmentVariableW(L"OVRASETUP_LOG", log.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + vendor).c_str());
    }
    // An item folder with the program, a payload and the given settings.
    std::wstring Item(const std::wstring& name, const std::string& ini)
    {
        const std::wstring folder = scratch.Sub(name);
        EXPECT_TRUE(CopyInto(L"OvraSetup.exe", folder));
        EXPECT_TRUE(CopyInto(L"OvraPayload2.dll", folder));
        WriteText(folder + L"\\OvraSetup.ini", ini);
        return folder;
    }
    std::vector<LogLine> Log() const
    {
        std::vector<LogLine> lines;
        for (const auto& text : Split(ReadText(log), '\n')) {
            if (text.empty())
                continue;
            LogLine line{Split(text, '\t')};
            EXPECT_EQ(line.f.size(), 8u) << text;
            if (line.f.size() == 8)
                lines.push_back(line);
        }
        return lines;
    }
    std::string StandardIni(const std::string& extra = "") const
    {
        const std::string v = Narrow(vendor);
        return "[Setup]\r\nTitle=Chipset Driver\r\nVersion=10.1.2.3\r\nVendorProductKey=" + v +
               "\\Chipset\r\nInstallMs=600\r\nUninstallMs=100\r\nExitCode=3010\r\n" + extra +
               "[Install]\r\nValue1=HKEY_LOCAL_MACHINE\\SOFTWARE\\" + v + "\\Chipset|DisplayVersion|10.1.2.3\r\n"
               "Value2=HKLM\\SOFTWARE\\" + v + "\\Chipset|Build|dword:1a\r\n"
               "Key1=HKLM\\SOFTWARE\\" + v + "\\Versions\\10.1.2.3\r\n"
               "File1=OvraPayload2.dll|%TEMP%\\" + v + "\\Chipset\\ChipsetSvc.dll\r\n";
    }
    std::wstring Payload() const { return TempFolder() + vendor + L"\\Chipset\\ChipsetSvc.dll"; }

    ScratchFolder scratch{L"dez_ovrasetup"};
    std::wstring vendor;
    std::wstring log;
};

} // namespace

TEST_F(OvraSetupTest, SilentInstallThenSilentUninstall)
{
    const std::wstring item = Item(L"Chipset", StandardIni());
    const std::wstring sw = L"SOFTWARE\\" + vendor;
    DWORD elapsed = 0;
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-s", item, 30000, &elapsed), 3010);
    EXPECT_GE(elapsed, 600u);
    EXPECT_EQ(ReadRegString(sw + L"\\Chipset\\Pavex", L"Version"), L"10.1.2.3");
    EXPECT_EQ(ReadRegString(sw + L"\\Chipset", L"DisplayVersion"), L"10.1.2.3");
    DWORD build = 0, size = sizeof(build);
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, (sw + L"\\Chipset").c_str(), L"Build", RRF_RT_REG_DWORD, nullptr,
                           &build, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(build, 0x1au);
    EXPECT_TRUE(KeyExists(sw + L"\\Versions\\10.1.2.3"));
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(Payload()));
    EXPECT_EQ(info.GetFileVersion(), L"2.1.0.5");

    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-su", item), 3010);
    EXPECT_FALSE(KeyExists(sw));  // every key it made was left empty and went
    EXPECT_FALSE(Exists(Payload()));
    EXPECT_FALSE(Exists(TempFolder() + vendor + L"\\Chipset"));

    const auto lines = Log();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].phase(), "start");
    EXPECT_EQ(lines[0].action(), "install");
    EXPECT_EQ(lines[0].code(), "-");
    EXPECT_EQ(lines[1].phase(), "end");
    EXPECT_EQ(lines[1].code(), "3010");
    EXPECT_EQ(lines[1].args(), "-s");
    EXPECT_EQ(lines[1].folder(), Narrow(item) + "\\");
    EXPECT_EQ(lines[1].workdir(), Narrow(item));
    EXPECT_EQ(lines[3].action(), "uninstall");
    EXPECT_EQ(lines[3].args(), "-su");
}

TEST_F(OvraSetupTest, UninstallKeepsWhatOthersPutThere)
{
    const std::wstring item = Item(L"Chipset", StandardIni());
    const std::wstring sw = L"SOFTWARE\\" + vendor;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (sw + L"\\Chipset").c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t other[] = L"kept";
    RegSetValueExW(key, L"Other", 0, REG_SZ, reinterpret_cast<const BYTE*>(other), sizeof(other));
    RegCloseKey(key);
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-s", item), 3010);
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-su -REINSTALL -RECOVERY", item), 3010);
    EXPECT_EQ(ReadRegString(sw + L"\\Chipset", L"Other"), L"kept");
    EXPECT_EQ(ReadRegString(sw + L"\\Chipset", L"DisplayVersion"), L"<missing>");
    EXPECT_FALSE(KeyExists(sw + L"\\Chipset\\Pavex"));
    EXPECT_FALSE(KeyExists(sw + L"\\Versions"));
}

TEST_F(OvraSetupTest, InteractiveKindsReinstallAndRecovery)
{
    // No window can open here (no display): the interactive kinds run without one.
    const std::wstring item = Item(L"Audio", StandardIni("UninstallExitCode=0\r\nInteractive=toggle\r\n"));
    const std::wstring pavex = L"SOFTWARE\\" + vendor + L"\\Chipset\\Pavex";
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"", item), 3010);  // not installed: installs
    EXPECT_EQ(ReadRegString(pavex, L"Version"), L"10.1.2.3");
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"", item), 0);  // installed: removes
    EXPECT_EQ(ReadRegString(pavex, L"Version"), L"<missing>");
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L" -REINSTALL -RECOVERY", item), 3010);
    EXPECT_EQ(ReadRegString(pavex, L"Version"), L"10.1.2.3");
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-s -REINSTALL", item), 3010);
    EXPECT_EQ(ReadRegString(pavex, L"Version"), L"10.1.2.3");
    EXPECT_TRUE(Exists(Payload()));
    const auto lines = Log();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].action(), "install");
    EXPECT_EQ(lines[3].action(), "uninstall");
    EXPECT_EQ(lines[5].action(), "reinstall");
    EXPECT_EQ(lines[5].args(), "-REINSTALL -RECOVERY");
    EXPECT_EQ(lines[7].action(), "reinstall");
    EXPECT_EQ(RunProgram(item + L"\\OvraSetup.exe", L"-su", item), 0);
}

TEST_F(OvraSetupTest, ManyItemsShareOneLogInOrder)
{
    const std::string v = Narrow(vendor);
    const std::wstring a = Item(L"A", "[Setup]\r\nVendorProductKey=" + v + "\\A\r\nVersion=1.0\r\nExitCode=5\r\n");
    const std::wstring b = Item(L"B", "[Setup]\r\nVendorProductKey=" + v + "\\B\r\nVersion=2.0\r\n");
    EXPECT_EQ(RunProgram(a + L"\\OvraSetup.exe", L"-s", a), 5);
    EXPECT_EQ(RunProgram(b + L"\\OvraSetup.exe", L"-s", b), 0);
    EXPECT_EQ(RunProgram(a + L"\\OvraSetup.exe", L"-su", a), 5);
    EXPECT_EQ(ReadRegString(L"SOFTWARE\\" + vendor + L"\\A\\Pavex", L"Version"), L"<missing>");
    EXPECT_EQ(ReadRegString(L"SOFTWARE\\" + vendor + L"\\B\\Pavex", L"Version"), L"2.0");
    const auto lines = Log();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].folder(), Narrow(a) + "\\");
    EXPECT_EQ(lines[3].folder(), Narrow(b) + "\\");
    EXPECT_EQ(lines[5].folder(), Narrow(a) + "\\");
    EXPECT_EQ(lines[5].code(), "5");
}

TEST_F(OvraSetupTest, MissingOrBadSettingsChangeNothing)
{
    const std::wstring none = scratch.Sub(L"None");
    ASSERT_TRUE(CopyInto(L"OvraSetup.exe", none));
    EXPECT_EQ(RunProgram(none + L"\\OvraSetup.exe", L"-s", none), 2);

    const std::string v = Narrow(vendor);
    const std::wstring bad = Item(L"Bad", "[Setup]\r\nVendorProductKey=" + v + "\\Bad\r\nVersion=1\r\n[Install]\r\n"
                                          "Value1=HKEY_NOWHERE\\x\\y|a|b\r\n");
    EXPECT_EQ(RunProgram(bad + L"\\OvraSetup.exe", L"-s", bad), 1610);
    const std::wstring shallow = Item(L"Shallow", "[Install]\r\nKey1=HKLM\\SOFTWARE\r\n");
    EXPECT_EQ(RunProgram(shallow + L"\\OvraSetup.exe", L"-s", shallow), 1610);
    const std::wstring escape = Item(L"Escape", "[Install]\r\nFile1=..\\other.dll|C:\\x.dll\r\n");
    EXPECT_EQ(RunProgram(escape + L"\\OvraSetup.exe", L"-s", escape), 1610);
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\" + vendor));

    // A payload that is not there fails the install.
    const std::wstring lost = Item(L"Lost", "[Install]\r\nFile1=Missing.dll|%TEMP%\\" + v + "\\m.dll\r\n");
    EXPECT_EQ(RunProgram(lost + L"\\OvraSetup.exe", L"-s", lost), 1603);
    const auto lines = Log();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1].action(), "error: no OvraSetup.ini");
    EXPECT_NE(lines[3].action().find("HKEY_NOWHERE"), std::string::npos);
    EXPECT_EQ(lines[9].action().rfind("install failed: file ", 0), 0u) << lines[9].action();
}
