#include <gtest/gtest.h>

#include <windows.h>

#include "LogCapture.h"
#include "RecordingNotice.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "config/AdCatalog.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/EulaCatalog.h"
#include "config/SetupCatalog.h"

namespace {

const char kLayout[] =
    "[Advertisement]\r\nCurrent=Demo\r\nDemo=Ads\r\n[EULA]\r\nCurrent=Lic\r\nLic=Licences\\\r\n";

// Items 1 (Chrome offer), 2 (audio driver), 3 (network driver).
const char kCatalog[] =
    "[SETUP_ITEM]\r\nItemNumber=3\r\n"
    "(1)Title=Google Chrome\r\n(1)Path=Utilities\\GoogleChrome\r\n(1)SetupInIPath=Utilities\\GoogleChrome\r\n"
    "(2)Title=Audio\r\n(2)Path=Drivers\\Realtek_Audio\r\n(2)SetupInIPath=Drivers\\Realtek_Audio\r\n"
    "(3)Title=LAN\r\n(3)Path=Drivers\\Lan\r\n";

// A disc folder of the test's own: LayoutCfg.ini, catalogues, the catalogue
// read into a controller whose progress record lies in the folder too.
class OfferDisc {
public:
    OfferDisc() : m_dir(L"offers")
    {
        Write(L"LayoutCfg.ini", kLayout);
        controller.SetProgressRecordPath(m_dir / L"record.ini");
    }
    bool Write(const std::wstring& name, const std::string& text) { return TempFolder::WriteFile(m_dir / name, text); }
    bool ReadCatalog()
    {
        return Write(L"Ovcd_tmp.ini", kCatalog) && SetupCatalog(controller).GetSetupSettings(m_dir / L"Ovcd_tmp.ini");
    }
    std::wstring operator/(const std::wstring& name) const { return m_dir / name; }
    std::vector<AdEntry> Ads(const std::wstring& kind) const { return AdCatalog(controller, m_dir.Path()).GetAdPathList(kind); }
    EulaCatalog Eulas() const { return EulaCatalog(controller, m_dir.Path()); }

    CController controller;

private:
    TempFolder m_dir;
};

std::vector<std::wstring> Names(const std::vector<EulaEntry>& list)
{
    std::vector<std::wstring> names;
    for (const EulaEntry& entry : list)
        names.push_back(entry.Description);
    return names;
}

const char kAds[] =
    "[Banner]\r\nPath=skipped.png\r\n"
    "[Item1]\r\nDetail=..\\..\\Utilities\\\\GoogleChrome\r\nButton=ByScript\r\nFolder=Images\r\nPath=Chrome.png\r\n"
    "DisplayTime=5\r\nParam=-s\r\n"
    "[Item2]\r\nDetail=Boost\\\r\nButton=ByScript\r\nLanguage=German\r\nFolder=Images\r\nPath=Boost.png\r\n"
    "[item3]\r\nDetail=Boost\r\nButton=bydynamic\r\nLanguage=Auto\r\nFolder=Pics\r\nPath=P.png\r\nDisplayTime=-2\r\n"
    "[Item4]\r\nDetail=Missing\r\nFolder=Images\r\nPath=M.png\r\nDisplayTime=99999999\r\n";

} // namespace

TEST(OfferCatalog, AdvertisementsOfBothKinds)
{
    ReleaseLanguage();
    RecordingNotice notice;
    OfferDisc disc;
    ASSERT_TRUE(disc.ReadCatalog());
    ASSERT_TRUE(disc.Write(L"Ads\\Installing\\AdCfg.ini", kAds));
    ASSERT_TRUE(disc.Write(L"Ads\\Special\\AdCfg.ini", kAds));
    // Installers: the catalogue's Chrome folder two levels up, and a folder of the special kind.
    ASSERT_TRUE(disc.Write(L"Utilities\\GoogleChrome\\OvraSetup.exe", "MZ"));
    ASSERT_TRUE(disc.Write(L"Ads\\Special\\Boost\\OvraSetup.exe", "MZ"));

    const std::wstring installing = disc / L"Ads\\Installing\\";
    const std::vector<AdEntry> ads = disc.Ads(L"Installing");
    ASSERT_EQ(ads.size(), 4u);
    // "..\" removed and backslashes made single before the search: the Chrome item names it.
    EXPECT_EQ(ads[0].ImagePath, installing + L"Images\\\\Chrome.png"); // no language bound: empty folder
    EXPECT_EQ(ads[0].ShowButton, 1);
    EXPECT_EQ(ads[0].DisplayTime, 5000);
    EXPECT_EQ(ads[0].SetupPath, installing + L"..\\..\\Utilities\\GoogleChrome\\OvraSetup.exe");
    EXPECT_EQ(ads[0].Param, L"-s");
    // No item's setup path contains "Boost\": hidden.
    EXPECT_EQ(ads[1].ImagePath, installing + L"Images\\German\\Boost.png");
    EXPECT_EQ(ads[1].ShowButton, 0);
    EXPECT_EQ(ads[1].DisplayTime, 0);
    EXPECT_EQ(ads[1].SetupPath, installing + L"Boost\\OvraSetup.exe");
    EXPECT_EQ(ads[1].Param, L"");
    // "bydynamic" is not the rule's spelling: always shown; a section name in other letters counts.
    EXPECT_EQ(ads[2].ShowButton, 1);
    EXPECT_EQ(ads[2].DisplayTime, -2000);
    // The installer is missing, yet an installing page is listed; its time saturates.
    EXPECT_EQ(ads[3].SetupPath, installing + L"Missing\\OvraSetup.exe");
    EXPECT_EQ(ads[3].DisplayTime, INT32_MAX);

    // Special pages need their installer.
    const std::vector<AdEntry> special = disc.Ads(L"Special");
    ASSERT_EQ(special.size(), 3u);
    EXPECT_EQ(special[0].SetupPath, disc / L"Ads\\Special\\..\\..\\Utilities\\GoogleChrome\\OvraSetup.exe");
    EXPECT_EQ(special[1].SetupPath, disc / L"Ads\\Special\\Boost\\OvraSetup.exe");
    EXPECT_EQ(special[2].ImagePath, disc / L"Ads\\Special\\Pics\\\\P.png");
    EXPECT_TRUE(notice.shown.empty());

    // A kind without a catalogue: nothing, silently.
    EXPECT_TRUE(disc.Ads(L"Other").empty());
    EXPECT_TRUE(notice.shown.empty());

    // "Auto" is the bound language's name.
    const std::wstring langFolder = disc / L"LangFiles";
    ASSERT_TRUE(disc.Write(L"LangFiles\\German.ini", "[Translations]\r\n"));
    ASSERT_TRUE(disc.Write(L"LangFiles\\LangSelect.ini", "[Language]\r\nForce=German\r\n"));
    ASSERT_EQ(BindLanguage(langFolder), 0);
    EXPECT_EQ(disc.Ads(L"Installing")[2].ImagePath, installing + L"Pics\\German\\P.png");
    ReleaseLanguage();
}

TEST(OfferCatalog, ScriptRuleWithoutCatalogueAndDynamicRule)
{
    RecordingNotice notice;
    LogCapture log;
    OfferDisc disc; // no catalogue read: the controller has no catalogue path
    ASSERT_TRUE(disc.Write(L"Ads\\Installing\\AdCfg.ini",
                           "[Item1]\r\nDetail=Anything\r\nButton=ByScript\r\n"
                           "[Item2]\r\nButton=ByDynamic\r\nDllName=OvraIoTest.dll\r\n"
                           "[Item3]\r\nButton=ByDynamic\r\nDllName=OvraIoNone.dll\r\n"
                           "[Item4]\r\nButton=ByDynamic\r\nDllName=NotThere.dll\r\n"
                           "[Item5]\r\nButton=ByDynamic\r\n"));
    ASSERT_TRUE(TempFolder::CopyFrom(TestExeFolder() + L"OvraIoTest.dll", disc / L"OvraIoTest.dll"));
    ASSERT_TRUE(TempFolder::CopyFrom(TestExeFolder() + L"OvraIoNone.dll", disc / L"OvraIoNone.dll"));

    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", L"7");
    std::vector<AdEntry> ads = disc.Ads(L"Installing");
    ASSERT_EQ(ads.size(), 5u);
    EXPECT_EQ(ads[0].ShowButton, 1);
    EXPECT_TRUE(log.Has(L"CController", L"DEBUG", L"[GetAdPathList] Open ini fail"));
    EXPECT_EQ(ads[1].ShowButton, 1);
    EXPECT_EQ(ads[2].ShowButton, 0);
    EXPECT_EQ(ads[3].ShowButton, 0);
    EXPECT_EQ(ads[4].ShowButton, 0);
    // The library is asked at every call.
    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", L"0");
    EXPECT_EQ(disc.Ads(L"Installing")[1].ShowButton, 0);
    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", nullptr);
    EXPECT_EQ(GetModuleHandleW(L"OvraIoTest.dll"), nullptr);
}

TEST(OfferCatalog, SetFolderMessagesOnEveryCall)
{
    RecordingNotice notice;
    OfferDisc disc;
    // No current set: the program folder is the set folder.
    ASSERT_TRUE(disc.Write(L"LayoutCfg.ini", "[Advertisement]\r\nDemo=Ads\r\n[EULA]\r\nCurrent=Lic\r\n"));
    ASSERT_TRUE(disc.Write(L"Special\\AdCfg.ini", "[Item1]\r\nPath=a.png\r\n"));
    ASSERT_TRUE(disc.Write(L"Special\\OvraSetup.exe", "MZ"));
    ASSERT_TRUE(disc.Write(L"EulaCfg.ini", "[Item1]\r\nDescription=Root\r\n"));
    const std::vector<AdEntry> ads = disc.Ads(L"Special");
    ASSERT_EQ(ads.size(), 1u);
    EXPECT_EQ(ads[0].SetupPath, disc / L"Special\\OvraSetup.exe");
    EXPECT_EQ(disc.Eulas().GetEulaCatalog().size(), 1u);
    disc.Ads(L"Special");
    EXPECT_EQ(notice.shown, (std::vector<std::wstring>{L"Do not find current ad in layout config",
                                                       L"Do not find Eula path in layout config",
                                                       L"Do not find current ad in layout config"}));
    notice.shown.clear();
    ASSERT_TRUE(disc.Write(L"LayoutCfg.ini", "[Advertisement]\r\nCurrent=Demo\r\n[EULA]\r\nDemo=x\r\n"));
    disc.Ads(L"Special");
    disc.Eulas().GetEulaList(false);
    EXPECT_EQ(notice.shown, (std::vector<std::wstring>{L"Do not find ad path in layout config",
                                                       L"Do not find current Eula in layout config"}));
}

TEST(OfferCatalog, LicencesFilteredByTheItems)
{
    RecordingNotice notice;
    OfferDisc disc;
    ASSERT_TRUE(disc.ReadCatalog());
    ASSERT_TRUE(disc.Write(L"Licences\\EulaCfg.ini",
                           "[Item1]\r\nDescription=Chrome terms\r\nPath=Chrome\r\nFile=_Terms.txt\r\nEulaName=googleCHROME\r\n"
                           "[Item2]\r\nDescription=Audio licence\r\nPath=Audio\r\nFile=_A.txt\r\nEulaName=realtek_audio\r\n"
                           "Execute=Readme.txt\r\n"
                           "[Item3]\r\nDescription=Audio web\r\nPath=Audio\r\nFile=_A.txt\r\nEulaName=Audio\r\n"
                           "Execute=hTTps://example.com/eula\r\n"
                           "[Other]\r\nDescription=Not an entry\r\nEulaName=Audio\r\n"
                           "[Item4]\r\nDescription=Nobody's\r\nEulaName=Bluetooth\r\n"
                           "[Item5]\r\nDescription=LAN, no file\r\nPath=Lan\r\nFile=_L.txt\r\nEulaName=lan\r\n"));
    ASSERT_TRUE(disc.Write(L"Licences\\Chrome\\XX09_Terms.txt", "terms"));
    ASSERT_TRUE(disc.Write(L"Licences\\Audio\\XX09_A.txt", "audio"));

    const std::vector<EulaEntry> items = disc.Eulas().GetEulaList(false);
    EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"Audio licence", L"Audio web", L"LAN, no file"}));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].EulaName, L"realtek_audio");
    EXPECT_EQ(items[0].FilePath, disc / L"Licences\\Audio\\Readme.txt");
    EXPECT_EQ(items[1].FilePath, L"hTTps://example.com/eula");
    EXPECT_EQ(items[2].FilePath, L"");

    // The offer licence appears only while its item is selected and not yet done.
    const EulaCatalog eulas = disc.Eulas();
    EXPECT_TRUE(eulas.GetEulaList(true).empty());
    EXPECT_FALSE(eulas.MatchEulaToItems(L"GoogleChrome", true));
    CSoftwareCtl* chrome = disc.controller.FindItem(1);
    ASSERT_NE(chrome, nullptr);
    chrome->SetSwSelected(1);
    const std::vector<EulaEntry> offers = eulas.GetEulaList(true);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].FilePath, disc / L"Licences\\Chrome\\XX09_Terms.txt");
    EXPECT_FALSE(eulas.MatchEulaToItems(L"GoogleChrome", false));
    EXPECT_FALSE(eulas.MatchEulaToItems(L"Audio", true));
    chrome->SetDoned(1);
    EXPECT_TRUE(eulas.GetEulaList(true).empty());

    // The whole catalogue: every entry, the localized files, no Execute.
    const std::vector<EulaEntry> all = eulas.GetEulaCatalog();
    EXPECT_EQ(Names(all), (std::vector<std::wstring>{L"Chrome terms", L"Audio licence", L"Audio web", L"Nobody's",
                                                     L"LAN, no file"}));
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[1].FilePath, disc / L"Licences\\Audio\\XX09_A.txt");
    EXPECT_EQ(all[2].FilePath, disc / L"Licences\\Audio\\XX09_A.txt");
    EXPECT_EQ(all[3].FilePath, L"");
    EXPECT_TRUE(notice.shown.empty());

    // No licence catalogue: empty lists, no message.
    DeleteFileW((disc / L"Licences\\EulaCfg.ini").c_str());
    EXPECT_TRUE(eulas.GetEulaCatalog().empty());
    EXPECT_TRUE(eulas.GetEulaList(false).empty());
    EXPECT_TRUE(notice.shown.empty());
}
