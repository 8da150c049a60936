// Installations of the real program on catalogues the tests write, whose items
// are stand-in setups (OvraSetup.exe) that write what their detection reads:
// the unattended factory run and an interactive run from the Driver list.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "ListProbe.h"
#include "MainWindowProbe.h"
#include "TextFile.h"
#include "WindowFinder.h"
#include "WindowInput.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;
constexpr wchar_t kRegistryRoot[] = L"SOFTWARE\\DezoziSessionTest";

struct SessionItem {
    std::wstring title;
    bool installed = false; // its value already there: Updated
    bool fails = false;     // its setup writes nothing
    int installReboot = 0;
    int force = 0;
};

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

// The catalogue, one item folder per item with the stand-in setup, and the
// registry values: set for installed items, gone again with the object.
class SessionCatalogue {
public:
    explicit SessionCatalogue(std::vector<SessionItem> items) : m_items(std::move(items)) {}
    ~SessionCatalogue() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot); }

    bool Write(DiscFolder& disc) const
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot);
        std::wstring text = L"[SETUP_ITEM]\r\nCD_Title=Session Test CD\r\nItemNumber=" +
                            std::to_wstring(m_items.size()) + L"\r\n";
        for (size_t i = 0; i < m_items.size(); ++i) {
            const SessionItem& item = m_items[i];
            const std::wstring n = L"(" + std::to_wstring(i + 1) + L")";
            const std::wstring folder = L"Items\\Item" + std::to_wstring(i + 1);
            const std::wstring key = std::wstring(L"HKEY_LOCAL_MACHINE\\") + kRegistryRoot + L"\\Item" +
                                     std::to_wstring(i + 1);
            auto line = [&](const wchar_t* name, const std::wstring& value) {
                text += n + name + L"=" + value + L"\r\n";
            };
            line(L"Title", item.title);
            line(L"Tab", L"0,0");
            line(L"Version", L"1.0");
            line(L"SoftwareType", L"1");
            line(L"UpgradeType", L"0");
            line(L"InstallMethod", L"0");
            line(L"InstallFinishType", L"1");
            line(L"InstallReboot", std::to_wstring(item.installReboot));
            line(L"UninstallReboot", L"0");
            line(L"ForceInstall", std::to_wstring(item.force));
            line(L"Path", folder);
            line(L"InstallFinishTimeOutSecond", L"30");
            line(L"UninstallFinishTimeOutSecond", L"30");
            line(L"WaitBeforeInstall", L"0");
            line(L"WaitAfterInstall", L"0");
            line(L"Order", std::to_wstring(i + 1));
            line(L"ExistCount", L"1");
            line(L"Exist1Type", L"0");
            line(L"Exist1RegistryPath", key);
            line(L"Exist1RegistryValueName", L"DisplayVersion");
            line(L"VersionCount", L"1");
            line(L"Version1Type", L"0");
            line(L"Version1RegistryPath", key);
            line(L"Version1RegistryValueName", L"DisplayVersion");
            std::wstring setup = L"[Setup]\r\nTitle=" + item.title + L"\r\nInstallMs=300\r\nWindow=0\r\n";
            if (!item.fails)
                setup += L"[Install]\r\nValue1=" + key + L"|DisplayVersion|1.0\r\n";
            if (!disc.MakeFolder(folder) || !disc.CopyFromBin(L"OvraSetup.exe", folder + L"\\OvraSetup.exe") ||
                !disc.WriteFile(folder + L"\\OvraSetup.ini", setup))
                return false;
            if (item.installed && !SetInstalled(i + 1))
                return false;
        }
        return disc.WriteFile(L"SessionCatalog.ini", text) &&
               disc.WriteIni(L"OvSetup.ini", L"Catalog", L"Source", L"SessionCatalog.ini");
    }

private:
    static bool SetInstalled(size_t itemNo)
    {
        HKEY key = nullptr;
        const std::wstring path = std::wstring(kRegistryRoot) + L"\\Item" + std::to_wstring(itemNo);
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const wchar_t version[] = L"1.0";
        const LONG written =
            RegSetValueExW(key, L"DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), sizeof(version));
        RegCloseKey(key);
        return written == ERROR_SUCCESS;
    }

    std::vector<SessionItem> m_items;
};

// The program's log, the stand-in setups' log and the result files, each
// read from where this test starts.
class SessionFiles {
public:
    SessionFiles()
    {
        DeleteFileW(m_setupLog.c_str());
        DeleteFileW(WindowsPath(L"Pavex_result.log").c_str());
        DeleteFileW(WindowsPath(L"Ov_Error.tag").c_str());
        SetEnvironmentVariableW(L"OVRASETUP_LOG", m_setupLog.c_str());
        SetEnvironmentVariableW(L"DEZOZI2_NO_RESTART", L"1");
    }
    ~SessionFiles()
    {
        SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr);
        SetEnvironmentVariableW(L"DEZOZI2_NO_RESTART", nullptr);
    }
    std::wstring SetupLog() const { return TextFile::Read(m_setupLog); }
    std::wstring Log() const { return m_log.NewText(); }
    // The items whose setups ran, by number, in their order.
    std::vector<int> SetupsRun(int itemCount) const
    {
        const std::wstring log = SetupLog();
        std::vector<std::pair<size_t, int>> found;
        for (int item = 1; item <= itemCount; ++item) {
            const std::wstring folder = L"\\Items\\Item" + std::to_wstring(item) + L"\\";
            for (size_t at = log.find(folder); at != std::wstring::npos; at = log.find(folder, at + 1))
                found.emplace_back(at, item);
        }
        std::sort(found.begin(), found.end());
        std::vector<int> order;
        for (const auto& f : found) {
            if (order.empty() || order.back() != f.second)
                order.push_back(f.second);
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
                                {L"Session Forced", true, false, 0, 1},
                                {L"Session Broken", false, true}});
    ASSERT_TRUE(catalogue.Write(disc));
    SessionFiles files;
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-i 00 -recovery -check"));
    ASSERT_EQ(program.WaitExit(180000), 0) << "the run ends the program by itself";

    EXPECT_EQ(files.SetupsRun(4), (std::vector<int>{1, 3, 4})) << "all but the installed item, in order";
    const std::wstring log = files.Log();
    EXPECT_NE(log.find(L"Check on installed softwares: FAILED"), std::wstring::npos) << "the broken item";
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

    HWND done = program.WaitMessagePopup(120000);
    ASSERT_NE(done, nullptr) << "the completion question";
    EXPECT_EQ(MainWindowProbe::MessageText(done), L"The installation is complete. Please restart your computer.");
    EXPECT_EQ(program.VisibleOwnedPopup(1020, 620), nullptr) << "the view is closed";
    EXPECT_EQ(status(1), L"Updated");
    EXPECT_EQ(status(2), L"Updated");
    EXPECT_EQ(status(3), L"Not installed");
    EXPECT_EQ(files.SetupsRun(3), (std::vector<int>{1, 2}));
    ASSERT_TRUE(WindowInput::Click(GetDlgItem(done, IDCANCEL)));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(done, 5000));
    EXPECT_EQ(files.Log().find(L"[RestartWindows]"), std::wstring::npos) << "No: no restart";
    program.Close();
}
