#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "CatalogTestHelpers.h"
#include "CompanionHelpers.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "engine/CDetectFinishProcessPro.h"
#include "engine/CInstallSw.h"
#include "engine/CSoftwareCtl.h"
#include "engine/CSwFactoryKit.h"
#include "engine/OwningFactory.h"
#include "engine/RunStop.h"
#include "engine/SwRunWorker.h"
#include "engine/WatcherThread.h"
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
    int uninstallReboot = 0;
    int waitBefore = -1; // seconds; missing when negative
    int waitAfter = -1;
};

// Marks in the event list that a process watcher object was deleted.
constexpr int kWatcherGone = -1;
bool g_noWatch = false;

// The program's process watcher, which tells when it goes and, when asked,
// cannot start its thread.
class TrackedWatch : public CDetectFinishProcessPro {
public:
    using CDetectFinishProcessPro::CDetectFinishProcessPro;
    ~TrackedWatch() override { RecordEvent(0, kWatcherGone, 0, nullptr); }
    void* StartDetect() override { return g_noWatch ? nullptr : CDetectFinishProcessPro::StartDetect(); }
};

class TrackedWatchKit : public CSwFactoryKit {
public:
    std::unique_ptr<IDetectFinishFactory> NewProcessFinishFactory() override
    {
        return std::make_unique<OwningFactory<IDetectFinishFactory, TrackedWatch, int, bool>>();
    }
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
        g_noWatch = false;
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
            add("UninstallReboot", std::to_string(t.uninstallReboot));
            if (t.waitBefore >= 0)
                add("WaitBeforeInstall", std::to_string(t.waitBefore));
            if (t.waitAfter >= 0)
                add("WaitAfterInstall", std::to_string(t.waitAfter));
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
                                            uint32_t mode = 0, NotifyCallBack notify = &RecordEvent,
                                            SwFactoryKit* kit = nullptr)
    {
        auto controller = std::make_unique<CController>();
        controller->RunMode = mode;
        controller->NotifyFunction = notify;
        controller->FactoryKit = kit;
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
    // Where an event first comes in the list; the list's size when never.
    size_t IndexOf(int event) const
    {
        const auto events = Events();
        return std::find_if(events.begin(), events.end(), [=](const Event& e) { return e.event == event; }) -
               events.begin();
    }
    size_t CountOf(int event) const
    {
        const auto events = Events();
        return std::count_if(events.begin(), events.end(), [=](const Event& e) { return e.event == event; });
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

    // No program: a failed run at once. Nothing is waited for, nothing
    // restarts (the item would restart outside recovery), and it is not done.
    {
        std::lock_guard<std::mutex> hold(g_eventsLock);
        g_events.clear();
    }
    auto normal = Controller(catalog, items);
    capture.lines.clear();
    const ULONGLONG missingStart = GetTickCount64();
    CSoftwareCtl* missing = normal->FindItem(4);
    missing->Item().Selected = 1;
    missing->ExecuteAll(0);
    EXPECT_LT(GetTickCount64() - missingStart, 2000u);
    EXPECT_TRUE(capture.Has(L"[RunSetup] Can not find file"));
    EXPECT_TRUE(capture.Has(L"[Execute] Software No.[4] Run item 4: not started"));
    events = Events();
    std::vector<int> seen;
    for (const auto& event : events)
        seen.push_back(event.event);
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 3, 4, 1}));
    EXPECT_EQ(g_restarts, 0);
    EXPECT_EQ(missing->Item().Doned, 0);
    const SetupRunResult run = missing->LastRun();
    EXPECT_TRUE(run.attempted);
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.reason, L"missing");
    EXPECT_FALSE(run.Succeeded());
    // The item that ran: its exit code; the one past its time-out: still running.
    EXPECT_TRUE(controller->FindItem(1)->m_pSilentInstall->LastRun().Succeeded());
    EXPECT_EQ(controller->FindItem(2)->m_pSilentInstall->LastRun().reason, L"timeout");
    EXPECT_EQ(controller->FindItem(3)->m_pSilentInstall->LastRun().reason, L"still-running");

    int full = 0;
    int half = 0;
    EXPECT_TRUE(controller->GetTimeoutValue(controller->FindItem(1)->Item(), full));
    EXPECT_TRUE(controller->GetHalfTimeoutValue(controller->FindItem(1)->Item(), half));
    EXPECT_EQ(full, 240);
    EXPECT_EQ(half, 120);
}

// A restart in the middle of the run: the walk stops after the item that
// restarts, the continuation is prepared, and a second start in continued
// mode runs exactly the items not done; there an upgrade whose uninstall
// restarts prepares a continuation that skips the uninstall.
TEST_F(InstallRunTest, ContinuesAfterARestartWithTheItemsNotDone)
{
    const std::vector<TestItem> items = {{}, {.reboot = 1}, {.upgrade = 3, .uninstallReboot = 1}, {.selected = false}};
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
    auto continued = Controller(catalog, items, MODE_CONTD, &SessionNotify::NotifyCallBack);
    continued->CurrentTab = 0;
    EXPECT_EQ(continued->FindItem(1)->Item().Doned, 1);
    EXPECT_EQ(continued->FindItem(2)->Item().Doned, 1);
    EXPECT_EQ(continued->FindItem(3)->Item().Selected, 1);
    SwRunWorker::SwExecute(*continued);
    // The restart seam returns here, so the reinstall follows at once.
    EXPECT_EQ(Starts(), (std::vector<std::string>{"Item3 -su", "Item3 -s"}));
    EXPECT_EQ(g_restarts, 2);
    EXPECT_EQ(ReadProfile(continued->Paths.DescriptionPath(), L"Load", L"Param"), L"-contd -i 00 -round");
    continued->DeleteResumeTask();
    EXPECT_EQ(continued->FindItem(3)->GetCurrentVersion(1), L"1.3");
}

// A stop request ends a run in its start delay (of either worker) and in its
// detection wait at once; the worker's thread ends by itself, with its own
// exit code, and starts no further item.
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
    EXPECT_EQ(controller->RunWorker.ExitCode(), SwRunWorker::kRunStopped);
    ASSERT_TRUE(controller->SingleWorker.StartSingle(*controller, 2));
    Sleep(250); // inside its 1 s start delay
    controller->SingleWorker.RequestStop();
    start = GetTickCount64();
    EXPECT_TRUE(controller->SingleWorker.Wait(2000));
    EXPECT_LT(GetTickCount64() - start, 500u);
    EXPECT_EQ(controller->SingleWorker.ExitCode(), SwRunWorker::kRunStopped);
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
    EXPECT_EQ(controller->RunWorker.ExitCode(), SwRunWorker::kRunStopped);
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
    EXPECT_EQ(controller->RunWorker.ExitCode(), SwRunWorker::kRunStopped);
    EXPECT_EQ(Starts(), std::vector<std::string>{"Item1 -s"});
    EXPECT_EQ(controller->FindItem(1)->GetCurrentVersion(1), L"1.1");
    EXPECT_EQ(controller->FindItem(1)->Item().Doned, 1);
    EXPECT_EQ(controller->FindItem(2)->Item().Doned, 0);
}

namespace {

// The event at which the pause test asks for its stop: reached once it came.
int g_reachAt = 0;
HANDLE g_reached = nullptr;

int SignalAtEvent(int itemNo, int event, intptr_t param, void* context)
{
    if (event == g_reachAt && g_reached)
        SetEvent(g_reached);
    return RecordEvent(itemNo, event, param, context);
}

} // namespace

// A stop request ends every pause of a run at once: before the setup, after
// it, the second after that and the settling pause between uninstall and
// reinstall. A setup that finished before the stop leaves its item done,
// but no restart follows.
TEST_F(InstallRunTest, StopRequestEndsEveryPauseAtOnce)
{
    const std::vector<TestItem> items = {
        {.reboot = 1, .waitBefore = 60},
        {.reboot = 1, .waitAfter = 60},
        {.reboot = 1},
        {.upgrade = 1, .installed = true},
    };
    const std::wstring catalog = Disc(items);
    auto controller = Controller(catalog, items, 0, &SignalAtEvent);
    g_reached = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(g_reached, nullptr);
    struct Case {
        int event; // the last event before the pause
        std::vector<std::string> starts;
        int doned;
        size_t restartSteps; // the uninstall before the settling pause had its own
    };
    const Case cases[] = {
        {0, {}, 0, 0},
        {7, {"Item2 -s"}, 1, 0},
        {7, {"Item3 -s"}, 1, 0},
        {1, {"Item4 -su"}, 0, 1},
    };
    for (int n = 1; n <= 4; ++n) {
        const Case& c = cases[n - 1];
        SCOPED_TRACE(n);
        DeleteFileW(log.c_str());
        {
            std::lock_guard<std::mutex> hold(g_eventsLock);
            g_events.clear();
        }
        g_reachAt = c.event;
        ResetEvent(g_reached);
        RunStop stop;
        std::thread run([&] {
            RunStop::Scope bound(stop);
            controller->FindItem(n)->ExecuteAll(0);
        });
        const bool reached = WaitForSingleObject(g_reached, 30000) == WAIT_OBJECT_0;
        Sleep(250); // well inside the pause
        const ULONGLONG start = GetTickCount64();
        stop.Request();
        run.join();
        EXPECT_TRUE(reached);
        EXPECT_LT(GetTickCount64() - start, 500u);
        EXPECT_EQ(Starts(), c.starts);
        EXPECT_EQ(controller->FindItem(n)->Item().Doned, c.doned);
        EXPECT_EQ(CountOf(EVENT_BEFORE_REBOOT), c.restartSteps);
    }
    EXPECT_EQ(g_restarts, 0);
    CloseHandle(g_reached);
    g_reached = nullptr;
}

// Deleting the controller while its runs go on: the runs are stopped and
// waited for before the items go, also when the worker is waiting inside a
// message sent to the deleting thread's window. A new catalogue is refused
// meanwhile. A watcher thread is waited for too.
TEST_F(InstallRunTest, DeletingTheControllerEndsItsRunsFirst)
{
    const std::vector<TestItem> items = {{.installMs = 20000, .timeout = "60"}, {.reboot = 1}};
    const std::wstring catalog = Disc(items);
    TrackedWatchKit kit;
    auto controller = Controller(catalog, items, 0, &RecordEvent, &kit);
    ASSERT_TRUE(controller->SingleWorker.StartSingle(*controller, 1));
    for (int i = 0; i < 100 && Starts().empty(); ++i)
        Sleep(100);
    ASSERT_EQ(Starts(), std::vector<std::string>{"Item1 "});
    CSoftwareCtl* first = controller->FindItem(1);
    EXPECT_FALSE(controller->GetSetupSettings(catalog));
    EXPECT_EQ(controller->FindItem(1), first);
    const ULONGLONG start = GetTickCount64();
    controller.reset();
    EXPECT_LT(GetTickCount64() - start, 3000u);
    EXPECT_LT(IndexOf(1), IndexOf(kWatcherGone)); // the item ended before its objects went
    EXPECT_EQ(g_restarts, 0);

    // The worker sends the restart notice to this thread's window, which
    // this thread does not serve until it deletes the controller.
    CController* owned = Controller(catalog, items, 0, &SessionNotify::NotifyCallBack, &kit).release();
    owned->FindItem(1)->SetSwSelected(0); // the last item: notices, no continuation
    HANDLE deleted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(deleted, nullptr);
    std::atomic<bool> sent{false};
    std::thread window([&] {
        HWND wnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        owned->MainWnd = wnd;
        if (owned->SingleWorker.StartSingle(*owned, 2)) {
            for (int i = 0; i < 300 && !sent; ++i) {
                sent = (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0;
                Sleep(sent ? 0 : 100);
            }
        }
        delete owned;
        DestroyWindow(wnd);
        SetEvent(deleted);
    });
    const bool ended = WaitForSingleObject(deleted, 30000) == WAIT_OBJECT_0;
    ended ? window.join() : window.detach(); // a deadlocked thread is left behind
    CloseHandle(deleted);
    ASSERT_TRUE(ended) << "deleting the controller waited for a worker that waits for it";
    EXPECT_TRUE(sent);
    EXPECT_EQ(g_restarts, 1); // the notice answered, the item went on to its end

    // A watcher's thread has ended when its Stop returns.
    WatcherThread watcher;
    std::atomic<bool> watcherEnded{false};
    HANDLE thread = watcher.Start([&](void* stopEvent) {
        WaitForSingleObject(static_cast<HANDLE>(stopEvent), INFINITE);
        Sleep(300);
        watcherEnded = true;
    });
    ASSERT_NE(thread, nullptr);
    watcher.Stop();
    EXPECT_TRUE(watcherEnded);
}

// A finish watch that cannot be started fails the item's run: the setup may
// still be running, so the item is not done and no restart follows.
TEST_F(InstallRunTest, NoWatchOnTheSetupFailsTheItem)
{
    const std::vector<TestItem> items = {{.reboot = 1}, {.upgrade = 3}};
    const std::wstring catalog = Disc(items);
    TrackedWatchKit kit;
    CatalogLogCapture capture;
    auto controller = Controller(catalog, items, 0, &RecordEvent, &kit);
    g_noWatch = true;
    controller->FindItem(1)->ExecuteAll(0);
    controller->FindItem(2)->ExecuteAll(0);
    for (int i = 0; i < 50 && Starts().size() < 2; ++i)
        Sleep(100); // the setups were not waited for: either may write first
    auto starts = Starts();
    std::sort(starts.begin(), starts.end());
    EXPECT_EQ(starts, (std::vector<std::string>{"Item1 -s", "Item2 -su"}));
    EXPECT_EQ(controller->FindItem(1)->Item().Doned, 0);
    EXPECT_EQ(controller->FindItem(2)->Item().Doned, 0);
    EXPECT_EQ(capture.Count(L"[DetectFinish] No watch on the setup's end, Software:(1)"), 1);
    EXPECT_EQ(CountOf(EVENT_BEFORE_REBOOT), 0u);
    EXPECT_EQ(g_restarts, 0);
}
