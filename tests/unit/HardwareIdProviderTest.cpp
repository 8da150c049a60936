#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <thread>

#include "LogCapture.h"
#include "TestCatalog.h"
#include "TestDevice.h"
#include "engine/CVersionHwID.h"
#include "engine/DeviceListRound.h"

namespace {

struct Outcome {
    bool present = false;
    bool read = false;
    std::wstring version;
};

Outcome Ask(TestCatalog& catalog, int itemNo)
{
    SetupItem item = catalog.Item(itemNo);
    CVersionHwID provider;
    provider.SetItem(&item);
    provider.SetIndex(1);
    Outcome outcome;
    outcome.present = provider.IsVersionExist();
    outcome.version = L"stale";
    outcome.read = provider.GetCurrentVersion(outcome.version);
    return outcome;
}

} // namespace

TEST(CVersionHwID, MatchesTheFirstHardwareIdOfPresentDevicesAndReadsTheirDriver)
{
    LogCapture log;
    {
        TestDevice vendor(L"ROOT\\DEZTEST\\0001", {L"DEZTEST\\PROV_A&REV_01", L"DEZTEST\\PROV_SECOND"});
        TestDevice microsoft(L"ROOT\\DEZTEST\\0002", {L"DEZTEST\\PROV_MS"});
        TestDevice noDriver(L"ROOT\\DEZTEST\\0003", {L"DEZTEST\\PROV_NODRV"});
        ASSERT_TRUE(vendor.Registered());
        ASSERT_TRUE(microsoft.Registered());
        ASSERT_TRUE(noDriver.Registered());
        ASSERT_TRUE(vendor.SetDriver(L"5.6.7.8", L"Dez Vendor"));
        ASSERT_TRUE(microsoft.SetDriver(L"10.0.1.2", L"microsoft"));

        TestCatalog catalog(L"DezProvHwId");
        catalog.Set(1, L"HardwareID", L"DEZTEST\\PROV_A")
            .Set(2, L"HardwareID", L" DEZTEST\\NOPE , DEZTEST\\PROV_A&REV ") // second piece, trimmed
            .Set(3, L"HardwareID", L"0")
            .Set(4, L"HardwareID", L"0, DEZTEST\\PROV_A")
            .Set(5, L"HardwareID", L"DEZTEST\\PROV_MS")
            .Set(6, L"HardwareID", L"deztest\\prov_a")           // case matters
            .Set(7, L"HardwareID", L"DEZTEST\\PROV_SECOND")      // only the first ID takes part
            .Set(8, L"HardwareID", L"DEZTEST\\PROV_NODRV")       // matched, but no driver
            .Set(9, L"HardwareID", L"DEZTEST\\NOPE_X,,DEZTEST\\NOPE_Y") // empty piece
            .Set(10, L"HardwareID", L"DEZTEST\\NOPE_X,DEZTEST\\NOPE_Y");
        ASSERT_TRUE(catalog.Write());

        Outcome outcome = Ask(catalog, 1);
        EXPECT_TRUE(outcome.present);
        EXPECT_TRUE(outcome.read);
        EXPECT_EQ(outcome.version, L"5.6.7.8");
        EXPECT_TRUE(log.Has(L"CVersionHwID", L"DEBUG", L"[VersionFunction] Hardware ID: DEZTEST\\PROV_A"));
        EXPECT_TRUE(log.Has(L"CVersionHwID", L"DEBUG", L"[EnumDevice] Hardware ID: DEZTEST\\PROV_A&REV_01"));
        EXPECT_FALSE(log.Has(L"CVersionHwID", L"DEBUG", L"[EnumDevice] Hardware ID: DEZTEST\\PROV_SECOND"));

        outcome = Ask(catalog, 2);
        EXPECT_TRUE(outcome.read);
        EXPECT_EQ(outcome.version, L"5.6.7.8");
        EXPECT_TRUE(log.Has(L"CVersionHwID", L"DEBUG", L"[VersionFunction] Hardware ID: DEZTEST\\NOPE"));

        log.Clear();
        outcome = Ask(catalog, 3);
        EXPECT_FALSE(outcome.present);
        EXPECT_FALSE(outcome.read);
        EXPECT_EQ(outcome.version, L"");
        EXPECT_TRUE(log.Has(L"CVersionHwID", L"ERROR", L"[IsVersionExist] Check Exist Version Fail"));

        outcome = Ask(catalog, 4);
        EXPECT_TRUE(outcome.read);
        EXPECT_EQ(outcome.version, L"5.6.7.8");

        // Windows' own driver: present, but no version of its own.
        outcome = Ask(catalog, 5);
        EXPECT_TRUE(outcome.present);
        EXPECT_TRUE(outcome.read);
        EXPECT_EQ(outcome.version, L"");

        for (int itemNo : {6, 7, 8, 10}) {
            outcome = Ask(catalog, itemNo);
            EXPECT_FALSE(outcome.present) << itemNo;
            EXPECT_FALSE(outcome.read) << itemNo;
        }

        // An empty piece is part of every hardware ID: some present device with a driver matches.
        outcome = Ask(catalog, 9);
        EXPECT_TRUE(outcome.present);
        EXPECT_TRUE(outcome.read);

        log.Clear();
        outcome = Ask(catalog, 11);
        EXPECT_FALSE(outcome.present);
        EXPECT_TRUE(log.Has(L"CVersionHwID", L"WARN", L"[VersionFunction] HardwareID is empty"));
    }
    EXPECT_FALSE(TestDevice::Known(L"ROOT\\DEZTEST\\0001"));
    EXPECT_FALSE(TestDevice::Known(L"ROOT\\DEZTEST\\0002"));
    EXPECT_FALSE(TestDevice::Known(L"ROOT\\DEZTEST\\0003"));
    HKEY classKey = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, TestDevice::kClassKey, 0, KEY_READ, &classKey), ERROR_SUCCESS);
}

TEST(CVersionHwID, HardwareIdListLongerThanTheFirstBufferIsReadAgain)
{
    std::vector<std::wstring> ids{L"DEZTEST\\PROV_LONG&SUBSYS_0001"};
    for (int i = 0; i < 40; ++i)
        ids.push_back(L"DEZTEST\\PROV_LONG_COMPATIBLE_ID_NUMBER_" + std::to_wstring(i));
    size_t bytes = 0;
    for (const auto& id : ids)
        bytes += (id.size() + 1) * sizeof(wchar_t);
    ASSERT_GT(bytes, 2048u);

    LogCapture log;
    TestDevice device(L"ROOT\\DEZTEST\\0004", ids);
    ASSERT_TRUE(device.Registered());
    ASSERT_TRUE(device.SetDriver(L"3.3.0.1", L"Dez Vendor"));
    TestCatalog catalog(L"DezProvHwLong");
    catalog.Set(1, L"HardwareID", L"PROV_LONG&SUBSYS");
    ASSERT_TRUE(catalog.Write());

    const Outcome outcome = Ask(catalog, 1);
    EXPECT_TRUE(outcome.present);
    EXPECT_TRUE(outcome.read);
    EXPECT_EQ(outcome.version, L"3.3.0.1");
    EXPECT_TRUE(log.Has(L"CVersionHwID", L"DEBUG", L"[EnumDevice] Hardware ID: DEZTEST\\PROV_LONG&SUBSYS_0001"));
    const std::wstring reread = L"[EnumDevice] Hardware ID list of " + std::to_wstring(bytes / sizeof(wchar_t) + 1) +
                                L" characters read with a larger buffer";
    EXPECT_EQ(log.Count(L"CVersionHwID", L"DEBUG", reread), 2u) << "once per call";
}

TEST(CVersionHwID, CatalogueThatCannotBeOpenedFails)
{
    SetupItem item;
    item.ItemNo = 1;
    item.CatalogPath = L"C:\\DezNoSuchFolder\\Ovcd_tmp.ini";
    LogCapture log;
    CVersionHwID provider;
    EXPECT_EQ(provider.GetName(), L"CVersionHwID");
    provider.SetItem(&item);
    std::wstring version;
    EXPECT_FALSE(provider.GetCurrentVersion(version));
    EXPECT_FALSE(provider.IsVersionExist());
    EXPECT_EQ(log.Count(L"CVersionHwID", L"ERROR", L"[VersionFunction] Open ini fail"), 2u);
}

TEST(CVersionHwID, ARoundWalksTheDeviceListOnceOnItsOwnThread)
{
    TestCatalog catalog(L"DezProvRound");
    catalog.Set(1, L"HardwareID", L"DEZTEST\\PROV_ROUND");
    ASSERT_TRUE(catalog.Write());
    std::unique_ptr<TestDevice> device;
    {
        DeviceListRound round;
        EXPECT_FALSE(Ask(catalog, 1).present); // the round's snapshot is taken here
        device = std::make_unique<TestDevice>(L"ROOT\\DEZTEST\\0005", std::vector<std::wstring>{L"DEZTEST\\PROV_ROUND"});
        ASSERT_TRUE(device->SetDriver(L"2.2", L"Dez Vendor"));
        {
            DeviceListRound inner;
            EXPECT_FALSE(Ask(catalog, 1).present) << "the outer round's snapshot holds";
        }
        EXPECT_FALSE(Ask(catalog, 1).present);
        // Another thread has no round open: it walks the list itself.
        Outcome other;
        std::thread([&] { other = Ask(catalog, 1); }).join();
        EXPECT_TRUE(other.present);
        EXPECT_EQ(other.version, L"2.2");
    }
    Outcome after = Ask(catalog, 1);
    EXPECT_TRUE(after.present);
    EXPECT_EQ(after.version, L"2.2");
    {
        // Only the device list is held: the driver's values are read at every call.
        DeviceListRound round;
        EXPECT_EQ(Ask(catalog, 1).version, L"2.2");
        ASSERT_TRUE(device->SetDriver(L"2.3", L"Dez Vendor"));
        EXPECT_EQ(Ask(catalog, 1).version, L"2.3");
    }
    device.reset();
    EXPECT_FALSE(Ask(catalog, 1).present);
}
