#include <gtest/gtest.h>

#include <windows.h>

#include "LogCapture.h"
#include "RegTree.h"
#include "TestCatalog.h"
#include "engine/CVersionFixReg.h"
#include "engine/CVersionReg.h"

namespace {

const std::wstring kAppKey = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezProvReg";

} // namespace

TEST(CVersionReg, ReadsNamedValuesStringsAndDwordsFromTheirFamily)
{
    RegTree tree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\DezProvReg");
    ASSERT_TRUE(tree.SetString(L"App", L"DisplayVersion", L"2.5.1"));
    ASSERT_TRUE(tree.SetDword(L"App", L"Build", 255));
    ASSERT_TRUE(tree.SetString(L"App", L"Marker", L"yes"));
    TestCatalog catalog(L"DezProvReg");
    catalog.Set(4, L"Exist1RegistryPath", kAppKey + L"\\App")
        .Set(4, L"Exist1RegistryValueName", L"marker")
        .Set(4, L"Version1RegistryPath", kAppKey + L"\\App")
        .Set(4, L"Version1RegistryValueName", L"DISPLAYVERSION") // value names in any case
        .Set(4, L"Version2RegistryPath", kAppKey + L"\\App")
        .Set(4, L"Version2RegistryValueName", L"Build")
        .Set(4, L"Version3RegistryPath", kAppKey + L"\\App")
        .Set(4, L"Version3RegistryValueName", L"NoSuchValue")
        .Set(4, L"Exist2RegistryPath", kAppKey + L"\\Missing")
        .Set(4, L"Exist2RegistryValueName", L"Marker");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(4);

    LogCapture log;
    CVersionReg reg;
    EXPECT_EQ(reg.GetName(), L"CVersionReg");
    reg.SetItem(&item);
    reg.SetIndex(1);
    std::wstring version = L"stale";
    ASSERT_TRUE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"2.5.1");
    EXPECT_TRUE(reg.IsVersionExist());
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[VersionFunction] Enter, verType: 1"));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[VersionFunction] VersionRegistryPath: " + kAppKey + L"\\App"));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[VersionFunction] VersionRegistryValueName: DISPLAYVERSION"));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[VersionFunction] ExistRegistryValueName: marker"));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[GetCurrentVersion] End"));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"DEBUG", L"[IsVersionExist] Enter"));

    // A DWORD reads as eight lowercase hex digits and a line feed.
    reg.SetIndex(2);
    ASSERT_TRUE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"000000ff\n");

    // A missing value fails and leaves nothing behind.
    reg.SetIndex(3);
    version = L"stale";
    EXPECT_FALSE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"");
    EXPECT_TRUE(log.Has(L"CVersionReg", L"ERROR", L"[VersionFunction] Get version false"));

    // Presence of a key that does not exist fails (no Wow6432Node twin either).
    log.Clear();
    reg.SetIndex(2);
    EXPECT_FALSE(reg.IsVersionExist());
    EXPECT_TRUE(log.Has(L"CVersionReg", L"ERROR", L"[IsVersionExist] Check Exist Version Fail"));

    // Position 5 has no keys at all.
    reg.SetIndex(5);
    EXPECT_FALSE(reg.GetCurrentVersion(version));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"WARN", L"[VersionFunction] RegistryPath is empty"));
}

TEST(CVersionReg, EmptyValueNameTakesTheFirstDottedSubkeyName)
{
    RegTree tree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\DezProvReg");
    ASSERT_TRUE(tree.SetString(L"Scan", L"Any", L"x"));
    ASSERT_TRUE(tree.CreateKey(L"Scan\\Data"));
    ASSERT_TRUE(tree.CreateKey(L"Scan\\3.2.1"));
    ASSERT_TRUE(tree.CreateKey(L"Plain\\Data"));
    TestCatalog catalog(L"DezProvScan");
    catalog.Set(2, L"Version1RegistryPath", kAppKey + L"\\Scan")
        .Set(2, L"Version2RegistryPath", kAppKey + L"\\Plain")
        .Set(2, L"Version3RegistryPath", kAppKey + L"\\Gone");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(2);

    LogCapture log;
    CVersionReg reg;
    reg.SetItem(&item);
    reg.SetIndex(1);
    std::wstring version;
    ASSERT_TRUE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"3.2.1");

    // Subkeys without a dot: found, but no version.
    reg.SetIndex(2);
    version = L"stale";
    EXPECT_TRUE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"");

    // Nothing loaded: a failure.
    reg.SetIndex(3);
    EXPECT_FALSE(reg.GetCurrentVersion(version));
    EXPECT_TRUE(log.Has(L"CVersionReg", L"ERROR", L"[VersionFunction] Get version false"));
}

TEST(CVersionReg, KeyOnlyUnderWow6432NodeIsFoundBySecondLoad)
{
    RegTree tree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Wow6432Node\\DezProvWow");
    ASSERT_TRUE(tree.SetString(L"App", L"Version", L"7.1"));
    ASSERT_TRUE(tree.CreateKey(L"Scan\\4.0.2"));
    TestCatalog catalog(L"DezProvWow");
    catalog.Set(1, L"Exist1RegistryPath", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezProvWow\\App")
        .Set(1, L"Exist1RegistryValueName", L"Version")
        .Set(1, L"Version1RegistryPath", L"HKEY_LOCAL_MACHINE\\Software\\DezProvWow\\Scan");
    ASSERT_TRUE(catalog.Write());
    SetupItem item = catalog.Item(1);

    CVersionReg reg;
    reg.SetItem(&item);
    reg.SetIndex(1);
    EXPECT_TRUE(reg.IsVersionExist());
    // The scan strips the changed path, so the subkey name alone is left.
    std::wstring version;
    ASSERT_TRUE(reg.GetCurrentVersion(version));
    EXPECT_EQ(version, L"4.0.2");
}

TEST(CVersionFixReg, ReadsTheProductsPavexKeyInEitherView)
{
    RegTree native(HKEY_LOCAL_MACHINE, L"Software\\DezProvVendor");
    RegTree wow(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\DezProvVendor");
    ASSERT_TRUE(native.SetString(L"Native\\Pavex", L"Version", L"1.2.3"));
    ASSERT_TRUE(wow.SetString(L"Legacy\\Pavex", L"Version", L"0.9"));
    ASSERT_TRUE(native.SetString(L"NoVersion\\Pavex", L"Other", L"x"));
    TestCatalog catalog(L"DezProvFix");
    catalog.Set(1, L"VendorProductKey", L"DezProvVendor\\Native")
        .Set(2, L"VendorProductKey", L"DezProvVendor\\Legacy")
        .Set(3, L"VendorProductKey", L"DezProvVendor\\NoVersion")
        .Set(5, L"VendorProductKey", L"DezProvVendor\\Absent");
    ASSERT_TRUE(catalog.Write());

    LogCapture log;
    CVersionFixReg fix;
    EXPECT_EQ(fix.GetName(), L"CVersionFixReg");
    SetupItem item = catalog.Item(1);
    fix.SetItem(&item);
    fix.SetIndex(7); // the fixed key has no position
    std::wstring version;
    ASSERT_TRUE(fix.GetCurrentVersion(version));
    EXPECT_EQ(version, L"1.2.3");
    EXPECT_TRUE(fix.IsVersionExist());
    EXPECT_TRUE(log.Has(L"CVersionFixReg", L"DEBUG",
                        L"[VersionFunction] RegistryPath: HKEY_LOCAL_MACHINE\\Software\\DezProvVendor\\Native\\Pavex"));
    EXPECT_FALSE(log.Has(L"CVersionFixReg", L"DEBUG", L"[VersionFunction] Find Wow6432Node in Registry"));

    item = catalog.Item(2);
    ASSERT_TRUE(fix.GetCurrentVersion(version));
    EXPECT_EQ(version, L"0.9");
    EXPECT_TRUE(log.Has(L"CVersionFixReg", L"DEBUG", L"[VersionFunction] Find Wow6432Node in Registry"));
    EXPECT_TRUE(log.Has(
        L"CVersionFixReg", L"DEBUG",
        L"[VersionFunction] RegistryPath: HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\DezProvVendor\\Legacy\\Pavex"));

    log.Clear();
    for (int itemNo : {3, 5}) {
        item = catalog.Item(itemNo);
        version = L"stale";
        EXPECT_FALSE(fix.GetCurrentVersion(version)) << itemNo;
        EXPECT_EQ(version, L"");
        EXPECT_FALSE(fix.IsVersionExist()) << itemNo;
    }
    EXPECT_EQ(log.Count(L"CVersionFixReg", L"ERROR", L"[VersionFunction] Get version false"), 4u);
    EXPECT_EQ(log.Count(L"CVersionFixReg", L"ERROR", L"[IsVersionExist] Check Exist Version Fail"), 2u);

    item = catalog.Item(9);
    EXPECT_FALSE(fix.IsVersionExist());
    EXPECT_TRUE(log.Has(L"CVersionFixReg", L"WARN", L"[VersionFunction] VendorProduct is empty"));
}

TEST(CVersionReg, CatalogueThatCannotBeOpenedFailsEveryRegistryProvider)
{
    SetupItem item;
    item.ItemNo = 1;
    item.CatalogPath = L"C:\\DezNoSuchFolder\\Ovcd_tmp.ini";
    LogCapture log;
    CVersionReg reg;
    CVersionFixReg fix;
    std::wstring version;
    for (ICurrentVersionProvide* provider : {static_cast<ICurrentVersionProvide*>(&reg),
                                             static_cast<ICurrentVersionProvide*>(&fix)}) {
        // Without a record at all, too.
        EXPECT_FALSE(provider->GetCurrentVersion(version));
        provider->SetItem(&item);
        provider->SetIndex(1);
        EXPECT_FALSE(provider->GetCurrentVersion(version));
        EXPECT_FALSE(provider->IsVersionExist());
    }
    EXPECT_EQ(log.Count(L"CVersionReg", L"ERROR", L"[VersionFunction] Open ini fail"), 3u);
    EXPECT_EQ(log.Count(L"CVersionFixReg", L"ERROR", L"[VersionFunction] Open ini fail"), 3u);
}
