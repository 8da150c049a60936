#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "MainWindowProbe.h"
#include "ProcessRunner.h"
#include "PngImage.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;

RECT ClientRectOf(HWND window, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(const RECT& rect, int x, int y, int w, int h, const char* what)
{
    EXPECT_EQ(rect.left, x) << what;
    EXPECT_EQ(rect.top, y) << what;
    EXPECT_EQ(rect.right - rect.left, w) << what;
    EXPECT_EQ(rect.bottom - rect.top, h) << what;
}

// A demo disc whose pre-check hands the program a catalogue of the test's own.
void UseCatalogue(DiscFolder& disc, const std::vector<int>& tabsWithItems)
{
    std::wstring text = L"[SETUP_ITEM]\r\nCD_Title=Test Board Support CD\r\nItemNumber=" +
                        std::to_wstring(tabsWithItems.size()) + L"\r\n";
    int n = 1;
    for (int tab : tabsWithItems) {
        std::wstring key = L"(" + std::to_wstring(n++) + L")";
        text += key + L"Title=Item on tab " + std::to_wstring(tab) + L"\r\n" + key + L"Tab=" + std::to_wstring(tab) +
                L"\r\n";
    }
    ASSERT_TRUE(disc.WriteFile(L"TestCatalog.ini", text));
    ASSERT_TRUE(disc.WriteIni(L"OvSetup.ini", L"Catalog", L"Source", L"TestCatalog.ini"));
}

} // namespace

class MainWindowLayouts : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(MainWindowLayouts, DemoDiscComesUpWithItsControlsInPlace)
{
    const std::wstring layout = GetParam();
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"LayoutPath", L"Current", layout));
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L""));
    HWND window = program.WaitVisible(kReadyTimeout);
    ASSERT_NE(window, nullptr);
    // Start-up: disabled buttons and the loading animation first.
    EXPECT_TRUE(program.SawLoadingWhileDisabled());
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    EXPECT_FALSE(program.LoadingVisible()) << "the animation goes when the window is ready";

    RECT rect{};
    GetWindowRect(window, &rect);
    ExpectRect(rect, GetSystemMetrics(SM_CXSCREEN) / 2 - 519, GetSystemMetrics(SM_CYSCREEN) / 2 - 339, 1038, 678,
               "window");
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    ExpectRect(ClientRectOf(window, GetDlgItem(window, 2)), 999, 18, 20, 20, "close");
    ExpectRect(ClientRectOf(window, GetDlgItem(window, 1000)), 962, 18, 20, 20, "minimise");
    ExpectRect(ClientRectOf(window, GetDlgItem(window, 1014)), 944, 641, 25, 25, "contact");
    ExpectRect(ClientRectOf(window, GetDlgItem(window, 1015)), 992, 641, 25, 25, "file list");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1035)));
    // The demo disc has items on every tab and the Tool tab switched on.
    const int tops[] = {49, 147, 245, 441, 343};
    const int ids[] = {1009, 1010, 1011, 1012, 1053};
    for (int tab = 0; tab < 5; ++tab) {
        HWND button = GetDlgItem(window, ids[tab]);
        EXPECT_TRUE(IsWindowVisible(button)) << tab;
        EXPECT_TRUE(IsWindowEnabled(button)) << tab;
        ExpectRect(ClientRectOf(window, button), 9, tops[tab], 175, 98, "tab");
    }
    PngImage logo;
    ASSERT_TRUE(logo.Load(disc.Path(L"Layout\\" + layout + L"\\logo.png")));
    ExpectRect(ClientRectOf(window, GetDlgItem(window, 1013)), logo.Width() + 32, 19, 930 - logo.Width(), 22,
               "title");

    // The shadow covers the window; the bar marks the first tab (Special:
    // the demo disc has offers).
    HWND shadow = program.Shadow();
    ASSERT_NE(shadow, nullptr);
    RECT shadowRect{};
    GetWindowRect(shadow, &shadowRect);
    ExpectRect(shadowRect, rect.left, rect.top, 1038, 678, "shadow");
    RECT bar = program.WaitHighlightAt(rect.top + 443, 5000);
    ExpectRect(bar, rect.left + 10, rect.top + 441 + 2, 3, 94, "highlight");

    program.SaveShot(L"main_" + layout + L".png");
    program.Close();
}

// A dark and a light layout.
INSTANTIATE_TEST_SUITE_P(Layouts, MainWindowLayouts, ::testing::Values(L"VEQ", L"QO"));

TEST(MainWindow, EmptyTabsAreHiddenAndTheOthersMoveUp)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    UseCatalogue(disc, {1, 1, 4});
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 01"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    HWND window = program.Window();
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1009))) << "Driver";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1011))) << "Manual";
    EXPECT_EQ(ClientRectOf(window, GetDlgItem(window, 1010)).top, 49) << "Utilities";
    EXPECT_EQ(ClientRectOf(window, GetDlgItem(window, 1053)).top, 147) << "Tool";
    EXPECT_EQ(ClientRectOf(window, GetDlgItem(window, 1012)).top, 245) << "Special";
    wchar_t title[128] = {};
    GetWindowTextW(GetDlgItem(window, 1013), title, 128);
    EXPECT_STREQ(title, L"Test Board Support CD");
    // "-o 01": Utilities first.
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 51, 5000).top, rect.top + 51);
    program.Close();
}

TEST(MainWindow, TabClicksSlideTheBarAndASecondClickRetargetsIt)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 00"));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    HWND window = program.Window();
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 51, 5000).top, rect.top + 51) << "-o 00: Driver";
    SendMessageW(GetDlgItem(window, 1012), BM_CLICK, 0, 0); // Special, far down
    Sleep(60);
    RECT moving = program.HighlightRect();
    EXPECT_GT(moving.top, rect.top + 51) << "the bar is on its way";
    EXPECT_LT(moving.top, rect.top + 443);
    SendMessageW(GetDlgItem(window, 1011), BM_CLICK, 0, 0); // Manual
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 247, 5000).top, rect.top + 247);
    program.Close();
}

TEST(MainWindow, StartUpRunModes)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    // An unsupported system ends the program before the catalogue is read.
    ASSERT_TRUE(disc.WriteIni(L"OvSetup.ini", L"OS", L"Supported", L"5.0"));
    {
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-recovery"));
        EXPECT_EQ(program.WaitExit(30000), 0);
    }
    // A continued run skips the pre-check: the same disc comes up. Recovery
    // keeps close and minimise disabled.
    {
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-o 02 -contd -recovery"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        HWND window = program.Window();
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, 2)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, 1000)));
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(program.WaitHighlightAt(rect.top + 247, 5000).top, rect.top + 247) << "-o 02: Manual";
        program.Kill();
    }
}
