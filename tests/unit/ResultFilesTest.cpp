#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "CatalogTestHelpers.h"
#include "RegTree.h"
#include "TempFolder.h"
#include "app/RunMode.h"
#include "config/CController.h"

TEST(ResultFiles, CurrentTabItemsAppendedWithTheirCachedVersions)
{
    TempFolder folder(L"dez_result");
    RegTree versions(HKEY_LOCAL_MACHINE, L"Software\\DezResultFiles");
    ASSERT_TRUE(versions.SetString(L"Audio", L"Version", L"1.5"));

    CController controller;
    controller.SetProgressRecordPath(folder / L"Ovcd_ProcessLog.ini");
    controller.Paths.WindowsFolder = folder / L"Windows";
    ASSERT_TRUE(CreateDirectoryW(controller.Paths.WindowsFolder.c_str(), nullptr));
    controller.RunMode = MODE_INSTALL_TAB1 | MODE_RECOVERY;
    // Item 1 has an installed version, item 2 none, item 3 lies on another tab.
    ASSERT_TRUE(controller.GetSetupSettings(WriteCatalog(
        folder.Path(),
        "ItemNumber=3\r\n(1)Title=Audio, HD\r\n(1)Tab=0\r\n(1)Version=2.0\r\n(1)ExistCount=1\r\n(1)Exist1Type=7\r\n"
        "(1)VersionCount=1\r\n(1)Version1Type=0\r\n"
        "(1)Version1RegistryPath=HKEY_LOCAL_MACHINE\\SOFTWARE\\DezResultFiles\\Audio\r\n"
        "(1)Version1RegistryValueName=Version\r\n"
        "(2)Title=LAN\r\n(2)Tab=0\r\n(2)Version=3.0\r\n"
        "(3)Title=Office\r\n(3)Tab=1\r\n(3)Version=9.0\r\n")));
    controller.CurrentTab = 0;
    // The lines show the version as last read, not as it is now.
    ASSERT_TRUE(versions.SetString(L"Audio", L"Version", L"1.9"));

    const std::wstring resultLog = controller.Paths.WindowsFolder + L"\\Pavex_result.log";
    const std::wstring errorTag = controller.Paths.WindowsFolder + L"\\Ov_Error.tag";
    const std::string lines = "Audio, HD,2.0,1.5\nLAN,3.0,\n";
    controller.WriteResultLog();
    EXPECT_EQ(TempFolder::ReadFile(resultLog), lines);
    EXPECT_FALSE(TempFolder::Exists(errorTag));
    controller.WriteResultLog();
    EXPECT_EQ(TempFolder::ReadFile(resultLog), lines + lines);

    // The error tag keeps what was there and lists the other tab when that is current.
    ASSERT_TRUE(TempFolder::WriteFile(errorTag, "earlier\n"));
    controller.CurrentTab = 1;
    controller.WriteErrorTag();
    EXPECT_EQ(TempFolder::ReadFile(errorTag), "earlier\nOffice,9.0,\n");

    // A folder that is missing gives no file and no failure.
    controller.Paths.WindowsFolder = folder / L"Missing";
    controller.WriteResultLog();
    EXPECT_FALSE(TempFolder::Exists(controller.Paths.WindowsFolder));
}
