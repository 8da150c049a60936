// The Driver and Utilities lists of the real program on catalogues the tests
// write: rows against the check tool, ticks, groups, prerequisites, the
// manual-install buttons, the scroll host and the automatic start of "-i".
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "CatalogOutput.h"
#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "ListProbe.h"
#include "MainWindowProbe.h"
#include "WindowFinder.h"
#include "WindowInput.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;
constexpr DWORD kStep = 5000;
constexpr wchar_t kRegistryRoot[] = L"SOFTWARE\\DezoziListTest";

struct TestItem {
    TestItem(std::wstring title, int tab, int type, std::wstring version, std::wstring installed = L"",
             std::wstring dependency = L"", std::wstring path = L"Drivers\\Item", int installReboot = 0,
             int uninstallReboot = 0, int upgrade = 0, int force = 0)
        : title(std::move(title)), tab(tab), type(type), version(std::move(version)), installed(std::move(installed)),
          dependency(std::move(dependency)), path(std::move(path)), installReboot(installReboot),
          uninstallReboot(uninstallReboot), upgrade(upgrade), force(force)
    {
    }

    std::wstring title;
    int tab;
    int type;
    std::wstring version;
    std::wstring installed; // written to the registry when not empty
    std::wstring dependency;
    std::wstring path;
    int installReboot;
    int uninstallReboot;
    int upgrade;
    int force;
};

// The catalogue the pre-check hands the program, and the registry values
// its items are detected by; the values go again with the object.
class ListCatalogue {
public:
    ~ListCatalogue() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot); }

    void Add(const TestItem& item) { m_items.push_back(item); }
    bool Write(DiscFolder& disc) const
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRegistryRoot);
        std::wstring text = L"[SETUP_ITEM]\r\nCD_Title=List Test CD\r\nItemNumber=" + std::to_wstring(m_items.size()) +
                            L"\r\n";
        for (size_t i = 0; i < m_items.size(); ++i) {
            const TestItem& item = m_items[i];
            const std::wstring n = L"(" + std::to_wstring(i + 1) + L")";
            const std::wstring key = std::wstring(L"HKEY_LOCAL_MACHINE\\") + kRegistryRoot + L"\\Item" +
                                     std::to_wstring(i + 1);
            text += n + L"Title=" + item.title + L"\r\n" + n + L"Tab=" + std::to_wstring(item.tab) + L",0\r\n" + n +
                    L"SoftwareType=" + std::to_wstring(item.type) + L"\r\n" + n + L"Version=" + item.version + L"\r\n" +
                    n + L"Path=" + item.path + L"\r\n" + n + L"Description=About " + item.title + L"\r\n" + n +
                    L"InstallReboot=" + std::to_wstring(item.installReboot) + L"\r\n" + n +
                    L"UninstallReboot=" + std::to_wstring(item.uninstallReboot) + L"\r\n" + n +
                    L"UpgradeType=" + std::to_wstring(item.upgrade) + L"\r\n" + n +
                    L"ForceInstall=" + std::to_wstring(item.force) + L"\r\n" + n + L"ExistCount=1\r\n" + n +
                    L"Exist1Type=0\r\n" + n + L"Exist1RegistryPath=" + key + L"\r\n" + n +
                    L"Exist1RegistryValueName=DisplayVersion\r\n" + n + L"VersionCount=1\r\n" + n +
                    L"Version1Type=0\r\n" + n + L"Version1RegistryPath=" + key + L"\r\n" + n +
                    L"Version1RegistryValueName=DisplayVersion\r\n";
            if (!item.dependency.empty())
                text += n + L"Dependency=" + item.dependency + L"\r\n";
            if (!item.installed.empty() && !SetVersion(i + 1, item.installed))
                return false;
        }
        return disc.WriteFile(L"ListCatalog.ini", text) &&
               disc.WriteIni(L"OvSetup.ini", L"Catalog", L"Source", L"ListCatalog.ini");
    }

private:
    static bool SetVersion(size_t itemNo, const std::wstring& version)
    {
        HKEY key = nullptr;
        const std::wstring path = std::wstring(kRegistryRoot) + L"\\Item" + std::to_wstring(itemNo);
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const LONG written = RegSetValueExW(key, L"DisplayVersion", 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(version.c_str()),
                                            static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        return written == ERROR_SUCCESS;
    }

    std::vector<TestItem> m_items;
};

std::wstring OrNone(const std::wstring& text)
{
    return text.empty() ? L"None" : text;
}

// A list's rows against the check tool's view of the same items: headings
// where given (empty: an item row), the rest in the tool's order.
void ExpectRowsLikeCatalogue(const std::vector<ListViewReader::Row>& rows, const std::vector<CatalogRow>& catalogue,
                             const std::vector<std::wstring>& titles, const std::set<size_t>& headingRows)
{
    ASSERT_EQ(rows.size(), titles.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        if (headingRows.count(r)) {
            EXPECT_EQ(rows[r].cells[0], titles[r]) << "heading " << r;
            EXPECT_EQ(rows[r].cells[1], L"") << "heading " << r;
            continue;
        }
        const CatalogRow* item = FindTitle(catalogue, titles[r]);
        ASSERT_NE(item, nullptr) << titles[r].c_str();
        EXPECT_EQ(rows[r].cells[0], item->at(L"Title"));
        EXPECT_EQ(rows[r].cells[1], item->at(L"Status")) << titles[r].c_str();
        EXPECT_EQ(rows[r].cells[2], OrNone(item->at(L"Version"))) << titles[r].c_str();
        EXPECT_EQ(rows[r].cells[3], OrNone(item->at(L"Installed"))) << titles[r].c_str();
        EXPECT_EQ(rows[r].cells[4], item->at(L"Restart")) << titles[r].c_str();
    }
}

std::vector<bool> Ticks(const std::vector<ListViewReader::Row>& rows)
{
    std::vector<bool> ticks;
    for (const auto& row : rows)
        ticks.push_back(row.checked);
    return ticks;
}

// The catalogue's titles of one tab, in the program's order.
std::vector<std::wstring> TabTitles(const std::vector<CatalogRow>& catalogue, const std::wstring& tab,
                                    const std::set<std::wstring>& leaveOut = {})
{
    std::vector<std::wstring> titles;
    for (const CatalogRow& row : catalogue) {
        if (row.at(L"Tab").rfind(tab + L",", 0) == 0 && !leaveOut.count(row.at(L"Title")))
            titles.push_back(row.at(L"Title"));
    }
    return titles;
}

HWND VisiblePopupOfSize(DWORD pid, int width, int height)
{
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        RECT r{};
        if (owner == pid && IsWindowVisible(w) && GetWindowRect(w, &r) && r.right - r.left == width &&
            r.bottom - r.top == height)
            found = w;
    }
    return found;
}

// The description tool tip showing this text.
HWND VisibleTip(DWORD pid, const std::wstring& text)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        wchar_t shown[128] = {};
        if (owner == pid && IsWindowVisible(w) && GetWindowTextW(GetDlgItem(w, 1026), shown, 128) && text == shown)
            return w;
    }
    return nullptr;
}

int CountOf(const std::wstring& text, const std::wstring& needle)
{
    int count = 0;
    for (size_t at = text.find(needle); at != std::wstring::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

const std::wstring kLongTitle =
    L"Intel Graphics Command Center and Display Driver Package for Windows 10 and 11, 64-bit edition";

} // namespace

// Driver tab split (a type 0 item) with an offer group and a dependency
// chain; then the Utilities tab with 40 rows.
TEST(ComponentList, RowsTicksGroupsAndPrerequisitesOnTheDriverTab)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ListCatalogue catalogue;
    catalogue.Add({L"Chipset Driver", 0, 1, L"2.0", L"1.0", L"0xA1", L"Drivers\\Chipset", 1});
    catalogue.Add({L"Audio Driver", 0, 1, L"3.0", L"", L"0xA2"});
    catalogue.Add({L"LAN Driver", 0, 1, L"1.0", L"1.0", L"0xA3", L"Drivers\\LAN", 0, 1, 1});
    catalogue.Add({L"Driver Notes", 0, 1, L"", L"", L"", L"Drivers\\Notes", 0, 0, 0, 1});
    catalogue.Add({L"Google Chrome", 0, 2, L"1.0", L"", L"", L"Utilities\\GoogleChrome"});
    catalogue.Add({L"RAID Setup Driver", 0, 0, L"1.0"});
    catalogue.Add({kLongTitle, 0, 1, L"31.0.101.4502"});
    for (int i = 1; i <= 39; ++i)
        catalogue.Add({L"Utility " + std::to_wstring(i), 1, 2, L"1.0." + std::to_wstring(i), i % 3 ? L"" : L"9.0"});
    ASSERT_TRUE(catalogue.Write(disc));
    const std::vector<CatalogRow> expected = ReadCatalog(disc, disc.Path(L"ListCatalog.ini"));
    ASSERT_EQ(expected.size(), 46u);

    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    ListProbe probe(program.Window(), program.Pid());
    std::vector<ListWindow> lists = probe.WaitLists(2, kStep);
    ASSERT_EQ(lists.size(), 2u) << "a type 0 item splits the Driver tab";
    const ListWindow upper = lists[0];
    const ListWindow lower = lists[1];

    // Rows: the offer group, the tab heading, the rest in the tool's order.
    std::vector<std::wstring> normals = TabTitles(expected, L"0", {L"Google Chrome", L"RAID Setup Driver"});
    std::vector<std::wstring> titles{L"Special Offers", L"Google Chrome", L"Driver"};
    titles.insert(titles.end(), normals.begin(), normals.end());
    std::vector<ListViewReader::Row> rows = ListProbe::Rows(upper);
    ExpectRowsLikeCatalogue(rows, expected, titles, {0, 2});
    ExpectRowsLikeCatalogue(ListProbe::Rows(lower), expected, {L"RAID Setup Driver"}, {});
    const int chipset = 3, audio = 4, lan = 5;
    ASSERT_EQ(rows[chipset].cells[0], L"Chipset Driver");
    ASSERT_EQ(rows[lan].cells[0], L"LAN Driver");
    EXPECT_EQ(rows[lan].cells[4], L"Yes") << "uninstall restart of an installed item upgraded by reinstall";
    // Pre-ticks: what needs installing; the offer heading follows its full group.
    EXPECT_EQ(Ticks(rows), (std::vector<bool>{true, true, false, true, true, false, false, true}));
    EXPECT_TRUE(log.WaitFor(L"[BuildRows] kind 2: 8 rows, 4 needing install", kStep)) << log.NewText().c_str();
    EXPECT_FALSE(ListProbe::Rows(lower)[0].checked);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(upper.dialog, 1007)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(lower.dialog, 1007)));

    // The tab heading ticks and unticks its group only.
    ListProbe::Press(upper.dialog, 30, ListProbe::RowY(2));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, lan, true, kStep));
    EXPECT_EQ(Ticks(ListProbe::Rows(upper)), std::vector<bool>(8, true));
    ListProbe::Press(upper.dialog, 30, ListProbe::RowY(2));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, lan, false, kStep));
    EXPECT_EQ(Ticks(ListProbe::Rows(upper)), (std::vector<bool>{true, true, false, false, false, false, false, false}));

    // Ticking a prerequisite ticks its followers that still need installing.
    ListProbe::Press(upper.dialog, 40, ListProbe::RowY(chipset));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, chipset, true, kStep));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, audio, true, kStep));
    EXPECT_FALSE(ListProbe::Rows(upper)[lan].checked) << "up to date: left alone";
    ListProbe::Press(upper.dialog, 40, ListProbe::RowY(lan));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, lan, true, kStep));

    // Unticking an item whose prerequisites are ticked asks; "No" keeps it.
    ListProbe::Press(upper.dialog, 40, ListProbe::RowY(lan));
    HWND question = probe.WaitQuestion(kStep);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ListProbe::QuestionText(question),
              L"Please install this item before installing the following drivers\nChipset Driver\nAudio Driver\n\n"
              L"Are you sure to cancel this item?");
    WindowInput::Command(question, 2);
    ASSERT_TRUE(WindowFinder::WaitDestroyed(question, kStep));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, lan, true, kStep));
    // "Yes" lets it go; the prerequisite stays ticked.
    ListProbe::Press(upper.dialog, 40, ListProbe::RowY(audio));
    question = probe.WaitQuestion(kStep);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ListProbe::QuestionText(question), L"Please install this item before installing the following drivers\n"
                                                 L"Chipset Driver\n\nAre you sure to cancel this item?");
    WindowInput::Command(question, 1);
    ASSERT_TRUE(WindowFinder::WaitDestroyed(question, kStep));
    ASSERT_TRUE(ListProbe::WaitChecked(upper, audio, false, kStep));
    EXPECT_TRUE(ListProbe::Rows(upper)[chipset].checked);
    // A click beside the tick box or below the last row changes nothing.
    ListProbe::Press(upper.dialog, 60, ListProbe::RowY(chipset));
    ListProbe::Press(upper.dialog, 40, ListProbe::RowY(9));
    // The keyboard from the offer row the pointer was over: Down, Up, and
    // Space unticks the offer and its heading.
    ListProbe::Hover(upper.dialog, 400, ListProbe::RowY(1));
    ListProbe::Key(upper.dialog, VK_DOWN);
    ListProbe::Key(upper.dialog, VK_UP);
    ListProbe::Key(upper.dialog, VK_SPACE);
    ASSERT_TRUE(ListProbe::WaitChecked(upper, 1, false, kStep));
    EXPECT_EQ(Ticks(ListProbe::Rows(upper)), (std::vector<bool>{false, false, false, true, false, true, false, false}));

    // Hovering a row shows the highlight over it, then its description.
    ListProbe::Hover(upper.dialog, 400, ListProbe::RowY(chipset));
    // The bar may still stand where the pointer was before the hover arrives.
    HWND highlight = nullptr;
    RECT bar{};
    for (int i = 0; i < 50; ++i, Sleep(40)) {
        highlight = VisiblePopupOfSize(program.Pid(), 824 - 57, 31);
        if (highlight && GetWindowRect(highlight, &bar) && bar.top == upper.rect.top + 53 + 31 * chipset)
            break;
    }
    ASSERT_NE(highlight, nullptr);
    EXPECT_EQ(bar.left, upper.rect.left + 57);
    EXPECT_EQ(bar.top, upper.rect.top + 53 + 31 * chipset);
    HWND tip = nullptr;
    for (int i = 0; i < 75 && !tip; ++i, Sleep(40))
        tip = VisibleTip(program.Pid(), L"About Chipset Driver");
    EXPECT_NE(tip, nullptr) << "the description after 600 ms";
    program.SaveShot(L"list_driver_split.png");

    // The Install button hands the ticks over; a manual row's button and
    // Enter start its single install.
    PostMessageW(upper.dialog, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0);
    EXPECT_TRUE(log.WaitFor(L"[MSG_START_INSTALL] install requested (0)", kStep));
    ListProbe::Press(lower.dialog, 30, ListProbe::RowY(0, 35));
    EXPECT_TRUE(log.WaitFor(L"[MSG_INSTALL_SINGLE] item 6", kStep));
    ListProbe::Key(lower.dialog, VK_DOWN);
    ListProbe::Key(lower.dialog, VK_RETURN);
    for (int i = 0; i < 50 && CountOf(log.NewText(), L"[MSG_INSTALL_SINGLE] item 6") < 2; ++i)
        Sleep(40);
    EXPECT_EQ(CountOf(log.NewText(), L"[MSG_INSTALL_SINGLE] item 6"), 2);

    // Utilities: 40 rows, more than a page: the scroll host shows.
    SendMessageW(GetDlgItem(program.Window(), 1010), BM_CLICK, 0, 0);
    ASSERT_TRUE(log.WaitFor(L"[BuildRows] kind 0: 40 rows, 26 needing install", kStep));
    lists = probe.WaitLists(1, kStep);
    ASSERT_EQ(lists.size(), 1u);
    std::vector<std::wstring> utilities{L"Utilities"};
    for (const std::wstring& title : TabTitles(expected, L"1"))
        utilities.push_back(title);
    ExpectRowsLikeCatalogue(ListProbe::Rows(lists[0]), expected, utilities, {0});
    for (int i = 0; i < 50 && !IsWindowVisible(lists[0].host); ++i)
        Sleep(40);
    EXPECT_TRUE(IsWindowVisible(lists[0].host));
    RECT host{};
    GetWindowRect(lists[0].host, &host);
    EXPECT_EQ(host.left, lists[0].rect.left + 830);
    EXPECT_EQ(host.right - host.left, 9);
    program.SaveShot(L"list_utilities_single.png");
    // The Install request above started a run: no close question here.
    program.Kill();
}

// "-i 00" presses Install by itself; 15 rows fit a page, 16 do not.
TEST(ComponentList, AutomaticStartAndTheScrollHostAtFifteenAndSixteenRows)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ListCatalogue catalogue;
    for (int i = 1; i <= 14; ++i)
        catalogue.Add({L"Driver " + std::to_wstring(i), 0, 1, L"1.0"});
    for (int i = 1; i <= 15; ++i)
        catalogue.Add({L"Tool " + std::to_wstring(i), 1, 2, L"1.0", L"1.0"});
    ASSERT_TRUE(catalogue.Write(disc));
    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-i 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    EXPECT_TRUE(log.WaitFor(L"[BuildRows] kind 0: 15 rows, 14 needing install", kStep));
    EXPECT_TRUE(log.WaitFor(L"[MSG_START_INSTALL] install requested (0)", kStep)) << "automatic start";
    ListProbe probe(program.Window(), program.Pid());
    std::vector<ListWindow> lists = probe.WaitLists(1, kStep);
    ASSERT_EQ(lists.size(), 1u);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(lists[0].host)) << "15 rows fit";
    EXPECT_EQ(Ticks(ListProbe::Rows(lists[0])), std::vector<bool>(15, true));

    SendMessageW(GetDlgItem(program.Window(), 1010), BM_CLICK, 0, 0);
    EXPECT_TRUE(log.WaitFor(L"[BuildRows] kind 0: 16 rows, 0 needing install", kStep));
    lists = probe.WaitLists(1, kStep);
    ASSERT_EQ(lists.size(), 1u);
    for (int i = 0; i < 50 && !IsWindowVisible(lists[0].host); ++i)
        Sleep(40);
    EXPECT_TRUE(IsWindowVisible(lists[0].host)) << "16 rows do not";
    // Down past the page scrolls the host's list along: its bar and the rows agree.
    for (int i = 0; i < 16; ++i)
        ListProbe::Key(lists[0].dialog, VK_DOWN);
    LRESULT top = 0;
    for (int i = 0; i < 50 && (top = SendMessageW(lists[0].control, LVM_GETTOPINDEX, 0, 0)) != 1; ++i)
        Sleep(40);
    EXPECT_EQ(top, 1) << "the last row in view, one row down";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(lists[0].dialog, 1007))) << "nothing ticked";
    EXPECT_EQ(CountOf(log.NewText(), L"[MSG_START_INSTALL]"), 1) << "only the automatic start";
    program.Kill(); // the automatic start is running
}

// "-recovery -i 01": a type 5 item splits Utilities; a forced item that is
// up to date starts ticked but needs no install.
TEST(ComponentList, RecoveryForcesItemsAndStartsOnTheUtilitiesTab)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ListCatalogue catalogue;
    catalogue.Add({L"Driver One", 0, 1, L"1.0"});
    catalogue.Add({L"Forced Utility", 1, 2, L"1.0", L"1.0", L"", L"Utilities\\Forced", 0, 0, 0, 1});
    catalogue.Add({L"New Utility", 1, 2, L"2.0"});
    catalogue.Add({L"Trial Suite", 1, 5, L"1.0"});
    ASSERT_TRUE(catalogue.Write(disc));
    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-recovery -i 01"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    EXPECT_TRUE(log.WaitFor(L"[BuildRows] kind 2: 3 rows, 1 needing install", kStep));
    EXPECT_TRUE(log.WaitFor(L"[BuildRows] kind 3: 1 rows, 0 needing install", kStep));
    EXPECT_TRUE(log.WaitFor(L"[MSG_START_INSTALL] install requested (0)", kStep));
    ListProbe probe(program.Window(), program.Pid());
    std::vector<ListWindow> lists = probe.WaitLists(2, kStep);
    ASSERT_EQ(lists.size(), 2u);
    std::vector<ListViewReader::Row> rows = ListProbe::Rows(lists[0]);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].cells[0], L"Forced Utility");
    // The automatic start has begun the run by now, or is about to.
    EXPECT_TRUE(rows[1].cells[1] == L"Updated" || rows[1].cells[1] == L"Preparing for setup") << rows[1].cells[1];
    EXPECT_EQ(Ticks(rows), (std::vector<bool>{true, true, true}));
    ASSERT_EQ(ListProbe::Rows(lists[1]).size(), 1u);
    EXPECT_EQ(ListProbe::Rows(lists[1])[0].cells[0], L"Trial Suite");
    program.SaveShot(L"list_utilities_split.png");
    program.Kill();
}
