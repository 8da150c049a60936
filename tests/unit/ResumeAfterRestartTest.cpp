#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "CatalogTestHelpers.h"
#include "CompanionHelpers.h"
#include "LogCapture.h"
#include "TaskSchedTestHelpers.h"
#include "TempFolder.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "engine/NotifyCallBack.h"
#include "services/OvTaskSchedApi.h"
#include "session/ProgressRecord.h"
#include "session/SessionNotify.h"
#include "ui/WindowMessages.h"
#include "ui/skin/StyleSheet.h"

namespace {

const wchar_t kTask[] = L"PavexLoad";

// A real window that keeps every private message it gets.
class MessageWindow {
public:
    MessageWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DezResumeTestWindow";
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    }
    ~MessageWindow()
    {
        if (hwnd)
            DestroyWindow(hwnd);
    }
    void Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    HWND hwnd = nullptr;
    std::vector<std::pair<UINT, WPARAM>> got;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(wnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (self && msg >= kWmUser && msg < kWmUser + 0x100)
            self->got.emplace_back(msg, wParam);
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
};

class ResumeAfterRestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        comOk = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ASSERT_TRUE(comOk) << "the task checks need COM on this thread";
        ASSERT_NE(window.hwnd, nullptr);
        controller.SetProgressRecordPath(folder / L"Ovcd_ProcessLog.ini");
        controller.Paths.WindowsFolder = folder / L"Windows";
        controller.Paths.LoaderFolder = folder / L"Windows\\Temp\\Pavv2Load";
        controller.Paths.ProgramPath = folder / L"Disc\\Dezozi2.exe";
        controller.Paths.ProgramFolder = TestExeFolder();
        ASSERT_TRUE(TempFolder::WriteFile(controller.Paths.LoaderFolder + L"\\Loading.exe", "MZ"));
        controller.GetStyleSheet()->SetLayoutFolder(folder / L"Disc\\Layout\\Blue\\");
        controller.DeleteResumeTask();
    }
    void TearDown() override
    {
        controller.DeleteResumeTask();
        EXPECT_FALSE(TaskExists(kTask));
        if (comOk)
            CoUninitialize();
    }

    // Three selected items of the Utilities tab; the ones before `finishing` are done.
    void ReadCatalog(uint32_t runMode, int finishing)
    {
        controller.RunMode = runMode;
        ASSERT_TRUE(controller.GetSetupSettings(WriteCatalog(
            folder.Path(), "ItemNumber=3\r\n(1)Title=Audio\r\n(1)Tab=1\r\n(2)Title=LAN\r\n(2)Tab=1\r\n"
                           "(3)Title=Chipset\r\n(3)Tab=1\r\n")));
        controller.CurrentTab = 1;
        for (int n = 1; n <= 3; ++n) {
            controller.FindItem(n)->SetSwSelected(1);
            controller.FindItem(n)->SetDoned(n < finishing ? 1 : 0);
        }
    }
    std::wstring Description(const wchar_t* key) const
    {
        return ReadProfile(controller.Paths.DescriptionPath(), L"Load", key);
    }
    int Count(UINT msg) const
    {
        int n = 0;
        for (const auto& [m, item] : window.got)
            n += m == msg;
        return n;
    }

    bool comOk = false;
    TempFolder folder{L"dez_resume"};
    MessageWindow window;
    CController controller;
};

} // namespace

TEST_F(ResumeAfterRestartTest, RestartDecisionForEveryKindAndMode)
{
    struct Case {
        uint32_t mode;
        int kind;
        int finishing; // 2: a middle item, 3: the last one
        int checkMessages;
        int restartMessages;
        const wchar_t* param; // null: no continuation
    };
    const uint32_t normal = MODE_INSTALL_TAB2;
    const uint32_t recovery = MODE_INSTALL_TAB2 | MODE_RECOVERY;
    const uint32_t check = MODE_INSTALL_TAB2 | MODE_CHECK;
    const Case cases[] = {
        {normal, 0, 2, 0, 0, nullptr},
        {check, 0, 3, 0, 0, nullptr},
        {normal, 1, 2, 0, 0, L"-contd -i 01"},
        {normal, 1, 3, 0, 1, nullptr},
        {recovery, 1, 2, 0, 0, L"-contd -i 01"},
        {recovery, 1, 3, 0, 0, nullptr},
        {normal, 2, 2, 0, 1, L"-contd -i 01"},
        {normal, 2, 3, 0, 2, nullptr},
        {recovery, 2, 3, 0, 1, nullptr},
        {normal, 3, 3, 0, 0, L"-contd -i 01 -round"},
        {normal, 3, 2, 0, 0, L"-contd -i 01 -round"},
        {check, 1, 3, 1, 1, nullptr},
        {check | MODE_RECOVERY, 1, 2, 1, 0, L"-contd -i 01"},
        {check | MODE_CONTD, 3, 3, 1, 0, L"-contd -i 01 -round"},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << index);
        ReadCatalog(c.mode, c.finishing);
        controller.SaveCurrentTime(-1);
        DeleteFileW(controller.Paths.DescriptionPath().c_str());
        controller.DeleteResumeTask();
        window.got.clear();
        controller.MainWnd = window.hwnd;
        controller.ElapsedSeconds = 100 + index;

        EXPECT_EQ(controller.NotifyFunction(c.finishing, EVENT_BEFORE_REBOOT, c.kind, &controller), 0);
        EXPECT_EQ(Count(MSG_CHECK_INSTALLED), c.checkMessages);
        EXPECT_EQ(Count(MSG_RESTART_REQUIRED), c.restartMessages);
        for (const auto& [msg, item] : window.got)
            EXPECT_EQ(item, static_cast<WPARAM>(c.finishing));
        // An installed item is recorded done before the restart can end the program.
        EXPECT_EQ(controller.Record().ReadItemFlags(c.finishing).doned, c.kind == 1 ? 1 : 0);
        controller.RunMode |= MODE_CONTD; // to read the saved time back
        if (c.param) {
            EXPECT_EQ(Description(L"Param"), c.param);
            EXPECT_EQ(Description(L"Path"), controller.Paths.ProgramPath);
            EXPECT_EQ(Description(L"ImgPath"), folder / L"Disc\\Layout\\Blue\\");
            EXPECT_TRUE(TaskExists(kTask));
            EXPECT_EQ(controller.GetSavedTime(), 100 + index);
        } else {
            EXPECT_FALSE(TempFolder::Exists(controller.Paths.DescriptionPath()));
            EXPECT_FALSE(TaskExists(kTask));
            EXPECT_EQ(controller.GetSavedTime(), -1);
        }
        ++index;
    }
}

TEST_F(ResumeAfterRestartTest, ContinuationFromTheRunsWorkerThread)
{
    ReadCatalog(MODE_INSTALL_TAB2 | MODE_CHECK, 2);
    controller.MainWnd = window.hwnd;
    controller.ElapsedSeconds = 321;
    LogCapture log;
    // The worker waits for the window's answers while this thread pumps.
    int result = -1;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = controller.NotifyFunction(2, EVENT_BEFORE_REBOOT, 1, &controller);
        done = true;
    });
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        window.Pump();
    }
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Count(MSG_CHECK_INSTALLED), 1);
    EXPECT_EQ(Count(MSG_RESTART_REQUIRED), 0);
    EXPECT_TRUE(TaskExists(kTask));
    EXPECT_EQ(ReadProfile(folder / L"Ovcd_ProcessLog.ini", L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME"), L"321");
    EXPECT_EQ(log.Messages(L"CController"),
              (std::vector<std::wstring>{L"[NotifyCallBack][EVENT_BEFORE_REBOOT][Enter]",
                                         L"[NotifyCallBack][EVENT_BEFORE_REBOOT]Install is not finished",
                                         L"[NotifyCallBack][EVENT_BEFORE_REBOOT][End]"}));
    const std::wstring loadLine = L"Load.Path, Param, ImgPath: " + controller.Paths.ProgramPath +
                                  L",  -contd -i 01, " + folder.Path() + L"Disc\\Layout\\Blue\\";
    EXPECT_EQ(log.Messages(L"ResumeTask"),
              (std::vector<std::wstring>{L"[AddScheduleTask][Enter]", L"[CreateLoadingFile][Enter]", loadLine,
                                         L"[AddScheduleTask][End]"}));
}

TEST_F(ResumeAfterRestartTest, ItemBeginAndEndArePostedToAnExistingWindow)
{
    ReadCatalog(MODE_DEFAULT, 1);
    EXPECT_EQ(controller.NotifyFunction(2, 0, 0, &controller), 0);
    controller.MainWnd = window.hwnd;
    EXPECT_EQ(controller.NotifyFunction(2, 0, 0, &controller), 1);
    EXPECT_EQ(controller.NotifyFunction(3, 1, 0, &controller), 1);
    EXPECT_EQ(controller.NotifyFunction(3, 5, 0, &controller), 0);
    EXPECT_TRUE(window.got.empty()); // posted, not sent
    window.Pump();
    EXPECT_EQ(window.got, (std::vector<std::pair<UINT, WPARAM>>{{MSG_ITEM_BEGIN, 2}, {MSG_ITEM_END, 3}}));

    // Without a main window nothing is posted or sent, and a restart then
    // goes without notice; the window itself is still there to tell.
    window.got.clear();
    controller.RunMode = MODE_DEFAULT | MODE_CHECK;
    controller.MainWnd = nullptr;
    EXPECT_EQ(controller.NotifyFunction(2, 1, 0, &controller), 0);
    controller.NotifyFunction(3, EVENT_BEFORE_REBOOT, 2, &controller);
    window.Pump();
    EXPECT_TRUE(window.got.empty());
    // A window that is gone: posting fails and the restart still goes ahead.
    controller.MainWnd = window.hwnd;
    ASSERT_TRUE(DestroyWindow(window.hwnd));
    window.hwnd = nullptr;
    EXPECT_EQ(controller.NotifyFunction(2, 1, 0, &controller), 0);
    LogCapture log;
    controller.NotifyFunction(3, EVENT_BEFORE_REBOOT, 2, &controller);
    EXPECT_TRUE(log.Has(L"CController", L"WARN", L"[NotifyCallBack][EVENT_BEFORE_REBOOT][End]"));
    EXPECT_EQ(SessionNotify::NotifyCallBack(1, 0, 0, nullptr), 0);
}

TEST_F(ResumeAfterRestartTest, DescriptionWithoutLibraryAndUnwritableDescription)
{
    // Without the task library the description is written but no task registered.
    controller.Paths.ProgramFolder = folder.Path();
    controller.AddScheduleTask(L" -contd -i 00");
    EXPECT_EQ(Description(L"Param"), L"-contd -i 00");
    EXPECT_FALSE(TaskExists(kTask));

    // A description that cannot be created is tried three times; the task
    // still names the loader.
    controller.Paths.ProgramFolder = TestExeFolder();
    controller.Paths.LoaderFolder = folder / L"Absent\\Pavv2Load";
    LogCapture log;
    controller.AddScheduleTask(L" -contd -i 00");
    EXPECT_EQ(log.Count(L"ResumeTask", L"WARN", L"[CreateLoadingFile] Create Loading ini fail ErrMsg:3"), 3u);
    EXPECT_EQ(log.Count(L"ResumeTask", L"WARN", L"[CreateLoadingFile] Open Loading ini fail"), 3u);
    EXPECT_TRUE(TaskExists(kTask));

    // The next start removes it.
    controller.DeleteResumeTask();
    EXPECT_FALSE(TaskExists(kTask));
}

TEST_F(ResumeAfterRestartTest, LeftoverTaskRemovedAlongsideNeverTakesANewOne)
{
    controller.AddScheduleTask(L" -contd -i 01");
    ASSERT_TRUE(TaskExists(kTask));
    // A registration right after the start waits for the removal, so the
    // task it makes survives.
    controller.DeleteResumeTaskMeanwhile();
    controller.AddScheduleTask(L" -contd -i 02");
    EXPECT_TRUE(TaskExists(kTask));
    EXPECT_EQ(Description(L"Param"), L"-contd -i 02");

    // Left alone, the removal ends by the controller's end at the latest.
    {
        CController starting;
        starting.Paths = controller.Paths;
        starting.GetStyleSheet()->SetLayoutFolder(folder / L"Disc\\Layout\\Blue\\");
        starting.DeleteResumeTaskMeanwhile();
        starting.DeleteResumeTaskMeanwhile(); // a second start waits for the first
    }
    EXPECT_FALSE(TaskExists(kTask));
}

TEST_F(ResumeAfterRestartTest, LoaderFolderIsRebuiltFromTheDisc)
{
    const std::wstring disc = folder / L"Disc\\Pavv2Load\\";
    ASSERT_TRUE(TempFolder::WriteFile(disc + L"Loading.exe", "new loader"));
    ASSERT_TRUE(TempFolder::WriteFile(disc + L"Loading.png", "png"));
    ASSERT_TRUE(TempFolder::WriteFile(disc + L"res\\x.txt", "x"));
    controller.Paths.ProgramFolder = folder / L"Disc\\";
    const std::wstring loader = controller.Paths.LoaderFolder + L"\\";
    // Left from the last run: a description, a stale file and a read-only one.
    ASSERT_TRUE(TempFolder::WriteFile(loader + L"Ovcd_Load.ini", "[Load]\r\nParam=old\r\n"));
    ASSERT_TRUE(TempFolder::WriteFile(loader + L"stale\\old.txt", "old"));
    ASSERT_TRUE(SetFileAttributesW((loader + L"stale\\old.txt").c_str(), FILE_ATTRIBUTE_READONLY));

    for (int start = 0; start < 2; ++start) {
        controller.PrepareLoaderFolder();
        EXPECT_EQ(TempFolder::ReadFile(loader + L"Loading.exe"), "new loader");
        EXPECT_EQ(TempFolder::ReadFile(loader + L"Loading.png"), "png");
        EXPECT_EQ(TempFolder::ReadFile(loader + L"res\\x.txt"), "x");
        EXPECT_FALSE(TempFolder::Exists(loader + L"Ovcd_Load.ini"));
        EXPECT_FALSE(TempFolder::Exists(loader + L"stale"));
    }

    // A disc without the loader leaves no stale loader behind.
    controller.Paths.ProgramFolder = folder / L"Elsewhere\\";
    controller.PrepareLoaderFolder();
    EXPECT_FALSE(TempFolder::Exists(controller.Paths.LoaderFolder));
}

TEST_F(ResumeAfterRestartTest, TheLoaderStartsTheProgramWithTheContinuation)
{
    // A disc with the real loader, the task library and a stand-in program
    // that logs how it was started.
    const std::wstring disc = folder / L"Disc";
    ASSERT_TRUE(TempFolder::WriteFile(disc + L"\\Pavv2Load\\keep.txt", ""));
    ASSERT_TRUE(companions::CopyInto(L"Loading.exe", disc + L"\\Pavv2Load"));
    ASSERT_TRUE(companions::CopyInto(OVTASKSCHED_DLL, disc));
    ASSERT_TRUE(companions::CopyInto(L"OvraSetup.exe", disc));
    ASSERT_TRUE(TempFolder::WriteFile(disc + L"\\OvraSetup.ini", "[Setup]\r\nInstallMs=0\r\nExitCode=0\r\n"));
    const std::wstring runLog = folder / L"run.log";
    SetEnvironmentVariableW(L"OVRASETUP_LOG", runLog.c_str());
    controller.Paths.ProgramFolder = disc + L"\\";
    controller.Paths.ProgramPath = disc + L"\\OvraSetup.exe";

    // Start-up rebuilds the loader folder; a middle item then asks for a restart.
    controller.PrepareLoaderFolder();
    ReadCatalog(MODE_INSTALL_TAB2, 2);
    controller.NotifyFunction(2, EVENT_BEFORE_REBOOT, 1, &controller);
    EXPECT_TRUE(TaskExists(kTask));

    // After the restart the task runs the loader, which starts the program again.
    EXPECT_EQ(companions::RunProgram(controller.Paths.LoaderPath(), L""), 0);
    SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr);
    const auto lines = companions::Split(companions::ReadText(runLog), '\n');
    ASSERT_GE(lines.size(), 2u);
    const auto fields = companions::Split(lines[1], '\t');
    ASSERT_GE(fields.size(), 6u);
    EXPECT_EQ(fields[4], companions::Narrow(disc));
    EXPECT_EQ(fields[5], "-contd -i 01");
}

TEST_F(ResumeAfterRestartTest, DescriptionKeepsPathsOutsideTheCodePage)
{
    // A disc folder whose name the ANSI code page cannot spell.
    controller.Paths.ProgramPath = folder / L"\x0414\x0438\x0441\x043A \x30C7\x30A3\x30B9\x30AF\\Dezozi2.exe";
    controller.GetStyleSheet()->SetLayoutFolder(folder / L"\x0414\x0438\x0441\x043A\\Layout\\");
    controller.AddScheduleTask(L" -contd -i 00");
    EXPECT_EQ(Description(L"Path"), controller.Paths.ProgramPath);
    EXPECT_EQ(Description(L"ImgPath"), controller.GetStyleSheet()->LayoutFolder());
    EXPECT_EQ(Description(L"Param"), L"-contd -i 00");
}
