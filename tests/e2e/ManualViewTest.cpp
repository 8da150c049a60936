#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DiscFolder.h"
#include "MainWindowProbe.h"
#include "ListViewReader.h"
#include "WindowInput.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;
constexpr int kManualTab = 1011;
constexpr int kToolTab = 1053;

struct Entry {
    int tab;
    int section;
    std::wstring title;
};

// A demo disc whose pre-check hands the program these items.
void UseEntries(DiscFolder& disc, const std::vector<Entry>& entries)
{
    std::wstring text = L"[SETUP_ITEM]\r\nCD_Title=Manual Test CD\r\nItemNumber=" + std::to_wstring(entries.size()) +
                        L"\r\n";
    int n = 1;
    for (const Entry& e : entries) {
        std::wstring key = L"(" + std::to_wstring(n++) + L")";
        text += key + L"Title=" + e.title + L"\r\n" + key + L"Tab=" + std::to_wstring(e.tab) + L"," +
                std::to_wstring(e.section) + L"\r\n" + key + L"Description=About " + e.title + L"\r\n";
    }
    ASSERT_TRUE(disc.WriteFile(L"TestCatalog.ini", text));
    ASSERT_TRUE(disc.WriteIni(L"OvSetup.ini", L"Catalog", L"Source", L"TestCatalog.ini"));
}

// The view: the main window's child over the content area.
HWND ManualView(HWND window)
{
    for (HWND child = FindWindowExW(window, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(window, child, L"#32770", nullptr)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.left == 184 && rect.top == 49 && rect.right == 1029 && rect.bottom == 639 && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

// A window of the program's user-interface thread that passes the test.
template <typename Test>
HWND ThreadWindow(HWND window, Test test)
{
    return MainWindowProbe::ThreadWindow(window, [&test](HWND hwnd) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        return test(hwnd, rect);
    });
}

// The view's scroll component: 9 wide, holding the list control 1018.
HWND ScrollComponent(HWND window)
{
    return ThreadWindow(window, [](HWND hwnd, const RECT& r) { return r.right - r.left == 9 && GetDlgItem(hwnd, 1018); });
}

// The visible row highlight at a screen top, or null.
HWND HighlightOver(HWND window, int top)
{
    return ThreadWindow(window, [top](HWND hwnd, const RECT& r) {
        return IsWindowVisible(hwnd) && r.right - r.left == 807 && r.bottom - r.top == 31 && r.top == top;
    });
}

HWND OpenTab(HWND window, int button)
{
    SendMessageW(GetDlgItem(window, button), BM_CLICK, 0, 0);
    HWND view = nullptr;
    for (ULONGLONG end = GetTickCount64() + 5000; !view && GetTickCount64() < end; Sleep(50))
        view = ManualView(window);
    Sleep(200); // its deferred set-up
    return view;
}

std::vector<std::wstring> RowTexts(HWND window)
{
    std::vector<std::wstring> texts;
    HWND scroll = ScrollComponent(window);
    if (!scroll)
        return texts;
    ListViewReader reader(GetDlgItem(scroll, 1018));
    if (!reader.Ok())
        return texts;
    for (int i = 0; i < reader.Count(); ++i)
        texts.push_back(reader.Text(i, 0));
    return texts;
}

void Hover(HWND view, int x, int y)
{
    PostMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Sleep(300);
}

std::wstring RegistryVersion(const wchar_t* key)
{
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        HKEY handle = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, &handle) != ERROR_SUCCESS)
            continue;
        wchar_t value[64] = {};
        DWORD size = sizeof(value);
        LSTATUS status = RegQueryValueExW(handle, L"Version", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(handle);
        if (status == ERROR_SUCCESS)
            return value;
    }
    return L"";
}

} // namespace

TEST(ManualView, DemoDiscManualAndToolTabsAndARunFromARow)
{
    const wchar_t* qflash = L"SOFTWARE\\OVRA\\Tools\\QFlash";
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(qflash) + L"\\Pavex").c_str(), view, 0);
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    HWND window = program.Window();

    HWND view = OpenTab(window, kManualTab);
    ASSERT_NE(view, nullptr);
    std::vector<std::wstring> rows = RowTexts(window);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], L"Driver");
    EXPECT_EQ(rows[1], L"Chipset Driver Installation Guide");
    EXPECT_EQ(rows[5], L"");
    EXPECT_EQ(rows[6], L"Utilities");
    EXPECT_EQ(rows[11], L"");
    EXPECT_EQ(rows[12], L"Motherboard");
    EXPECT_EQ(rows[16], L"Safety and Regulatory Information");
    EXPECT_FALSE(IsWindowVisible(ScrollComponent(window))) << "17 rows fit";

    RECT viewRect{};
    GetWindowRect(view, &viewRect);
    // An item row is highlighted; a header or blank row is not.
    Hover(view, 300, 17 + 31 * 2 + 10);
    EXPECT_NE(HighlightOver(window, viewRect.top + 17 + 31 * 2), nullptr);
    Sleep(700);
    ASSERT_TRUE(program.SaveShot(L"manual_tab.png"));
    Hover(view, 300, 17 + 31 * 5 + 10);
    EXPECT_EQ(HighlightOver(window, viewRect.top + 17 + 31 * 5), nullptr) << "blank row";
    Hover(view, 300, 17 + 10);
    EXPECT_EQ(HighlightOver(window, viewRect.top + 17), nullptr) << "header row";

    view = OpenTab(window, kToolTab);
    ASSERT_NE(view, nullptr);
    rows = RowTexts(window);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], L"Tool") << "the Tool tab's own name heads section 0";
    EXPECT_EQ(rows[1], L"OVRA Q-Flash BIOS Updater");
    Hover(view, 300, 17 + 31 * 7 + 10);
    ASSERT_TRUE(program.SaveShot(L"tool_tab.png"));

    // A click on a tool's row runs its setup: its fixed key appears.
    ASSERT_TRUE(WindowInput::ClickAt(view, 300, 17 + 31 + 10));
    std::wstring version;
    for (ULONGLONG end = GetTickCount64() + 20000; version.empty() && GetTickCount64() < end; Sleep(200))
        version = RegistryVersion((std::wstring(qflash) + L"\\Pavex").c_str());
    EXPECT_EQ(version, L"3.0.1");
    program.Close();
}

TEST(ManualView, SectionLayoutsAndTheScrollComponent)
{
    {
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        UseEntries(disc, {{2, 2, L"Board Manual"}, {0, 0, L"A Driver"}, {2, 2, L"Quick Guide"}});
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-o 00"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        ASSERT_NE(OpenTab(program.Window(), kManualTab), nullptr);
        EXPECT_EQ(RowTexts(program.Window()), (std::vector<std::wstring>{L"Motherboard", L"Board Manual", L"Quick Guide"}));
        program.Close();
    }
    {
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        UseEntries(disc, {{2, 1, L"Util Doc"}, {2, 0, L"Driver Doc A"}, {2, 0, L"Driver Doc B"}});
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-o 00"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        ASSERT_NE(OpenTab(program.Window(), kManualTab), nullptr);
        EXPECT_EQ(RowTexts(program.Window()), (std::vector<std::wstring>{L"Driver", L"Driver Doc A", L"Driver Doc B", L"",
                                                                         L"Utilities", L"Util Doc", L""}));
        program.Close();
    }
    {
        // 20 tools in one section: 22 rows, more than the 18 shown.
        std::vector<Entry> entries;
        for (int i = 0; i < 20; ++i)
            entries.push_back(Entry{4, 0, L"Tool number " + std::to_wstring(i)});
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        UseEntries(disc, entries);
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-o 00"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        HWND window = program.Window();
        HWND view = OpenTab(window, kToolTab);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(RowTexts(window).size(), 22u) << "header, 20 tools, blank";
        HWND scroll = ScrollComponent(window);
        ASSERT_NE(scroll, nullptr);
        EXPECT_TRUE(IsWindowVisible(scroll));
        RECT viewRect{};
        RECT scrollRect{};
        GetWindowRect(view, &viewRect);
        GetWindowRect(scroll, &scrollRect);
        EXPECT_EQ(scrollRect.left - viewRect.left, 830);
        EXPECT_EQ(scrollRect.top - viewRect.top, 17);
        // Dragged by its top band, the window takes the bar along.
        RECT rect{};
        GetWindowRect(window, &rect);
        SetForegroundWindow(window);
        Sleep(300);
        ASSERT_TRUE(WindowInput::RealDrag(POINT{rect.left + 500, rect.top + 20}, POINT{rect.left + 460, rect.top + 50}));
        for (ULONGLONG end = GetTickCount64() + 3000; scrollRect.left != rect.left + 184 + 830 - 40 && GetTickCount64() < end;
             Sleep(50))
            GetWindowRect(scroll, &scrollRect);
        GetWindowRect(view, &viewRect);
        ASSERT_EQ(viewRect.left, rect.left + 184 - 40) << "the window was dragged";
        EXPECT_EQ(scrollRect.left - viewRect.left, 830) << "moved with the window";
        EXPECT_EQ(scrollRect.top - viewRect.top, 17);
        // Over the rows the bar is fully shown; off them it fades out.
        Hover(view, 300, 100);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(scroll, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 255);
        // The pointer on the main window's own surface hides it all at once.
        EXPECT_NE(HighlightOver(window, viewRect.top + 17 + 62), nullptr);
        PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 620));
        Sleep(200);
        ASSERT_TRUE(GetLayeredWindowAttributes(scroll, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 0);
        EXPECT_EQ(HighlightOver(window, viewRect.top + 17 + 62), nullptr);
        Hover(view, 300, 100);
        Hover(view, 20, 100);
        for (ULONGLONG end = GetTickCount64() + 3000; alpha != 0 && GetTickCount64() < end; Sleep(50))
            ASSERT_TRUE(GetLayeredWindowAttributes(scroll, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 0);
        // Scrolled to the end, the last row's highlight lands at visible row 2.
        PostMessageW(view, WM_USER + 1, 3, 0);
        Hover(view, 300, 17 + 31 * 17 + 10);
        EXPECT_NE(HighlightOver(window, viewRect.top + 17 + 31 * 17), nullptr);
        // A stale scroll position beyond the rows paints and picks nothing.
        PostMessageW(view, WM_USER + 1, 500, 0);
        Hover(view, 300, 17 + 10);
        EXPECT_EQ(HighlightOver(window, viewRect.top + 17), nullptr) << "back at the header";
        EXPECT_TRUE(IsWindow(view));
        program.Close();
    }
}
