#include <gtest/gtest.h>

#include <windows.h>

#include "LogCapture.h"
#include "RegTree.h"
#include "TestCatalog.h"
#include "TestDevice.h"
#include "engine/CSoftwareCtl.h"

// The item objects the program builds find installed versions through the
// providers their type codes name.
TEST(EngineDetection, TypeCodesSelectTheProvidersThatDecideVersionAndStatus)
{
    RegTree fixed(HKEY_LOCAL_MACHINE, L"Software\\DezProvEngine");
    ASSERT_TRUE(fixed.SetString(L"Tool\\Pavex", L"Version", L"4.5"));
    ASSERT_TRUE(fixed.SetString(L"App", L"Version", L"2.0"));
    TestDevice device(L"ROOT\\DEZTEST\\0010", {L"DEZTEST\\PROV_ENGINE"});
    TestDevice inbox(L"ROOT\\DEZTEST\\0011", {L"DEZTEST\\PROV_INBOX"});
    ASSERT_TRUE(device.SetDriver(L"1.0.0.1", L"Dez Vendor"));
    ASSERT_TRUE(inbox.SetDriver(L"6.1.7601.0", L"Microsoft"));

    TestCatalog catalog(L"DezProvEngine");
    // Item 1: the registry presence check fails, the hardware ID one succeeds;
    // the file reader fails, the fixed key gives the version.
    catalog.Set(1, L"Exist1Type", L"0")
        .Set(1, L"Exist1RegistryPath", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezProvEngine\\Missing")
        .Set(1, L"Exist2Type", L"3")
        .Set(1, L"HardwareID", L"DEZTEST\\PROV_ENGINE")
        .Set(1, L"Version1Type", L"2")
        .Set(1, L"Version1FilePath", L"%WINDIR%\\DezProvEngine\\missing.exe")
        .Set(1, L"Version2Type", L"1")
        .Set(1, L"VendorProductKey", L"DezProvEngine\\Tool");
    // Item 2: a driver of Windows' own: present without a version.
    catalog.Set(2, L"Exist1Type", L"3").Set(2, L"Version1Type", L"3").Set(2, L"HardwareID", L"DEZTEST\\PROV_INBOX");
    // Item 3: an unknown presence type counts as present; the registry value is older.
    catalog.Set(3, L"Exist1Type", L"7")
        .Set(3, L"Version1Type", L"0")
        .Set(3, L"Version1RegistryPath", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezProvEngine\\App")
        .Set(3, L"Version1RegistryValueName", L"Version");
    // Item 4: nothing present.
    catalog.Set(4, L"Exist1Type", L"1").Set(4, L"VendorProductKey", L"DezProvEngine\\Absent").Set(4, L"Version1Type", L"1");
    ASSERT_TRUE(catalog.Write());

    struct Case {
        int itemNo;
        int existCount;
        int versionCount;
        const wchar_t* catalogVersion;
        const wchar_t* installed;
        ItemStatus status;
    };
    const Case cases[] = {
        {1, 2, 2, L"4.5", L"4.5", ItemStatus::Updated},
        {2, 1, 1, L"1.0", L"", ItemStatus::NotInstalled},
        {3, 1, 1, L"3.0", L"2.0", ItemStatus::Outdated},
        {4, 1, 1, L"1.0", L"", ItemStatus::NotInstalled},
    };
    LogCapture log;
    for (const Case& c : cases) {
        SetupItem item = catalog.Item(c.itemNo);
        item.ExistCount = c.existCount;
        item.VersionCount = c.versionCount;
        item.Version = c.catalogVersion;
        item.UpgradeType = 0;
        CSoftwareCtl control(item, nullptr, nullptr, false);
        ASSERT_TRUE(control.CreateSwObject()) << c.itemNo;
        EXPECT_EQ(control.GetCurrentVersion(1), c.installed) << c.itemNo;
        EXPECT_EQ(control.GetItemStatus(0), c.status) << c.itemNo;
    }
    EXPECT_TRUE(log.Has(L"CSoftwareCtl", L"DEBUG", L"[CreateExistFactory] Create CVersionRegFactory"));
    EXPECT_TRUE(log.Has(L"CSoftwareCtl", L"DEBUG", L"[CreateExistFactory] Create CVersionHwIDFactory"));
    EXPECT_TRUE(log.Has(L"CSoftwareCtl", L"DEBUG", L"[CreateVerFactory] Create CVersionFileFactory"));
    EXPECT_TRUE(log.Has(L"CSoftwareCtl", L"DEBUG", L"[CreateVerFactory] Create CVersionFixRegFactory"));
    EXPECT_TRUE(log.Has(L"CSoftwareCtl", L"DEBUG", L"[CreateVerFactory] unknown Exist Type: 1"));
    EXPECT_TRUE(log.Has(L"CInstallSw", L"ERROR", L"[GetCurrentVersion] Exist Version fail"));
}
