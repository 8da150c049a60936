#include <gtest/gtest.h>

#include "ProcessRun.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "session/ProgressRecord.h"

namespace {

// The check tool on a disc folder of its own, with a catalogue beside it.
class OfferCheckDisc {
public:
    OfferCheckDisc() : m_dir(L"offercheck")
    {
        m_ok = TempFolder::CopyFrom(TestExeFolder() + L"Dezozi2Check.exe", m_dir / L"Dezozi2Check.exe") &&
               Write(L"LayoutCfg.ini", "[Advertisement]\r\nCurrent=A\r\nA=Ad\r\n[EULA]\r\nCurrent=E\r\nE=Eula\r\n") &&
               Write(L"Ovcd_tmp.ini", "[SETUP_ITEM]\r\nItemNumber=2\r\n(1)Title=Chrome\r\n(1)Path=Utilities\\GoogleChrome\r\n"
                                      "(1)SetupInIPath=Utilities\\GoogleChrome\r\n(2)Title=Audio\r\n(2)Path=Drivers\\Audio\r\n") &&
               Write(L"Utilities\\GoogleChrome\\OvraSetup.exe", "MZ") &&
               Write(L"Ad\\Special\\AdCfg.ini",
                     "[Item1]\r\nDetail=..\\..\\Utilities\\GoogleChrome\r\nButton=ByScript\r\nLanguage=English\r\n"
                     "Folder=Img\r\nPath=c.png\r\nDisplayTime=8\r\nParam=-s\r\n"
                     "[Item2]\r\nDetail=Gone\r\nFolder=Img\r\nPath=g.png\r\n") &&
               Write(L"Eula\\EulaCfg.ini",
                     "[Item1]\r\nDescription=Chrome terms\r\nPath=C\r\nFile=_t.txt\r\nEulaName=GoogleChrome\r\n"
                     "Execute=http://example.com/t\r\n"
                     "[Item2]\r\nDescription=Audio licence\r\nPath=A\r\nFile=_a.txt\r\nEulaName=Audio\r\n") &&
               Write(L"Eula\\A\\XX09_a.txt", "a");
    }
    bool Ok() const { return m_ok; }
    bool Write(const std::wstring& name, const std::string& text) { return TempFolder::WriteFile(m_dir / name, text); }
    std::string Text(const std::wstring& name) const
    {
        const std::wstring path = m_dir / name;
        return std::string(path.begin(), path.end());
    }
    ProcessResult Run(std::vector<std::wstring> args) const
    {
        return RunProcess(m_dir / L"Dezozi2Check.exe", args, m_dir.Path());
    }
    std::wstring Catalog() const { return m_dir / L"Ovcd_tmp.ini"; }

private:
    TempFolder m_dir;
    bool m_ok = false;
};

} // namespace

TEST(OfferCheck, AdsAndEulasOnAWrittenDisc)
{
    OfferCheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    const std::wstring record = ProgressRecord::DefaultPath();
    const std::string marker = "[SETUP_INFO]\r\n(2)Selected=1\r\n";
    ASSERT_TRUE(TempFolder::WriteFile(record, marker));

    ProcessResult ads = disc.Run({L"ads", L"Special", disc.Catalog()});
    EXPECT_EQ(ads.exitCode, 0u) << ads.err;
    EXPECT_EQ(ads.out, disc.Text(L"Ad\\Special\\Img\\English\\c.png") + "\t1\t8000\t" +
                           disc.Text(L"Ad\\Special\\..\\..\\Utilities\\GoogleChrome\\OvraSetup.exe") + "\t-s\n");
    ProcessResult installing = disc.Run({L"ads", L"Installing", disc.Catalog()});
    EXPECT_EQ(installing.exitCode, 0u);
    EXPECT_EQ(installing.out, "");

    ProcessResult items = disc.Run({L"eulas", disc.Catalog()});
    EXPECT_EQ(items.out, "Audio\tAudio licence\t" + disc.Text(L"Eula\\A\\XX09_a.txt") + "\n");
    ProcessResult none = disc.Run({L"eulas", L"offers", disc.Catalog()});
    EXPECT_EQ(none.exitCode, 0u);
    EXPECT_EQ(none.out, "");
    ProcessResult offers = disc.Run({L"eulas", L"offers", disc.Catalog(), L"--select", L"1,2"});
    EXPECT_EQ(offers.exitCode, 0u) << offers.err;
    EXPECT_EQ(offers.out, "GoogleChrome\tChrome terms\thttp://example.com/t\n");
    ProcessResult all = disc.Run({L"eulas", L"all", disc.Catalog()});
    EXPECT_EQ(all.out, "GoogleChrome\tChrome terms\t\nAudio\tAudio licence\t" + disc.Text(L"Eula\\A\\XX09_a.txt") + "\n");

    // Wrong selections and arguments end with 2 and print nothing.
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {L"eulas", L"offers", disc.Catalog(), L"--select", L"9"},
             {L"eulas", L"offers", disc.Catalog(), L"--select", L"1,,2"},
             {L"eulas", L"all", disc.Catalog(), L"--select", L"1"},
             {L"eulas", L"offers", disc.Catalog(), L"--select"},
             {L"ads"}}) {
        ProcessResult bad = disc.Run(args);
        EXPECT_EQ(bad.exitCode, 2u) << bad.out;
        EXPECT_EQ(bad.out, "");
    }
    // The catalogue cannot be read: the catalog command's failure.
    ProcessResult missing = disc.Run({L"ads", L"Special", disc.Catalog() + L".none"});
    EXPECT_EQ(missing.exitCode, 2u);
    EXPECT_NE(missing.err.find("[GetSetupSettings] Open ini fail"), std::string::npos);

    // The selection went to a throwaway record: the program's own one is untouched.
    EXPECT_EQ(TempFolder::ReadFile(record), marker);
    DeleteFileW(record.c_str());
}
