#include <gtest/gtest.h>

#include <windows.h>

#include <mutex>

#include "CatalogTestHelpers.h"
#include "CompanionHelpers.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "engine/CInstallSw.h"
#include "engine/CSoftwareCtl.h"
#include "engine/RunStop.h"
#include "engine/SwRunWorker.h"
#include "services/ProcessKiller.h"
#include "services/SystemRestart.h"
#include "session/SessionNotify.h"

using namespace companions;

namespace {

struct Event {
    int itemNo;
    int event;
    intptr_t param;
};

std::mutex g_eventsLock;
std::vector<Event> g_events;

int RecordEvent(int itemNo, int event, intptr_t param, void*)
{
    std::lock_guard<std::mutex> hold(g_eventsLock);
    g_events.push_back({itemNo, event, param});
    return event == 1 ? 77 : 0;
}

int g_restarts = 0;

// One stand-in item of a test disc.
struct TestItem {
    int upgrade = 0;
    int finishType = 0;
    int reboot = 0;
    int installMs = 200;
    std::string timeout = "";    // InstallFinishTimeOutSecond, missing when empty
    bool installed = false;      // the setup has run before the test
    bool selected = true;
    bool withSetup = true;
};

// A disc below the test program's folder (items' paths are relative to it),
// its catalogue, and the stand-in setup programs with their run log.
class InstallRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vendor = "DezRun" + std::to_string(GetCurrentProcessId());
        discName = L"dez_run_" + std::to_wstring(GetCurrentProcessId());
        disc = TestExeFolder() + discName;
        CreateDirectoryW(disc.c_str(), nullptr);
        log = disc + L"\\setup.log";
        SetEnvironmentVariableW(L"OVRASETUP_LOG", log.c_str());
        previousHook = SystemRestart::SetHook([] { ++g_restarts; });
        g_restarts = 0;
        std::lock_guard<std::mutex> hold(g_eventsLock);
        g_events.clear();
    }
    void TearDown() override
    {
        KillProcessByName(L"OvraSetup.exe");
        SystemRestart::SetHook(previousHook);
        SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\" + vendor).c_str());
        CFileOperation().DeleteTree(disc);
    }

    std::string Key(int n) const { return "HKEY_LOCAL_MACHINE\\SOFTWARE\\" + vendor + "\\Item" + std::to_string(n); }
    std::wstring ItemFolder(int n) const { return disc + L"\\Item" + std::to_wstring(n); }

    // Writes the catalogue; returns its path.
    std::wstring Disc(const std::vector<TestItem>& items)
    {
        std::string lines = "CD_Title=Run test\r\nItemNumber=" + std::to_string(items.size()) + "\r\n";
        for (size_t i = 0; i < items.size(); ++i) {
            const TestItem& t = items[i];
            const int n = static_cast<int>(i + 1);
            const std::string p = "(" + std::to_string(n) + ")";
            auto add = [&](const char* key, const std::string& value) { lines += p + key + "=" + value + "\r\n"; };
            add("Title", "Run item " + std::to_string(n));
            add("Tab", "0,0");
            add("Version", "1." + std::to_string(n));
            add("SoftwareType", "1"); // a driver: its restart flag counts
            add("UpgradeType", std::to_string(t.upgrade));
            add("InstallFinishType", std::to_string(t.finishType));
            add("InstallReboot", std::to_string(t.reboot));
            add("UninstallReboot", "0");
            add("Path", Narrow(discName) + "\\Item" + std::to_string(n));
            add("Order", std::to_string(n));
            if (!t.timeout.empty())
                add("InstallFinishTimeOutSecond", t.timeout);
            add("ExistCount", "1");
            add("VersionCount", "1");
            add("Exist1Type", "0");
            add("Exist1RegistryPath", Key(n) + "\\Pavex");
            add("Exist1RegistryValueName", "Version");
            add("Version1Type", "0");
            add("Version1RegistryPath", Key(n) + "\\Pavex");
            add("Version1RegistryValueName", "Version");

            const std::wstring folder = ItemFolder(n);
            CreateDirectoryW(folder.c_str(), nullptr);
            if (t.withSetup) {
                EXPECT_TRUE(CopyInto(L"OvraSetup.exe", folder));
                WriteText(folder + L"\\OvraSetup.ini",
                          "[Setup]\r\nTitle=Run item\r\nVersion=1." + std::to_string(n) + "\r\nVendorProductKey=" +
                              vendor + "\\Item" + std::to_string(n) + "\r\nInstallMs=" + std::to_string(t.installMs) +
                              "\r\nUninstallMs=100\r\n[Install]\r\n");
                if (t.installed) {
                    EXPECT_EQ(RunProgram(folder + L"\\OvraSetup.exe", L"-s", folder), 0);
                }
            }
        }
        const std::wstring catalog = WriteCatalog(disc + L"\\", lines, "[DMI_Info]\r\nMB_PRODUCTNAME=RUN-BOARD\r\n");
        DeleteFileW(log.c_str()); // only the runs of the test count
        return catalog;
    }

    // A controller on the catalogue with its record beside it; items ticked as asked.
    std::unique_ptr<CController> Controller(const std::wstring& catalog, const std::vector<TestItem>& items,
                                            uint32_t mode = 0, NotifyCallBack notify = &RecordEvent)
    {
        auto controller = std::make_unique<CController>();
        controller->RunMode = mode;
        controller->NotifyFunction = notify;
        controller->SetProgressRecordPath(disc + L"\\Ovcd_ProcessLog.ini");
        controller->Paths.WindowsFolder = disc;
        controller->Paths.LoaderFolder = disc + L"\\Temp\\Pavv2Load";
        EXPECT_TRUE(controller->GetSetupSettings(catalog));
        if (!(mode & MODE_CONTD)) {
            for (size_t i = 0; i < items.size(); ++i)
                controller->FindItem(static_cast<int>(i + 1))->SetSwSelected(items[i].selected ? 1 : 0);
        }
        return controller;
    }

    // The setup starts of the run log: "ItemN args" in order.
    std::vector<std::string> Starts() const
    {
        std::vector<std::string> starts;
        for (const auto& text : Split(ReadText(log), '\n')) {
            const auto f = Split(text, '\t');
            if (f.size() != 8 || f[2] != "start")
                continue;
            std::string folder = f[3];
            while (!folder.empty() && folder.back() == '\\')
                folder.pop_back();
            starts.push_back(folder.substr(folder.find_last_of('\\') + 1) + " " + f[5]);
        }
        return starts;
    }

    std::vector<Event> Events() const
    {
        std::lock_guard<std::mutex> hold(g_eventsLock);
        return g_events;
    }

    std::string vendor;
    std::wstring discName;
    std::wstring disc;
    std::wstring log;
    SystemRestart::Hook previousHook = nullptr;
};

} // namespace

// The run over the selected items: each upgrade type's steps in catalogue
// order, unselected and unknown types left alone, every item done and
// detected with its catalogue version afterwards.
TEST_F(InstallRunTest, RunsTheSelectedItemsByTheirUpgradeTypes)
{
    const std::vector<TestItem> items = {
        {.upgrade = 0},
        {.upgrade = 1},                   // nothing installed: install only
        {.upgrade = 1, .installed = true}, // installed: uninstall first
        {.upgrade = 3},                   // always uninstall first
        {.upgrade = 2},                   // not a known type: nothing runs
        {.upgrade = 0, .selected = false},
    };
    const std::wstring catalog = Disc(items);
    CatalogLogCapture capture; // before the engine objects take their loggers
    auto controller = Controller(catalog, items);
    SwRunWorker::SwExecute(*controller);
    EXPECT_EQ(Starts(), (std::vector<std::string>{"Item1 -s", "Item2 -s", "Item3 -su", "Item3 -s", "Item4 -su",
                                                  "Item4 -s"}));
    for (int n = 1; n <= 4; ++n) {
        CSoftwareCtl* sw = controller->FindItem(n);
        EXPECT_EQ(sw->GetCurrentVersion(1), L"1." + std::to_wstring(n)) << n;
        EXPECT_EQ(sw->Item().Doned, 1) << n;
        EXPECT_EQ(ReadProfile(disc + L"\\Ovcd_ProcessLog.ini", L"SETUP_INFO", L"(" + std::to_wstring(n) + L")Doned"),
                  L"1");
    }
    EXPECT_EQ(controller->FindItem(5)->Item().Doned, 0);
    EXPECT_EQ(controller->FindItem(6)->GetCurrentVersion(1), L"");
    EXPECT_TRUE(capture.Has(L"Detect Finish stop by 0"));
    EXPECT_FALSE(capture.Has(L"Install-TIMEOUT"));
    EXPECT_EQ(g_restarts, 0);
}

// One item's run: the eleven events in order with the restart kind, the
// time-out ending detection while the installer goes on, the recovery
// arguments and doubled time-out, finish type 4, and a missing program.
TEST_F(InstallRunTest, EventsTimeOutsRecoveryAndAMissingProgram)
{
    const std::vector<TestItem> items = {
        {.reboot = 1},
        {.installMs = 6000, .timeout = "1"},
        {.finishType = 4, .installMs = 6000, .timeout = "1"},
        {.reboot = 1, .withSetup = false},
    };
    const std::wstring catalog = Disc(items);
    CatalogLogCapture capture;
    auto controller = Controller(catalog, items, MODE_RECOVERY);

    controller->FindItem(1)->m_pSilentInstall->Execute();
    const std::vector<int> order = {0, 2, 3, 4, 6, 7, 5, 5, 8, 9, 1};
    auto events = Events();
    ASSERT_EQ(events.size(), order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(events[i].event, order[i]) << i;
        EXPECT_EQ(events[i].itemNo, 1);
        EXPECT_EQ(events[i].param, 0) << i; // recovery clears the restart flags
    }
    EXPECT_EQ(g_restarts, 0);
    EXPECT_EQ(controller->FindItem(1)->m_pSilentInstall->Execute(), 77); // the result of event 1
    EXPECT_TRUE(capture.Has(L"[GetTimeoutValue] Software:Run item 1, TimeoutValue:240"));

    // Longer than its time-out: detection ends after a second, the installer runs on.
    const ULONGLONG start = GetTickCount64();
    controller->FindItem(2)->m_pSilentInstall->Execute();
    EXPECT_LT(GetTickCount64() - start, 5500u);
    EXPECT_TRUE(capture.Has(L"[GetTimeoutValue] Software:Run item 2, TimeoutValue:2"));
    EXPECT_TRUE(capture.Has(L"Detect Finish stop by 1"));
    EXPECT_EQ(capture.Count(L"Install-TIMEOUT"), 1);
    // Finish type 4: no doubling, no recovery switches, no time-out line.
    controller->FindItem(3)->m_pSilentInstall->Execute();
    EXPECT_TRUE(capture.Has(L"[GetTimeoutValue] Software:Run item 3, TimeoutValue:1"));
    EXPECT_EQ(capture.Count(L"Install-TIMEOUT"), 1);
    EXPECT_EQ(Starts(), (std::vector<std::string>{"Item1 -s -REINSTALL -RECOVERY", "Item1 -s -REINSTALL -RECOVERY",
                                                  "Item2 -s -REINSTALL -RECOVERY", "Item3 -s"}));
    EXPECT_EQ(KillProcessByName(L"ovrasetup.EXE"), 2); // both still running
    EXPECT_EQ(KillProcessByName(L"OvraSetup.exe"), 0);

    // No program: every event still comes, detection ends at once, and a
    // silent install that restarts (outside recovery) gives kind 1 and restarts.
    {
        std::lock_guard<std::mutex> hold(g_eventsLock);
        g_events.clear();
    }
    auto normal = Controller(catalog, items);
    normal->FindItem(4)->m_pSilentInstall->Execute();
    EXPECT_TRUE(capture.Has(L"[RunSetup] Can not find file"));
    EXPECT_TRUE(capture.Has(L"Detect Finish stop by 0"));
    events = Events();
    ASSERT_EQ(events.size(), order.size());
    EXPECT_EQ(events[8].event, 8);
    EXPECT_EQ(events[8].param, 1);
    EXPECT_EQ(g_restarts, 1);

    int full = 0;
    int half = 0;
    EXPECT_TRUE(controller->GetTimeoutValue(controller->FindItem(1)->Item(), full));
    EXPECT_TRUE(controller->GetHalfTimeoutValue(controller->FindItem(1)->Item(), half));
    EXPECT_EQ(full, 240);
    EXPECT_EQ(half, 120);
}

// A restart in the middle of the run: the walk stops after the item that
// restarts, the continuation is prepared, and a second start in continued
// mode runs exactly the items not done.
TEST_F(InstallRunTest, ContinuesAfterARestartWithTheItemsNotDone)
{
    const std::vector<TestItem> items = {{}, {.reboot = 1}, {}, {.selected = false}};
    const std::wstring catalog = Disc(items);
    {
        auto controller = Controller(catalog, items, 0, &SessionNotify::NotifyCallBack);
        controller->CurrentTab = 0;
        // The loader's folder, as the start-up leaves it.
        CreateDirectoryW((disc + L"\\Temp").c_str(), nullptr);
        CreateDirectoryW(controller->Paths.LoaderFolder.c_str(), nullptr);
        SwRunWorker::SwExecute(*controller);
        EXPECT_EQ(Starts(), (std::vector<std::string>{"Item1 -s", "Item2 -s"}));
        EXPECT_EQ(g_restarts, 1);
        EXPECT_EQ(ReadProfile(controller->Paths.DescriptionPath(), L"Load", L"Param"), L"-contd -i 00"); // the lookup trims the leading space
        controller->DeleteResumeTask();
    }
    DeleteFileW(log.c_str());
    auto continued = Controller(catalog, items, MODE_CONTD);
    EXPECT_EQ(continued->FindItem(1)->Item().Doned, 1);
    EXPECT_EQ(continued->FindItem(2)->Item().Doned, 1);
    EXPECT_EQ(continued->FindItem(3)->Item().Selected, 1);
    SwRunWorker::SwExecute(*continued);
    EXPECT_EQ(Starts(), (std::vector<std::string>{"Item3 -s"}));
    EXPECT_EQ(continued->FindItem(3)->GetCurrentVersion(1), L"1.3");
}

// A stop request ends a run in its start delay and in its detection wait at
// once; the worker's thread ends by itself and starts no further item.
TEST_F(InstallRunTest, StopRequestEndsTheRunPromptly)
{
    const std::vector<TestItem> items = {{.installMs = 20000, .timeout = "60"}, {}};
    const std::wstring catalog = Disc(items);
    auto controller = Controller(catalog, items);

    ASSERT_TRUE(controller->RunWorker.StartAll(*controller));
    EXPECT_FALSE(controller->RunWorker.StartAll(*controller)); // one run at a time
    controller->RunWorker.RequestStop();
    ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(controller->RunWorker.Wait(2000));
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_TRUE(Starts().empty());

    ASSERT_TRUE(controller->RunWorker.StartAll(*controller));
    for (int i = 0; i < 200 && Starts().empty(); ++i)
        Sleep(100);
    ASSERT_EQ(Starts(), std::vector<std::string>{"Item1 -s"});
    start = GetTickCount64();
    controller->RunWorker.RequestStop();
    EXPECT_TRUE(controller->RunWorker.Wait(3000));
    EXPECT_LT(GetTickCount64() - start, 3000u);
    EXPECT_FALSE(controller->RunWorker.IsRunning());
    EXPECT_EQ(Starts(), std::vector<std::string>{"Item1 -s"});
    EXPECT_EQ(controller->FindItem(1)->Item().Doned, 0); // stopped before it could be known installed
    EXPECT_EQ(controller->FindItem(2)->Item().Doned, 0);
    EXPECT_EQ(g_restarts, 0);
    EXPECT_EQ(KillProcessByName(L"OvraSetup.exe"), 1);

    // The stop belonged to that run: an item run directly afterwards (as the
    // list pop-up does on its own thread) still runs to its end.
    DeleteFileW(log.c_str());
    controller->FindItem(2)->ExecuteSingle();
    EXPECT_EQ(Starts(), std::vector<std::string>{"Item2 "});
    EXPECT_EQ(controller->FindItem(2)->GetCurrentVersion(1), L"1.2");
}

namespace {

SwRunWorker* g_stopOnEnd = nullptr;

// Asks for the stop when an item reports its end, as the end of a session does.
int StopAtItemEnd(int itemNo, int event, intptr_t param, void* context)
{
    if (event == 1 && g_stopOnEnd)
        g_stopOnEnd->RequestStop();
    return RecordEvent(itemNo, event, param, context);
}

} // namespace

// A stop that comes after the item's setup has finished does not undo the
// item: it is done, and only the items after it are left for later.
TEST_F(InstallRunTest, StopAfterAFinishedSetupKeepsTheItemDone)
{
    const std::vector<TestItem> items = {{}, {}};
    const std::wstring catalog = Disc(items);
    auto controller = Controller(catalog, items, 0, &StopAtItemEnd);
    g_stopOnEnd = &controller->RunWorker;
    ASSERT_TRUE(controller->RunWorker.StartAll(*controller));
    EXPECT_TRUE(controller->RunWorker.Wait(30000));
    g_stopOnEnd = nullptr;
    EXPECT_EQ(Starts(), std::vector<std::string>{"Item1 -s"});
    EXPECT_EQ(controller->FindItem(1)->GetCurrentVersion(1), L"1.1");
    EXPECT_EQ(controller->FindItem(1)->Item().Doned, 1);
    EXPECT_EQ(controller->FindItem(2)->Item().Doned, 0);
}
