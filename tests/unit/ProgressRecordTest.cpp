#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "CatalogTestHelpers.h"
#include "LogCapture.h"
#include "TempFolder.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "services/IniFile.h"
#include "session/ProgressRecord.h"

namespace {

const std::string kCatalog = "ItemNumber=4\r\n(1)Title=Audio\r\n(2)Title=LAN\r\n(3)Title=Chipset\r\n"
                             "(4)Title=RAID\r\n";

struct Flags {
    int selected;
    int doned;
};

Flags FlagsOf(const CController& controller, int itemNo)
{
    const SetupItem& item = controller.FindItem(itemNo)->Item();
    return {item.Selected, item.Doned};
}

SetupItem ItemNumbered(int itemNo)
{
    SetupItem item;
    item.ItemNo = itemNo;
    return item;
}

} // namespace

TEST(ProgressRecord, RestartKeepsSelectionDoneFlagsAndTime)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"Ovcd_ProcessLog.ini";
    const std::wstring catalog = WriteCatalog(folder.Path(), kCatalog);

    // The first run: items 1, 2 and 4 ticked, 1 installed, then a restart.
    {
        CController first;
        first.SetProgressRecordPath(recordPath);
        first.RunMode = MODE_INSTALL_TAB1;
        ASSERT_TRUE(first.GetSetupSettings(catalog));
        first.FindItem(1)->SetSwSelected(1);
        first.FindItem(2)->SetSwSelected(1);
        first.FindItem(4)->SetSwSelected(1);
        first.FindItem(1)->SetDoned(1);
        first.SaveCurrentTime(42);
        // Without the continuation switch the saved time is not asked for.
        EXPECT_EQ(first.GetSavedTime(), 0);
    }
    // Another writer leaves a value that is not 1: it reads as clear.
    WritePrivateProfileStringW(L"SETUP_INFO", L"(4)Doned", L"2", recordPath.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, recordPath.c_str());

    CController second;
    second.SetProgressRecordPath(recordPath);
    second.RunMode = MODE_INSTALL_TAB1 | MODE_CONTD;
    ASSERT_TRUE(second.GetSetupSettings(catalog));
    EXPECT_EQ(FlagsOf(second, 1).selected, 1);
    EXPECT_EQ(FlagsOf(second, 1).doned, 1);
    EXPECT_EQ(FlagsOf(second, 2).selected, 1);
    EXPECT_EQ(FlagsOf(second, 2).doned, 0);
    EXPECT_EQ(FlagsOf(second, 3).selected, 0);
    EXPECT_EQ(FlagsOf(second, 3).doned, 0);
    EXPECT_EQ(FlagsOf(second, 4).selected, 1);
    EXPECT_EQ(FlagsOf(second, 4).doned, 0);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(4)Doned"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(3)Title"), L"Chipset");
    EXPECT_EQ(second.GetSavedTime(), 42);

    // The installed flag follows the status the list computed and its manual flag.
    CSoftwareCtl& audio = *second.FindItem(1);
    second.SetInstalled(audio, ItemStatus::Updated, 7);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(1)Installed"), L"2");
    second.SetInstalled(audio, ItemStatus::Updated, 0);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(1)Installed"), L"1");
    second.SetInstalled(audio, ItemStatus::Outdated, 1);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(1)Installed"), L"0");

    // A fresh start empties the record again, saved time included.
    CController fresh;
    fresh.SetProgressRecordPath(recordPath);
    fresh.RunMode = MODE_DEFAULT;
    ASSERT_TRUE(fresh.GetSetupSettings(catalog));
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_INFO", L"(2)Selected"), L"0");
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME"), L"<none>");
    fresh.RunMode = MODE_DEFAULT | MODE_CONTD;
    EXPECT_EQ(fresh.GetSavedTime(), 0);
}

TEST(ProgressRecord, UnopenableRecordChangesOnlyMemory)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"missing\\Ovcd_ProcessLog.ini";
    LogCapture log;
    ProgressRecord record(recordPath);
    CSoftwareCtl sw(ItemNumbered(3), nullptr, nullptr, false, &record);

    sw.SetSwSelected(1);
    sw.SetDoned(1);
    EXPECT_EQ(sw.Item().Selected, 1);
    EXPECT_EQ(sw.Item().Doned, 1);
    record.SetInstalled(3, ItemStatus::Updated, 0);
    record.SaveCurrentTime(9);
    EXPECT_EQ(record.GetSavedTime(true), 0);
    EXPECT_EQ(log.Count(L"ProgressRecord", L"DEBUG", L"[SetSwSelected] Open ini fail"), 5u);
    EXPECT_FALSE(TempFolder::Exists(recordPath));

    // A reset whose create fails writes nothing and says why.
    record.ResetProgressRecord(L"B650M", 2);
    EXPECT_EQ(log.Count(L"ProgressRecord", L"DEBUG", L"[SetSwSelected] Open ini fail"), 6u);
}

TEST(ProgressRecord, ConcurrentWritersLoseNothing)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"Ovcd_ProcessLog.ini";
    constexpr int kItems = 150;
    ProgressRecord record(recordPath);
    record.ResetProgressRecord(L"B650M", kItems);

    // The window's thread ticks items and marks them installed while the
    // run's worker marks them done and saves its time, and both read back.
    std::atomic<int> misreads{0};
    std::thread ui([&] {
        for (int n = 1; n <= kItems; ++n) {
            CSoftwareCtl sw(ItemNumbered(n), nullptr, nullptr, false, &record);
            sw.SetSwSelected(1);
            record.SetInstalled(n, ItemStatus::Updated, n % 2);
        }
    });
    std::thread worker([&] {
        for (int n = 1; n <= kItems; ++n) {
            CSoftwareCtl sw(ItemNumbered(n), nullptr, nullptr, false, &record);
            sw.SetDoned(1);
            record.SaveCurrentTime(n);
            misreads += record.GetSavedTime(true) != n;
        }
    });
    ui.join();
    worker.join();
    EXPECT_EQ(misreads.load(), 0);

    IniFile ini;
    ASSERT_TRUE(ini.Open(recordPath));
    int bad = 0;
    for (int n = 1; n <= kItems; ++n) {
        const std::wstring prefix = L"(" + std::to_wstring(n) + L")";
        int selected = -1;
        int doned = -1;
        int installed = -1;
        ini.GetInt(L"SETUP_INFO", prefix + L"Selected", -1, selected);
        ini.GetInt(L"SETUP_INFO", prefix + L"Doned", -1, doned);
        ini.GetInt(L"SETUP_INFO", prefix + L"Installed", -1, installed);
        bad += selected != 1 || doned != 1 || installed != (n % 2 ? 2 : 1);
        // The system's own reader parses the same file alike.
        bad += ReadProfile(recordPath, L"SETUP_INFO", prefix + L"Doned") != L"1";
    }
    ini.Close();
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(ReadProfile(recordPath, L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME"), std::to_wstring(kItems));
    EXPECT_EQ(ReadProfile(recordPath, L"DMI_Info", L"MB_PRODUCTNAME"), L"B650M");
}

TEST(ProgressRecord, ReadsNeverSeeHalfAWrite)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"Ovcd_ProcessLog.ini";
    ProgressRecord record(recordPath);
    record.ResetProgressRecord(L"B650M", 20);
    record.SaveCurrentTime(7);

    // The saved time changes its length at every write, so a read that
    // overlaps a rewrite of the file would find it cut or missing.
    std::atomic<bool> writing{true};
    std::atomic<int> wrong{0};
    std::thread worker([&] {
        for (int i = 0; i < 400; ++i)
            record.SaveCurrentTime(i % 2 ? 7 : 123456789);
        writing = false;
    });
    int reads = 0;
    while (writing || reads < 100) {
        const int seconds = record.GetSavedTime(true);
        wrong += seconds != 7 && seconds != 123456789;
        ++reads;
    }
    worker.join();
    EXPECT_EQ(wrong.load(), 0) << reads;
}

TEST(ProgressRecord, EveryReadSeesTheLastWrite)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"Ovcd_ProcessLog.ini";
    ProgressRecord record(recordPath);
    record.ResetProgressRecord(L"", 1);
    // Writes follow reads faster than the file clock ticks.
    for (int round = 1; round <= 40; ++round) {
        record.SaveCurrentTime(round);
        ASSERT_EQ(record.GetSavedTime(true), round);
        ASSERT_TRUE(record.WriteSelected(1, round % 2));
        IniFile ini;
        ASSERT_TRUE(ini.Open(recordPath));
        int selected = -1;
        ini.GetInt(L"SETUP_INFO", L"(1)Selected", -1, selected);
        ini.Close();
        ASSERT_EQ(selected, round % 2) << round;
    }
}

TEST(ProgressRecord, AFreshRecordIsOneStepForAWriterOfAnotherItem)
{
    TempFolder folder(L"dez_record");
    ProgressRecord record(folder / L"Ovcd_ProcessLog.ini");
    record.ResetProgressRecord(L"B650M", 1);

    // While the run's worker writes item 2's keys (each write reads the file
    // and puts it back), the window's thread saves a time and starts the
    // record afresh: no write of the worker may bring the old record back.
    std::atomic<bool> running{true};
    std::thread worker([&] {
        for (int i = 0; running; ++i) {
            if (i % 2)
                record.WriteDoned(2, i % 3);
            else
                record.SetInstalled(2, ItemStatus::Updated, i % 3);
        }
    });
    int revived = 0;
    for (int round = 1; round <= 100; ++round) {
        record.SaveCurrentTime(round);
        Sleep(round % 3); // lets the worker's write begin
        record.ResetProgressRecord(L"B650M", 1);
        revived += record.GetSavedTime(true) != 0;
    }
    running = false;
    worker.join();
    EXPECT_EQ(revived, 0);
}

TEST(ProgressRecord, ClearingRunFlagsTouchesEveryItemOnceAndNothingElse)
{
    TempFolder folder(L"dez_record");
    const std::wstring recordPath = folder / L"Ovcd_ProcessLog.ini";
    const std::wstring catalog = WriteCatalog(folder.Path(), kCatalog);
    CController controller;
    controller.SetProgressRecordPath(recordPath);
    ASSERT_TRUE(controller.GetSetupSettings(catalog));
    for (int itemNo : {1, 2, 3, 4}) {
        controller.FindItem(itemNo)->SetSwSelected(1);
        controller.FindItem(itemNo)->SetDoned(1);
    }
    controller.Record().SetInstalled(3, ItemStatus::Updated, 0);

    controller.ClearRunFlags();
    for (int itemNo : {1, 2, 3, 4}) {
        EXPECT_EQ(FlagsOf(controller, itemNo).selected, 0) << itemNo;
        EXPECT_EQ(FlagsOf(controller, itemNo).doned, 0) << itemNo;
        const ProgressRecord::ItemFlags stored = controller.Record().ReadItemFlags(itemNo);
        EXPECT_EQ(stored.selected, 0) << itemNo;
        EXPECT_EQ(stored.doned, 0) << itemNo;
    }
    IniFile ini;
    ASSERT_TRUE(ini.Open(recordPath));
    int installed = -1;
    ini.GetInt(L"SETUP_INFO", L"(3)Installed", -1, installed);
    EXPECT_EQ(installed, 1) << "what the run learnt stays";

    // Only the named items: a record shared with another list keeps the rest.
    controller.FindItem(2)->SetSwSelected(1);
    ASSERT_TRUE(controller.Record().ClearRunFlags({1, 3}));
    EXPECT_EQ(controller.Record().ReadItemFlags(2).selected, 1);
}
