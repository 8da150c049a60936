// Installations of the real program on catalogues the tests write, whose items
// are stand-in setups (OvraSetup.exe) that write what their detection reads:
// the unattended factory run, an interactive run from the Driver list, a
// restart in the middle and its continuation, Cancel, and the view's looks.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../unit/PendingRestartSignal.h"
#include "../unit/TaskSchedTestHelpers.h"
#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "ListProbe.h"
#include "MainWindowProbe.h"
#include "ProcessRunner.h"
#include "SessionCatalogue.h"
#include "TextFile.h"
#include "WindowFinder.h"
#include "WindowInput.h"
#include "WindowText.h"
#include "MessageBoxProbe.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;

std::wstring WindowsPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

// The program's log, the stand-in setups' log and the result files, each
// read from where this test starts.
class SessionFiles {
public:
    // noRestart "end": a left-out restart ends the program as a restart would.
    explicit SessionFiles(const wchar_t* noRestart = L"1")
    {
        DeleteFileW(m_setupLog.c_str());
        DeleteFileW(WindowsPath(L"Pavex_result.log").c_str());
        DeleteFileW(WindowsPath(L"Ov_Error.tag").c_str());
        DeleteFileW(WindowsPath(L"Pavex_result.json").c_str());
        SetEnvironmentVariableW(L"OVRASETUP_LOG", m_setupLog.c_str());
        SetEnvironmentVariableW(L"DEZOZI2_NO_RESTART", noRestart);
    }
    ~SessionFiles()
    {
        SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr);
        SetEnvironmentVariableW(L"DEZOZI2_NO_RESTART", nullptr);
    }
    std::wstring SetupLog() const { return TextFile::Read(m_setupLog); }
    std::wstring Log() const { return m_log.NewText(); }
    // The setups' starts in their order: the item's number, "u" after it
    // for an uninstall.
    std::vector<std::wstring> SetupRuns() const
    {
        std::vector<std::wstring> runs;
        const std::wstring log = SetupLog();
        for (size_t at = 0, end = 0; at < log.size(); at = end + 1) {
            end = log.find(L'\n', at);
            if (end == std::wstring::npos)
                end = log.size();
            const std::wstring line = log.substr(at, end - at);
            const size_t item = line.find(L"\\Items\\Item");
            if (line.find(L"\tstart\t") == std::wstring::npos || item == std::wstring::npos)
                continue;
            const std::wstring number = std::to_wstring(_wtoi(line.c_str() + item + 11));
            runs.push_back(line.find(L"\tuninstall\t") != std::wstring::npos ? number + L"u" : number);
        }
        return runs;
    }
    // The items whose setups ran, by number, in their order.
    std::vector<int> SetupsRun() const
    {
        std::vector<int> order;
        for (const std::wstring& run : SetupRuns()) {
            const int item = _wtoi(run.c_str());
            if (order.empty() || order.back() != item)
                order.push_back(item);
        }
        return order;
    }

private:
    std::wstring m_setupLog = TempPath(L"dez-session-setups.log");
    FileTail m_log{WindowsPath(L"Logs\\Ov_DIZ.log")};
};

} // namespace

// The factory's unattended run: every ticked Driver item (missing ones and
// forced ones) installed without a question, the result files written, the
// check's verdict logged, and the program ends by itself.
TEST(InstallSession, UnattendedRecoveryCheckRunInstallsTickedItemsAndQuits)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionCatalogue catalogue({{L"Session Chipset"},
                                {L"Session Audio", true},
                                {L"Session Forced", true, false, 0, 1, 3010},
                                {L"Session Broken", false, true, 0, 0, 1603},
                                // An upgrade type the run does not install: never done.
                                {L"Session Skipped", false, false, 0, 0, 0, 2}});
    ASSERT_TRUE(catalogue.Write(disc));
    SessionFiles files;
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery -check"));
    ASSERT_EQ(program.WaitExit(180000), 1) << "the run ends the program by itself, failed";

    EXPECT_EQ(files.SetupsRun(), (std::vector<int>{1, 3, 4})) << "all but the installed item, in order";
    const std::wstring log = files.Log();
    EXPECT_NE(log.find(L"Check on installed softwares: FAILED"), std::wstring::npos) << "the broken item";
    EXPECT_NE(log.find(L"[Execute] Software No.[1] Session Chipset: exit code 0"), std::wstring::npos);
    EXPECT_NE(log.find(L"[Execute] Software No.[3] Session Forced: exit code 3010 (restart required)"),
              std::wstring::npos);
    EXPECT_NE(log.find(L"[Execute] Software No.[4] Session Broken: exit code 1603"), std::wstring::npos);
    EXPECT_EQ(log.find(L"Software No.[2] Session Audio"), std::wstring::npos) << "not run";
    EXPECT_NE(log.find(L"[MSG_INSTALL_TICK] The run ended with items left undone"), std::wstring::npos);
    EXPECT_TRUE(GetFileAttributesW(WindowsPath(L"Pavex_result.log").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(GetFileAttributesW(WindowsPath(L"Ov_Error.tag").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(TextFile::Read(WindowsPath(L"Pavex_result.log")).find(L"Session Chipset"), std::wstring::npos);
}

// A user's run from the Driver list: the restart question (answered No: no
// run), then without the restarting item the installing view, the rows'
// progress texts, the refreshed statuses and the completion question.
TEST(InstallSession, InteractiveRunFromTheDriverList)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionCatalogue catalogue({{L"Session Chipset"}, {L"Session Audio"}, {L"Session Restarter", false, false, 1}});
    ASSERT_TRUE(catalogue.Write(disc));
    SessionFiles files;
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    HWND window = program.Window();
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    ListProbe lists(window, pid);
    std::vector<ListWindow> found = lists.WaitLists(1, 10000);
    ASSERT_EQ(found.size(), 1u);
    const ListWindow list = found[0];
    // Row 0 is the "Driver" heading; every item is pre-ticked (missing).
    for (int row = 1; row <= 3; ++row)
        ASSERT_TRUE(ListProbe::WaitChecked(list, row, true, 5000)) << row;

    PostMessageW(list.dialog, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0);
    HWND question = program.WaitMessagePopup(10000);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MainWindowProbe::MessageText(question),
              L"Number of Reboots after the installation:1\nInstall now?");
    ASSERT_TRUE(WindowInput::Click(GetDlgItem(question, IDCANCEL)));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(question, 5000));
    Sleep(500);
    EXPECT_EQ(program.VisibleOwnedPopup(1020, 620), nullptr) << "No: nothing runs";

    ListProbe::Press(list.dialog, 30, ListProbe::RowY(3));
    ASSERT_TRUE(ListProbe::WaitChecked(list, 3, false, 5000));
    PostMessageW(list.dialog, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0);
    ULONGLONG end = GetTickCount64() + 10000;
    while (!program.VisibleOwnedPopup(1020, 620) && GetTickCount64() < end)
        Sleep(100);
    ASSERT_NE(program.VisibleOwnedPopup(1020, 620), nullptr) << "the installing view";
    // The list's rows are rebuilt (a new scroll host) at the end of the run.
    auto status = [&](int row) {
        const std::vector<ListWindow> now = lists.Lists();
        const auto rows = now.empty() ? std::vector<ListViewReader::Row>{} : ListProbe::Rows(now[0]);
        return static_cast<size_t>(row) < rows.size() && rows[row].cells.size() > 1 ? rows[row].cells[1]
                                                                                     : std::wstring();
    };
    EXPECT_EQ(status(1), L"Preparing for setup");
    end = GetTickCount64() + 30000;
    bool sawInstalling = false;
    while (!sawInstalling && GetTickCount64() < end) {
        sawInstalling = status(1) == L"Installing" || status(2) == L"Installing";
        Sleep(50);
    }
    EXPECT_TRUE(sawInstalling);
    program.SaveShot(L"installing_session.png");

    // To its end (the settling pause, the wait for the run's worker) the
    // window keeps answering.
    HWND done = nullptr;
    DWORD slowest = 0;
    end = GetTickCount64() + 120000;
    while (!done && GetTickCount64() < end) {
        const ULONGLONG asked = GetTickCount64();
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer);
        slowest = std::max(slowest, static_cast<DWORD>(GetTickCount64() - asked));
        done = program.WaitMessagePopup(50);
    }
    ASSERT_NE(done, nullptr) << "the completion question";
    EXPECT_LT(slowest, 1000u) << "the window froze at the end of the run";
    EXPECT_EQ(MainWindowProbe::MessageText(done), L"The installation is complete. Please restart your computer.");
    EXPECT_EQ(program.VisibleOwnedPopup(1020, 620), nullptr) << "the view is closed";
    EXPECT_EQ(status(1), L"Updated");
    EXPECT_EQ(status(2), L"Updated");
    EXPECT_EQ(status(3), L"Not installed");
    EXPECT_EQ(files.SetupsRun(), (std::vector<int>{1, 2}));
    ASSERT_TRUE(WindowInput::Click(GetDlgItem(done, IDCANCEL)));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(done, 5000));
    EXPECT_EQ(files.Log().find(L"[RestartWindows]"), std::wstring::npos) << "No: no restart";
    program.Close();
}

namespace {

// The installing view's "N% Completed" text control, once it is shown.
HWND InstallingPercentText(DWORD pid)
{
    struct Search {
        DWORD pid;
        HWND text;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND top, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(top, &owner);
            if (owner != s->pid)
                return TRUE;
            EnumChildWindows(
                top,
                [](HWND child, LPARAM p) -> BOOL {
                    if (GetDlgCtrlID(child) != 1025 || !IsWindowVisible(child))
                        return TRUE;
                    reinterpret_cast<Search*>(p)->text = child;
                    return FALSE;
                },
                param);
            return s->text == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

// That text as a number; -1 while it is not shown.
int InstallingPercent(DWORD pid)
{
    const HWND control = InstallingPercentText(pid);
    const std::wstring text = control ? WindowText::Text(control) : std::wstring();
    return text.find(L'%') == std::wstring::npos ? -1 : _wtoi(text.c_str());
}

int WaitInstallingPercent(DWORD pid, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    int percent = InstallingPercent(pid);
    while (percent < 0 && GetTickCount64() < end) {
        Sleep(20);
        percent = InstallingPercent(pid);
    }
    return percent;
}

// Answers a question of the program with its first or second button.
void Answer(const MainWindowProbe& program, const wchar_t* startsWith, int button, DWORD timeoutMs = 20000)
{
    HWND question = program.WaitMessagePopup(timeoutMs);
    ASSERT_NE(question, nullptr) << startsWith;
    EXPECT_EQ(MainWindowProbe::MessageText(question).rfind(startsWith, 0), 0u) << startsWith;
    ASSERT_TRUE(WindowInput::Click(GetDlgItem(question, button)));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(question, 5000));
}

} // namespace

// A restart demanded by a middle item: the run before it leaves the saved
// time, the loader's description and the log-on task and ends as the restart
// ends it; the loader then continues the run without questions, with the
// selection and the clock of the first, and only the remaining items install.
// Once after an install, once after an upgrade's uninstall (the continuation
// installs the upgrade without uninstalling again), once in check mode, whose
// check before the restart must leave the remaining items ticked. (A recovery
// run never restarts: its catalogue's restart flags read as 0.)
TEST(InstallSession, RestartInTheMiddleIsContinuedByTheLoader)
{
    struct Case {
        const wchar_t* arguments;
        bool round;
        std::vector<std::wstring> before;
        std::vector<std::wstring> after;
        const wchar_t* param;
    };
    const Case cases[] = {
        {L"-i 00", false, {L"1", L"2"}, {L"3"}, L" -contd -i 00"},
        {L"-i 00", true, {L"1", L"2u"}, {L"2", L"3"}, L" -contd -i 00 -round"},
        {L"-i 00 -check", false, {L"1", L"2"}, {L"3"}, L" -contd -i 00"},
    };
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::wstring record = WindowsPath(L"Ovcd_ProcessLog.ini");
    const std::wstring description = WindowsPath(L"Temp\\Pavv2Load\\Ovcd_Load.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.arguments << (c.round ? " (upgrade)" : ""));
        const bool check = std::wstring(c.arguments).find(L"check") != std::wstring::npos;
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        SessionItem middle{L"Session Restarter"};
        if (c.round) {
            middle.installed = true;
            middle.installedVersion = L"0.9";
            middle.upgradeType = 3;
            middle.uninstallReboot = 1;
        } else {
            middle.installReboot = 1;
        }
        SessionCatalogue catalogue({{L"Session Chipset"}, middle, {L"Session Audio"}});
        ASSERT_TRUE(catalogue.Write(disc));
        SessionFiles files(L"end");
        DeleteFileW(description.c_str());
        {
            MainWindowProbe first;
            ASSERT_TRUE(first.Start(disc, c.arguments));
            Answer(first, L"Number of Reboots after the installation:", IDOK);
            ASSERT_EQ(first.WaitExit(120000), 0) << "the restart ends the program";
        }
        EXPECT_NE(files.Log().find(L"[RestartWindows] Restart left out"), std::wstring::npos);
        EXPECT_EQ(files.SetupRuns(), c.before);
        EXPECT_NE(TextFile::Read(description).find(std::wstring(L"Param=") + c.param + L"\r\n"), std::wstring::npos)
            << c.param;
        const UINT saved = GetPrivateProfileIntW(L"SETUP_CURRENTTIME", L"SETUP_CURRENTTIME", 0, record.c_str());
        EXPECT_GE(saved, 5u) << "the run's time so far (its first 5 s are a pause)";
        EXPECT_TRUE(TaskExists(L"PavexLoad"));
        if (check) {
            EXPECT_NE(GetFileAttributesW(WindowsPath(L"Ov_Error.tag").c_str()), INVALID_FILE_ATTRIBUTES)
                << "the check before the restart found the last item missing";
        }

        // A pre-check would hand the continued run this changed catalogue.
        std::wstring text = TextFile::Read(disc.Path(L"SessionCatalog.ini"));
        text.replace(text.find(L"Session Audio"), 13, L"Session Renamed");
        ASSERT_TRUE(disc.WriteFile(L"SessionCatalog.ini", text));

        MainWindowProbe next;
        ASSERT_TRUE(next.StartThroughLoader(WindowsPath(L"Temp\\Pavv2Load\\Loading.exe")));
        ASSERT_NE(next.WaitVisible(kReadyTimeout), nullptr);
        EXPECT_FALSE(TaskExists(L"PavexLoad")) << "every start deletes the task";
        const int percent = WaitInstallingPercent(next.Pid(), 30000);
        EXPECT_GT(percent, 0) << "the clock goes on from the saved time";
        // The first question is the completion's: none is asked before the run.
        Answer(next, L"The installation is complete.", IDCANCEL);
        std::vector<std::wstring> all = c.before;
        all.insert(all.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(files.SetupRuns(), all) << "exactly the remaining items";
        EXPECT_NE(files.Log().find(L"[Execute] Software No.[3] Session Audio: exit code 0"), std::wstring::npos)
            << "the catalogue of the first run: no pre-check";
        next.Close();
    }
    CoUninitialize();
}

// Cancel while a setup runs: "No" leaves the run going, "Yes" ends the setup
// at once and the run with it; the remaining items are not started, the rows
// are refreshed and the end of the run asks its completion question.
TEST(InstallSession, CancelDuringARunAsksAndStopsOnYes)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionItem slow{L"Session Slow"};
    slow.installMs = 60000;
    SessionCatalogue catalogue({slow, {L"Session Audio"}, {L"Session LAN"}});
    ASSERT_TRUE(catalogue.Write(disc));
    SessionFiles files;
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-i 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    ULONGLONG end = GetTickCount64() + 30000;
    while (files.SetupRuns().empty() && GetTickCount64() < end)
        Sleep(50);
    ASSERT_EQ(files.SetupRuns(), (std::vector<std::wstring>{L"1"})) << "the slow setup runs";
    // A single install asked for meanwhile does not start a second setup.
    PostMessageW(program.Window(), WM_USER + 12, 2, 0);
    end = GetTickCount64() + 10000;
    while (files.Log().find(L"An installation is running: item 2 is not started") == std::wstring::npos &&
           GetTickCount64() < end)
        Sleep(50);
    EXPECT_NE(files.Log().find(L"An installation is running: item 2 is not started"), std::wstring::npos);
    const HWND percent = InstallingPercentText(program.Pid());
    ASSERT_NE(percent, nullptr);
    const HWND cancel = GetDlgItem(GetParent(percent), IDCANCEL);
    ASSERT_NE(cancel, nullptr);

    for (const int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button == IDOK ? "Yes" : "No");
        ASSERT_TRUE(WindowInput::Click(cancel));
        Answer(program, L"There are uninstalled items, are you sure to cancel?", button);
        if (button == IDCANCEL) {
            Sleep(300);
            EXPECT_TRUE(IsWindowVisible(percent)) << "the view stays";
            EXPECT_EQ(files.SetupLog().find(L"\tend\t"), std::wstring::npos) << "the setup goes on";
        }
    }
    Answer(program, L"The installation is complete. Please restart your computer.", IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(percent)) << "the view is closed";
    EXPECT_EQ(files.SetupRuns(), (std::vector<std::wstring>{L"1"})) << "nothing after the cancelled item";
    EXPECT_EQ(files.SetupLog().find(L"\tend\t"), std::wstring::npos) << "the setup was ended, not finished";
    EXPECT_EQ(files.Log().find(L"did not stop"), std::wstring::npos) << "the run stopped when asked";
    program.Close();
}

// Both looks of the installing view on screen: the overlay over the content
// (the demo board) and the bottom strip of board lines 4 and 5, whose
// background goes 3 s after the view opens; screenshots under build/shots/,
// each with the advertisement set of its layout.
TEST(InstallSession, InstallingLooksByBoardLine)
{
    const struct {
        const wchar_t* boardStatus;
        bool strip;
        const wchar_t* shot;
        const wchar_t* adSet;
        const wchar_t* adFolder;
    } looks[] = {{L"2", false, L"installing_overlay.png", L"Demo", L"Advertisement\\"},
                 {L"4", true, L"installing_strip_boardline4.png", L"QO", L"Layout\\QO\\Advertisement\\"},
                 {L"5", true, L"installing_strip_boardline5.png", L"QO", L"Layout\\QO\\Advertisement\\"}};
    for (const auto& look : looks) {
        SCOPED_TRACE(testing::Message() << "board status " << look.boardStatus);
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        ASSERT_TRUE(disc.WriteIni(L"ACPIWMI.ini", L"ACPIWMI", L"BoardStatus", look.boardStatus));
        ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"Advertisement", L"Current", look.adSet));
        SessionItem slow{L"Session Slow"};
        slow.installMs = 30000;
        SessionCatalogue catalogue({slow, {L"Session Audio"}});
        ASSERT_TRUE(catalogue.Write(disc));
        SessionFiles files;
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-i 00"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        ASSERT_GE(WaitInstallingPercent(program.Pid(), 30000), 0);
        const HWND background = GetParent(GetParent(InstallingPercentText(program.Pid())));
        ASSERT_NE(background, nullptr);
        EXPECT_TRUE(IsWindowVisible(background));
        // The browser's text is the page on show (set once it stands in for the missing engine):
        // the first advert of the layout's own set.
        const HWND browser = FindWindowExW(background, nullptr, L"#32770", nullptr);
        std::wstring page;
        for (const ULONGLONG until = GetTickCount64() + 3000; page.empty() && GetTickCount64() < until; Sleep(50))
            page = WindowText::Text(browser);
        EXPECT_EQ(page, disc.Path(std::wstring(look.adFolder) + L"Installing\\Images\\English\\AppCenter.png"));
        const ULONGLONG end = GetTickCount64() + 4000;
        while (IsWindowVisible(background) && GetTickCount64() < end)
            Sleep(50);
        EXPECT_EQ(IsWindowVisible(background) == FALSE, look.strip) << "the strip's background goes after 3 s";
        EXPECT_TRUE(IsWindowVisible(InstallingPercentText(program.Pid())));
        EXPECT_TRUE(program.SaveShot(look.shot));
        program.Kill();
    }
}

namespace {

// Pavex_result.json as the machine reads it; discarded when it is no JSON.
nlohmann::json ResultJson()
{
    std::string bytes;
    HANDLE file = CreateFileW(WindowsPath(L"Pavex_result.json").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        CloseHandle(file);
    }
    return nlohmann::json::parse(bytes, nullptr, false);
}

// Runs the program until it ends by itself, failing the test at every system
// box that would wait for a person (a titled "#32770" window of any process).
long RunUnattended(MainWindowProbe& program, DWORD timeoutMs, std::vector<std::wstring>& boxes)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        const long code = program.WaitExit(100);
        if (code != -1)
            return code;
        if (GetTickCount64() > end)
            return -1;
        if (HWND box = MessageBoxProbe::Wait(0, 0)) {
            const std::wstring title = MessageBoxProbe::Title(box);
            if (!title.empty()) {
                boxes.push_back(title + L": " + MessageBoxProbe::Message(box));
                MessageBoxProbe::Press(box, IDOK, 1000);
            }
        }
    }
}

std::wstring Narrow(const nlohmann::json& node)
{
    const std::string text = node.is_string() ? node.get<std::string>() : std::string();
    return std::wstring(text.begin(), text.end());
}

} // namespace

// A factory's run on a damaged disc: one setup succeeds, one fails with
// 1603, one is no program at all. Nothing waits for a person, the run is
// over long before one time-out, and the exit code and the JSON result tell
// item by item what happened.
TEST(InstallSession, UnattendedRunOnADamagedDiscReportsEveryItem)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionCatalogue catalogue({{.title = L"Factory Good", .timeout = 120},
                                {.title = L"Factory \"Broken\"", .fails = true, .exitCode = 1603, .timeout = 120},
                                {.title = L"Factory Damaged", .timeout = 120}});
    ASSERT_TRUE(catalogue.Write(disc));
    ASSERT_TRUE(disc.WriteFile(L"Items\\Item3\\OvraSetup.exe", L"this file is not a program\r\n"));
    SessionFiles files;
    MainWindowProbe program;
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery -check"));
    std::vector<std::wstring> boxes;
    ASSERT_EQ(RunUnattended(program, 180000, boxes), 1) << "failed items: exit code 1";
    // The doubled time-out is 240 s; a setup that never started is not waited for.
    EXPECT_LT(GetTickCount64() - start, 60000u);
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::wstring() : boxes[0]).c_str();

    EXPECT_EQ(files.SetupsRun(), (std::vector<int>{1, 2}));
    const std::wstring log = files.Log();
    // The system's code and text, with the file in place of its insert.
    const size_t refused = log.find(L"Item3\\OvraSetup.exe could not be started: error 193 (");
    ASSERT_NE(refused, std::wstring::npos) << log.c_str();
    EXPECT_EQ(log.substr(refused, log.find(L'\n', refused) - refused).find(L"%1"), std::wstring::npos);
    EXPECT_NE(log.find(L"[Execute] Software No.[3] Factory Damaged: not started"), std::wstring::npos);
    EXPECT_NE(log.find(L"Software No.[2] Factory \"Broken\": exit code 1603"), std::wstring::npos);
    EXPECT_NE(log.find(L"Check on installed softwares: FAILED"), std::wstring::npos);
    EXPECT_NE(log.find(L"[InitInstance] exit code 1"), std::wstring::npos);

    const nlohmann::json result = ResultJson();
    ASSERT_FALSE(result.is_discarded()) << "valid JSON";
    EXPECT_EQ(result["outcome"], "failed");
    EXPECT_EQ(result["exitCode"], 1);
    EXPECT_EQ(result["discTitle"], "Session Test CD");
    EXPECT_EQ(result["check"], "FAILED");
    EXPECT_EQ(Narrow(result["startTime"]).size(), 20u) << "ISO 8601";
    ASSERT_EQ(result["items"].size(), 3u);
    const nlohmann::json& good = result["items"][0];
    EXPECT_EQ(good["number"], 1);
    EXPECT_EQ(good["tab"], "Driver");
    EXPECT_EQ(good["selected"], true);
    EXPECT_EQ(good["ran"], true);
    EXPECT_EQ(good["exitCode"], 0);
    EXPECT_EQ(good["succeeded"], true);
    EXPECT_EQ(good["installedVersionBefore"], "");
    EXPECT_EQ(good["installedVersionAfter"], "1.0");
    EXPECT_EQ(good["statusAfter"], "Updated");
    const nlohmann::json& broken = result["items"][1];
    EXPECT_EQ(broken["title"], "Factory \"Broken\"");
    EXPECT_EQ(broken["exitCode"], 1603);
    EXPECT_EQ(broken["succeeded"], false);
    EXPECT_EQ(broken["statusAfter"], "Not installed");
    const nlohmann::json& damaged = result["items"][2];
    EXPECT_EQ(damaged["ran"], false);
    EXPECT_TRUE(damaged["exitCode"].is_null());
    EXPECT_EQ(damaged["reason"], "not-started");
    EXPECT_EQ(damaged["succeeded"], false);
}

// A sound disc: exit code 0 and "success", though its advertisement and
// licence sets are missing (their messages are log lines); without its layout
// configuration nothing can start: exit code 2 and "not-started".
TEST(InstallSession, UnattendedRunsOnSoundAndBrokenConfigurations)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionCatalogue catalogue({{.title = L"Clean One"}, {.title = L"Clean Two"}});
    ASSERT_TRUE(catalogue.Write(disc));
    for (const wchar_t* set : {L"EULA", L"Advertisement"})
        ASSERT_TRUE(WritePrivateProfileStringW(set, nullptr, nullptr, disc.Path(L"LayoutCfg.ini").c_str()));
    {
        SessionFiles files;
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery -check"));
        std::vector<std::wstring> boxes;
        EXPECT_EQ(RunUnattended(program, 180000, boxes), 0);
        EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::wstring() : boxes[0]).c_str();
        const std::wstring log = files.Log();
        EXPECT_NE(log.find(L"[ERROR] :[Message] Do not find current ad in layout config"), std::wstring::npos)
            << log.c_str();
        EXPECT_NE(log.find(L"Check on installed softwares: SUCCESSED"), std::wstring::npos);
        const nlohmann::json result = ResultJson();
        ASSERT_FALSE(result.is_discarded());
        EXPECT_EQ(result["outcome"], "success");
        EXPECT_EQ(result["exitCode"], 0);
        ASSERT_EQ(result["items"].size(), 2u);
        EXPECT_EQ(result["items"][1]["exitCode"], 0);
    }
    ASSERT_TRUE(disc.Remove(L"LayoutCfg.ini"));
    SessionFiles files;
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery"));
    std::vector<std::wstring> boxes;
    EXPECT_EQ(RunUnattended(program, 60000, boxes), 2);
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::wstring() : boxes[0]).c_str();
    EXPECT_NE(files.Log().find(L"[Message] Do not find LayoutCfg.ini"), std::wstring::npos);
    const nlohmann::json result = ResultJson();
    ASSERT_FALSE(result.is_discarded());
    EXPECT_EQ(result["outcome"], "not-started");
    EXPECT_EQ(result["notStartedReason"], "configuration");
    EXPECT_EQ(result["exitCode"], 2);
}

namespace {

// Seals a disc as its author would once its files are final.
bool SealDisc(const DiscFolder& disc)
{
    DWORD code = 1;
    std::wstring output;
    return ProcessRunner::RunToEnd(disc.CheckTool(), L"seal", disc.Root(), 60000, code, &output) && code == 0;
}

const wchar_t kSealRefusal[] =
    L"[SealCheck] Software No.[2] Sealed Audio: Items\\Item2\\OvraSetup.ini does not match the disc's seal";

} // namespace

// Factory runs on a sealed disc with one tampered item and Windows waiting
// for a restart, on a sealed disc with only a stale rename entry, and on a
// disc without a seal: nobody is asked, the tampered item alone is left out,
// and the log and the JSON say so item by item.
TEST(InstallSession, UnattendedRunsOnSealedTamperedAndUnsealedDiscs)
{
    struct Case {
        const char* name;
        bool seal;
        bool tamper;
        PendingRestartSignal::Kind signal;
        bool liveSignal;
        long exitCode;
        std::vector<int> setups;
    };
    const Case cases[] = {
        {"tampered, update waits", true, true, PendingRestartSignal::Kind::Update, true, 1, {1, 3}},
        {"sound, stale rename entry", true, false, PendingRestartSignal::Kind::Rename, false, 0, {1, 2, 3}},
        {"unsealed, servicing waits", false, true, PendingRestartSignal::Kind::Servicing, true, 0, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        SessionCatalogue catalogue({{.title = L"Sealed Chipset"}, {.title = L"Sealed Audio"}, {.title = L"Sealed LAN"}});
        ASSERT_TRUE(catalogue.Write(disc));
        if (c.seal) {
            ASSERT_TRUE(SealDisc(disc));
        }
        if (c.tamper) {
            const std::wstring setup = TextFile::Read(disc.Path(L"Items\\Item2\\OvraSetup.ini"));
            ASSERT_TRUE(disc.WriteFile(L"Items\\Item2\\OvraSetup.ini", setup + L"; changed\r\n"));
        }
        const std::wstring renameSource = disc.Path(c.liveSignal ? L"Ovcd.ini" : L"long-gone.tmp");
        PendingRestartSignal signal(c.signal, renameSource);
        ASSERT_TRUE(signal.Ok());
        SessionFiles files;
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery"));
        std::vector<std::wstring> boxes;
        ASSERT_EQ(RunUnattended(program, 180000, boxes), c.exitCode);
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(files.SetupsRun(), c.setups) << "the run goes on after a refused item";

        const std::wstring log = files.Log();
        EXPECT_EQ(log.find(kSealRefusal) != std::wstring::npos, c.seal && c.tamper) << log.c_str();
        EXPECT_EQ(log.find(L"[SealCheck] Software No.[1] Sealed Chipset: its files match the disc's seal") !=
                      std::wstring::npos,
                  c.seal);
        const size_t noSeal = log.find(L"[SealCheck] The disc has no DiscSeal.ini");
        EXPECT_EQ(noSeal != std::wstring::npos, !c.seal);
        if (noSeal != std::wstring::npos) {
            EXPECT_EQ(log.find(L"[SealCheck]", noSeal + 1), std::wstring::npos) << "one line for the whole run";
        }
        EXPECT_EQ(log.find(L"[PendingRestart] Windows is waiting for a restart (") != std::wstring::npos, c.liveSignal);

        const nlohmann::json result = ResultJson();
        ASSERT_FALSE(result.is_discarded());
        EXPECT_EQ(result["restartPendingBefore"], c.liveSignal);
        EXPECT_EQ(result["exitCode"], c.exitCode);
        ASSERT_EQ(result["items"].size(), 3u);
        const nlohmann::json& audio = result["items"][1];
        if (c.seal && c.tamper) {
            EXPECT_EQ(audio["ran"], false);
            EXPECT_TRUE(audio["exitCode"].is_null());
            EXPECT_EQ(audio["reason"], "damaged");
            EXPECT_EQ(audio["succeeded"], false);
        } else {
            EXPECT_EQ(audio["exitCode"], 0);
        }
        EXPECT_EQ(result["items"][0]["exitCode"], 0);
        EXPECT_EQ(result["items"][2]["exitCode"], 0);
    }
}

// A user's run while Windows waits for a restart: the question first; Yes
// registers the continuation and restarts before any setup. After the
// restart the signal is still set: logged, not asked again, and the loader's
// run installs every selected item but the tampered one, which one message
// names at the end.
TEST(InstallSession, InteractiveRunRestartsFirstWhenWindowsWaitsForARestart)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    SessionCatalogue catalogue({{.title = L"Sealed Chipset"}, {.title = L"Sealed Audio"}, {.title = L"Sealed LAN"}});
    ASSERT_TRUE(catalogue.Write(disc));
    ASSERT_TRUE(SealDisc(disc));
    const std::wstring setup = TextFile::Read(disc.Path(L"Items\\Item2\\OvraSetup.ini"));
    ASSERT_TRUE(disc.WriteFile(L"Items\\Item2\\OvraSetup.ini", setup + L"; changed\r\n"));
    PendingRestartSignal signal(PendingRestartSignal::Kind::Servicing);
    ASSERT_TRUE(signal.Ok());
    const std::wstring description = WindowsPath(L"Temp\\Pavv2Load\\Ovcd_Load.ini");
    DeleteFileW(description.c_str());
    SessionFiles files(L"end");
    {
        MainWindowProbe first;
        ASSERT_TRUE(first.Start(disc, L"-i 00"));
        Answer(first, L"Windows is waiting for a restart. Restart now and continue the installation afterwards?",
               IDOK);
        ASSERT_EQ(first.WaitExit(60000), 0) << "the restart ends the program";
    }
    EXPECT_TRUE(files.SetupRuns().empty()) << "no setup before the restart";
    std::wstring log = files.Log();
    EXPECT_NE(log.find(L"[PendingRestart] Windows is waiting for a restart (RebootPending)"), std::wstring::npos);
    EXPECT_NE(log.find(L"[RestartWindows] Restart left out"), std::wstring::npos);
    EXPECT_NE(TextFile::Read(description).find(L"Param= -contd -i 00\r\n"), std::wstring::npos);
    EXPECT_TRUE(TaskExists(L"PavexLoad"));

    MainWindowProbe next;
    ASSERT_TRUE(next.StartThroughLoader(WindowsPath(L"Temp\\Pavv2Load\\Loading.exe")));
    ASSERT_NE(next.WaitVisible(kReadyTimeout), nullptr);
    // One message names the refused item (the others ran: below).
    Answer(next, L"These items were not installed because their files failed the disc's check:\nSealed Audio",
           IDOK, 90000);
    Answer(next, L"The installation is complete.", IDCANCEL);
    EXPECT_EQ(files.SetupRuns(), (std::vector<std::wstring>{L"1", L"3"}));
    log = files.Log();
    EXPECT_NE(log.find(L"[PendingRestart] Still set after the restart (RebootPending): not asked again"),
              std::wstring::npos);
    EXPECT_NE(log.find(kSealRefusal), std::wstring::npos);
    next.Close();
    CoUninitialize();
}
