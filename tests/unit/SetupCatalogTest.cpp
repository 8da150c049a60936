#include <gtest/gtest.h>

#include "CatalogTestHelpers.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "session/ProgressRecord.h"

namespace {

class SetupCatalogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = FreshTempFolder(L"dez_catalog");
        recordPath = folder + L"Ovcd_ProcessLog.ini";
        controller.SetProgressRecordPath(recordPath);
    }

    std::vector<int> ListNumbers() const
    {
        std::vector<int> out;
        for (const auto& sw : controller.Items.Items())
            out.push_back(sw->Item().ItemNo);
        return out;
    }

    bool Read(const std::string& lines, const std::string& more = "")
    {
        return controller.GetSetupSettings(WriteCatalog(folder, lines, more));
    }

    CatalogLogCapture log;
    std::wstring folder;
    std::wstring recordPath;
    CController controller;
};

} // namespace

TEST_F(SetupCatalogTest, OrderingFollowsUnsignedOrderAndLastInstalls)
{
    ASSERT_TRUE(Read("ItemNumber=3\r\n(1)Title=A\r\n(2)Title=B\r\n(3)Title=C\r\n"));
    EXPECT_EQ(ListNumbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(controller.Items.Items()[2]->Item().Order, 3u);

    ASSERT_TRUE(Read("ItemNumber=3\r\n(1)Order=3\r\n(2)Order=1\r\n(3)Order=2\r\n"));
    EXPECT_EQ(ListNumbers(), (std::vector<int>{2, 3, 1}));

    ASSERT_TRUE(Read("ItemNumber=3\r\n(1)Order=5\r\n(2)Order=-1\r\n(3)Order=5\r\n"));
    EXPECT_EQ(ListNumbers(), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(controller.FindItem(2)->Item().Order, 0xFFFFFFFFu);

    ASSERT_TRUE(Read("ItemNumber=3\r\n(1)IsTheLastInstall=1\r\n(2)IsTheLastInstall=1\r\n"
                     "(3)IsTheLastInstall=2\r\n"));
    EXPECT_EQ(ListNumbers(), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(controller.FindItem(3)->Item().IsTheLastInstall, 0);
}

TEST_F(SetupCatalogTest, ItemValuesAndDefaults)
{
    ASSERT_TRUE(Read("ItemNumber=5\r\nCD_Title=Board X Disc\r\n"
                     "(1)Title=Chipset\r\n(1)Description=Intel chipset\r\n(1)ManualDescription=Manual\r\n"
                     "(1)Tab=1,3\r\n(1)Version= 10.1.2 \r\n(1)SoftwareType=1\r\n(1)UpgradeType=3\r\n"
                     "(1)PassWHQL=1\r\n(1)ExistCount=0\r\n(1)VersionCount=0\r\n(1)VersionFile=1\r\n"
                     "(1)InstallMethod=2\r\n(1)InstallFinishType=4\r\n(1)InstallReboot=1\r\n"
                     "(1)UninstallReboot=1\r\n(1)ForceInstall=1\r\n(1)Path=Drivers\\Chipset\r\n"
                     "(2)Tab=2\r\n(2)ForceInstall=2\r\n(2)InstallReboot=1\r\n(2)SoftwareType=5\r\n"
                     "(3)InstallReboot=1\r\n(3)SoftwareType=0\r\n(3)UninstallReboot=2\r\n(5)Title=Last\r\n",
                     "[DMI_Info]\r\nMB_PRODUCTNAME=X570 PRO\r\n"));
    EXPECT_EQ(controller.CdTitle, L"Board X Disc");
    const SetupItem& a = controller.FindItem(1)->Item();
    EXPECT_EQ(a.Title, L"Chipset");
    EXPECT_EQ(a.Description, L"Intel chipset");
    EXPECT_EQ(a.ManualDescription, L"Manual");
    EXPECT_EQ(a.TabIndex, 1);
    EXPECT_EQ(a.TabSubIndex, 3);
    EXPECT_EQ(a.SoftwareType, 1);
    EXPECT_EQ(a.UpgradeType, 3);
    EXPECT_EQ(a.PassWHQL, 1);
    EXPECT_EQ(a.ExistCount, 0);
    EXPECT_EQ(a.VersionCount, 0);
    EXPECT_EQ(a.VersionFile, 1);
    EXPECT_EQ(a.InstallMethod, 2);
    EXPECT_EQ(a.InstallFinishType, 4);
    EXPECT_EQ(a.InstallReboot, 1);
    EXPECT_EQ(a.UninstallReboot, 1);
    EXPECT_EQ(a.ForceInstall, 1);
    EXPECT_EQ(a.Path, L"Drivers\\Chipset");
    EXPECT_EQ(a.CatalogPath, controller.CatalogPath);
    EXPECT_EQ(controller.CatalogPath, folder + L"Ovcd_tmp.ini");

    const SetupItem& b = controller.FindItem(2)->Item();
    EXPECT_EQ(b.TabIndex, 2);
    EXPECT_EQ(b.TabSubIndex, 0);
    EXPECT_EQ(b.ForceInstall, 0);
    EXPECT_EQ(b.InstallReboot, 0); // type 5 never restarts

    const SetupItem& c = controller.FindItem(3)->Item();
    EXPECT_EQ(c.InstallReboot, 0); // type 0 never restarts
    EXPECT_EQ(c.UninstallReboot, 0);

    const SetupItem& d = controller.FindItem(4)->Item();
    EXPECT_EQ(d.Title, L"");
    EXPECT_EQ(d.TabIndex, 0);
    EXPECT_EQ(d.TabSubIndex, 0);
    for (int32_t v : {d.SoftwareType, d.UpgradeType, d.PassWHQL, d.ExistCount, d.VersionCount, d.VersionFile,
                      d.InstallMethod, d.InstallFinishType})
        EXPECT_EQ(v, 999);
    EXPECT_EQ(d.InstallReboot, 0);
    EXPECT_EQ(d.Order, 4u);
    EXPECT_EQ(controller.Items.Count(), 5u);

    ASSERT_TRUE(Read("ItemNumber=0\r\n"));
    EXPECT_EQ(controller.CdTitle, L"OVRA Motherboard Support CD");
    EXPECT_EQ(controller.Items.Count(), 0u);
}

TEST_F(SetupCatalogTest, RecoveryRunClearsRestartFlags)
{
    controller.RunMode = MODE_DEFAULT | MODE_RECOVERY;
    ASSERT_TRUE(Read("ItemNumber=1\r\n(1)InstallReboot=1\r\n(1)UninstallReboot=1\r\n(1)SoftwareType=1\r\n"));
    EXPECT_EQ(controller.FindItem(1)->Item().InstallReboot, 0);
    EXPECT_EQ(controller.FindItem(1)->Item().UninstallReboot, 0);
}

TEST_F(SetupCatalogTest, DependencyTokensAndGroups)
{
    ASSERT_TRUE(Read("ItemNumber=5\r\n(1)Dependency=0xA1 , 0xB2\r\n(2)Dependency=0xA2\r\n"
                     "(3)Dependency=0xA1,,0xB3\r\n(4)Dependency=0xff,0xB\r\n(5)Order=0\r\n(5)Dependency=0xB1\r\n"));
    EXPECT_EQ(controller.FindItem(1)->Item().DependencyTokens, (std::vector<std::wstring>{L"0xA1", L"0xB2"}));
    EXPECT_EQ(controller.FindItem(3)->Item().DependencyTokens, (std::vector<std::wstring>{L"0xA1"}));
    // Partners are appended per token, each in list order (item 5 is first).
    EXPECT_EQ(ListNumbers(), (std::vector<int>{5, 1, 2, 3, 4}));
    EXPECT_EQ(controller.FindItem(1)->Item().GroupFollowers, (std::vector<int32_t>{2}));
    EXPECT_EQ(controller.FindItem(1)->Item().GroupLeaders, (std::vector<int32_t>{3, 5}));
    EXPECT_EQ(controller.FindItem(2)->Item().GroupLeaders, (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(controller.FindItem(3)->Item().GroupLeaders, (std::vector<int32_t>{1}));
    EXPECT_EQ(controller.FindItem(5)->Item().GroupFollowers, (std::vector<int32_t>{1}));
    EXPECT_TRUE(controller.FindItem(4)->Item().GroupFollowers.empty());
    EXPECT_TRUE(controller.FindItem(4)->Item().GroupLeaders.empty());
}

TEST_F(SetupCatalogTest, UnreadableCatalogues)
{
    EXPECT_FALSE(controller.GetSetupSettings(folder + L"missing.ini"));
    EXPECT_TRUE(log.Has(L"[GetSetupSettings] Open ini fail"));
    EXPECT_TRUE(controller.CatalogPath.empty());

    EXPECT_FALSE(Read("CD_Title=x\r\n"));
    EXPECT_EQ(log.Count(L"[GetSetupSettings] Can not find ini tag: ItemNumber"), 1);
    EXPECT_EQ(controller.Items.Count(), 0u);

    // No reset of the progress record without a count, however negative.
    EXPECT_FALSE(Read("ItemNumber=-1\r\n"));
    EXPECT_FALSE(Read("ItemNumber=-7\r\n(1)Title=A\r\n"));
    EXPECT_EQ(log.Count(L"[GetSetupSettings] Can not find ini tag: ItemNumber"), 3);
    EXPECT_EQ(GetFileAttributesW(recordPath.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(controller.Items.Count(), 0u);

    // An absurd count ends at the last item with keys (gaps stay), at once,
    // and so does the record's reset.
    for (const char* count : {"2000000000", "99999999999", "8"}) {
        const DWORD start = GetTickCount();
        ASSERT_TRUE(Read(std::string("ItemNumber=") + count + "\r\n(1)Title=A\r\n(3)Title=C\r\n(3x)Title=X\r\n"))
            << count;
        EXPECT_LT(GetTickCount() - start, 5000u) << count;
        EXPECT_EQ(ListNumbers(), (std::vector<int>{1, 2, 3})) << count;
        EXPECT_TRUE(log.Has(L"cut to 3: no item keys beyond it")) << count;
    }
    std::wstring title = L"?";
    GetPrivateProfileStringW(L"SETUP_INFO", L"(4)Selected", L"none", &title[0], 2, recordPath.c_str());
    EXPECT_EQ(title[0], L'n') << "no record entries past the last item";
}

TEST_F(SetupCatalogTest, ProgressRecordFreshAndContinued)
{
    const std::string catalog = "ItemNumber=3\r\n(1)Title=Audio\r\n(2)Title=LAN\r\n(3)Title=Chipset\r\n"
                                "(3)Version=1.0\r\n";
    ASSERT_TRUE(Read(catalog, "[DMI_Info]\r\nMB_PRODUCTNAME=B650M\r\n"));
    EXPECT_EQ(ReadProfile(recordPath, L"DMI_Info", L"MB_PRODUCTNAME"), L"B650M");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(2)Title"), L"LAN");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(2)Selected"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(3)Doned"), L"0");
    // Item 1 has no version on either side: status None, not installed.
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(1)Installed"), L"0");

    // A continued run keeps the record and brings the flags back (only 1 counts).
    WritePrivateProfileStringW(L"SETUP_INFO", L"(2)Selected", L"1", recordPath.c_str());
    WritePrivateProfileStringW(L"SETUP_INFO", L"(2)Doned", L"1", recordPath.c_str());
    WritePrivateProfileStringW(L"SETUP_INFO", L"(3)Selected", L"2", recordPath.c_str());
    WritePrivateProfileStringW(L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME", L"77", recordPath.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, recordPath.c_str());
    controller.RunMode = MODE_DEFAULT | MODE_CONTD;
    ASSERT_TRUE(Read(catalog));
    EXPECT_EQ(controller.FindItem(2)->Item().Selected, 1);
    EXPECT_EQ(controller.FindItem(2)->Item().Doned, 1);
    EXPECT_EQ(controller.FindItem(3)->Item().Selected, 0);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(3)Selected"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME"), L"77");

    // A fresh run starts the record anew.
    controller.RunMode = MODE_DEFAULT;
    ASSERT_TRUE(Read(catalog));
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(2)Selected"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME"), L"<none>");
    EXPECT_EQ(ReadProfile(recordPath, L"DMI_Info", L"MB_PRODUCTNAME"), L"");
}

TEST_F(SetupCatalogTest, ItemListOperations)
{
    ASSERT_TRUE(Read("ItemNumber=5\r\n"
                     "(1)Title=Realtek Audio Driver\r\n(1)Tab=0\r\n(1)SoftwareType=1\r\n(1)InstallReboot=1\r\n"
                     "(1)UpgradeType=0\r\n"
                     "(2)Title=Google Chrome\r\n(2)Tab=1\r\n(2)SoftwareType=5\r\n(2)UpgradeType=3\r\n"
                     "(2)UninstallReboot=1\r\n"
                     "(3)Title=LAN Driver\r\n(3)Tab=0\r\n(3)SoftwareType=2\r\n(3)UpgradeType=3\r\n"
                     "(3)UninstallReboot=1\r\n"
                     "(4)Title=Chipset\r\n(4)Tab=0\r\n(4)SoftwareType=2\r\n(4)UpgradeType=1\r\n"
                     "(4)UninstallReboot=1\r\n(4)Version=1.0\r\n"
                     "(5)Title=Utility\r\n(5)Tab=4\r\n(5)SoftwareType=3\r\n(5)UpgradeType=1\r\n"
                     "(5)UninstallReboot=1\r\n"));
    EXPECT_EQ(controller.FindItem(3)->Item().Title, L"LAN Driver");
    EXPECT_EQ(controller.FindItem(6), nullptr);
    EXPECT_EQ(controller.FindItem(-1), nullptr);

    controller.CurrentTab = 0;
    EXPECT_EQ(controller.GetListMode(), 0);
    controller.CurrentTab = 1;
    EXPECT_EQ(controller.GetListMode(), 3);
    controller.ForceManual = 1;
    EXPECT_EQ(controller.GetListMode(), 1);
    controller.ForceManual = 0;

    EXPECT_EQ(controller.CountRestarts(), 0);
    for (int n = 1; n <= 5; ++n)
        controller.FindItem(n)->SetSwSelected(1);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(4)Selected"), L"1");
    // 1 install restart, 3 uninstall restart; 4 (not installed) and 5 (None) do not count.
    EXPECT_EQ(controller.CountRestarts(), 2);
    controller.FindItem(1)->SetDoned(1);
    EXPECT_EQ(controller.CountRestarts(), 1);

    // The licence dialogs' cancel: the first pending item whose title contains the name.
    controller.DeselectOfferItem(L"driver");
    EXPECT_EQ(controller.FindItem(1)->Item().Selected, 1); // done, so not pending
    EXPECT_EQ(controller.FindItem(3)->Item().Selected, 0);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(3)Selected"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(3)Doned"), L"0");
    controller.DeselectOfferItem(L"nothing like it");
    EXPECT_EQ(controller.FindItem(2)->Item().Selected, 1);
    EXPECT_EQ(controller.CountRestarts(), 0);

    controller.RefreshVersions();
    for (const auto& sw : controller.Items.Items())
        EXPECT_EQ(sw->GetCurrentVersion(0), L"");
}
