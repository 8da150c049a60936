#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "MainWindowProbe.h"
#include "ProcessRunner.h"
#include "PngImage.h"
#include "WindowFinder.h"
#include "WindowInput.h"

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
    RECT moving = program.WaitHighlightLeaves(rect.top + 51, 3000);
    EXPECT_GT(moving.top, rect.top + 51) << "the bar is on its way";
    EXPECT_LT(moving.top, rect.top + 443);
    SendMessageW(GetDlgItem(window, 1011), BM_CLICK, 0, 0); // Manual
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 247, 5000).top, rect.top + 247);

    // Dragged by its top band, the window takes its pop-ups along.
    const POINT grab{rect.left + 500, rect.top + 20};
    ASSERT_TRUE(WindowInput::RealDrag(grab, POINT{grab.x - 60, grab.y + 40}));
    RECT moved{};
    ULONGLONG end = GetTickCount64() + 5000;
    do {
        Sleep(50);
        GetWindowRect(window, &moved);
    } while ((moved.left != rect.left - 60 || moved.top != rect.top + 40) && GetTickCount64() < end);
    ExpectRect(moved, rect.left - 60, rect.top + 40, 1038, 678, "dragged window");
    RECT shadow{};
    GetWindowRect(program.Shadow(), &shadow);
    ExpectRect(shadow, moved.left, moved.top, 1038, 678, "shadow after the drag");
    EXPECT_EQ(program.WaitHighlightAt(moved.top + 247, 2000).left, moved.left + 10) << "the bar follows";

    // Dragged above the screen, it stops at the top edge.
    const POINT again{moved.left + 500, moved.top + 20};
    ASSERT_TRUE(WindowInput::RealDrag(again, POINT{again.x, again.y - moved.top - 120}));
    end = GetTickCount64() + 5000;
    do {
        Sleep(50);
        GetWindowRect(window, &moved);
    } while (moved.top != 0 && GetTickCount64() < end);
    EXPECT_EQ(moved.top, 0) << "clamped at the top edge";
    GetWindowRect(program.Shadow(), &shadow);
    EXPECT_EQ(shadow.top, 0) << "the shadow stays with the window";
    EXPECT_EQ(program.WaitHighlightAt(247, 2000).top, 247);
    program.Close();
}

TEST(MainWindow, StartUpRunModes)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    // An unsupported system ends the program before the catalogue is read;
    // unattended, with the exit code of a run that could not start.
    ASSERT_TRUE(disc.WriteIni(L"OvSetup.ini", L"OS", L"Supported", L"5.0"));
    {
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-recovery"));
        EXPECT_EQ(program.WaitExit(30000), 2);
    }
    // A continued run skips the pre-check: the same disc comes up. Recovery
    // keeps close and minimise disabled.
    {
        MainWindowProbe program;
        // Without the Tool tab and without a logo.
        ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"LayoutPath", L"Current", L"VEQ"));
        ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"Config", L"Tool", L"0"));
        ASSERT_TRUE(disc.Remove(L"Layout\\VEQ\\logo.png"));
        // A continued run reads the catalogue the first part left in the
        // Windows folder; it is the demo disc's, whatever ran before.
        wchar_t windows[MAX_PATH] = {};
        ASSERT_NE(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
        ASSERT_TRUE(CopyFileW(disc.Path(L"Ovcd.ini").c_str(), (std::wstring(windows) + L"\\Ovcd_tmp.ini").c_str(), FALSE));
        ASSERT_TRUE(program.Start(disc, L"-o 02 -contd -recovery"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        HWND window = program.Window();
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, 2)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, 1000)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 1053))) << "Tool";
        const int tops[] = {49, 147, 245, 343};
        const int ids[] = {1009, 1010, 1011, 1012};
        for (int tab = 0; tab < 4; ++tab)
            ExpectRect(ClientRectOf(window, GetDlgItem(window, ids[tab])), 9, tops[tab], 175, 98, "tab");
        ExpectRect(ClientRectOf(window, GetDlgItem(window, 1013)), 32, 19, 930, 22, "title without a logo");
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(program.WaitHighlightAt(rect.top + 247, 5000).top, rect.top + 247) << "-o 02: Manual";
        program.Kill();
    }
}

namespace {

HWND ThreadFocus(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

} // namespace

// One program start: the terms step, the completion notice of a finished
// run and the keyboard walk over the window's buttons.
TEST(MainWindow, TermsOfUseCompletionNoticeAndKeyboard)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ASSERT_TRUE(disc.WriteIni(L"LayoutCfg.ini", L"Config", L"TermsOfUse", L"1"));
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(disc, L"-o 00 -finish"));

    // The terms come before the window; declining them leaves a notice
    // that the program shows in its own pop-up.
    WindowQuery terms;
    terms.className = L"Dezozi2Terms";
    terms.visibleOnly = true;
    HWND termsWindow = WindowFinder::WaitFor(terms, kReadyTimeout);
    ASSERT_NE(termsWindow, nullptr);
    HWND termsFocus = ThreadFocus(termsWindow);
    ASSERT_TRUE(WindowInput::Key(termsFocus ? termsFocus : termsWindow, VK_ESCAPE));
    HWND notice = program.WaitMessagePopup(15000);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(MainWindowProbe::MessageText(notice), L"You have declined the terms of use.");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(notice, IDOK))) << "a notice has one button";
    ASSERT_TRUE(WindowInput::Key(GetDlgItem(notice, IDCANCEL), VK_ESCAPE));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(notice, 5000));

    // A finished run greets with its notice over the masked window.
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    HWND window = program.Window();
    HWND done = program.WaitMessagePopup(10000);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(MainWindowProbe::MessageText(done), L"The installation is complete.");
    EXPECT_NE(program.VisibleOwnedPopup(1022, 662), nullptr) << "the mask under the pop-up";
    ASSERT_TRUE(WindowInput::Click(GetDlgItem(done, IDCANCEL)));
    ASSERT_TRUE(WindowFinder::WaitDestroyed(done, 5000));
    EXPECT_EQ(program.VisibleOwnedPopup(1022, 662), nullptr) << "the mask goes with it";

    // Tab reaches the buttons in order, the arrows walk them, Space and
    // Enter press the focused tab button.
    HWND driver = GetDlgItem(window, 1009), utilities = GetDlgItem(window, 1010), manual = GetDlgItem(window, 1011);
    HWND from = program.Focus();
    for (int step = 0; step < 8 && from != driver; ++step) {
        ASSERT_TRUE(WindowInput::Key(from ? from : window, VK_TAB));
        Sleep(100);
        HWND next = program.Focus();
        ASSERT_NE(next, from) << "Tab moves the focus on";
        from = next;
    }
    ASSERT_EQ(from, driver);
    ASSERT_TRUE(WindowInput::Key(driver, VK_DOWN));
    ASSERT_EQ(program.WaitFocus(utilities, 3000), utilities);
    ASSERT_TRUE(WindowInput::Key(utilities, VK_SPACE));
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 149, 5000).top, rect.top + 149) << "Space selects Utilities";
    ASSERT_TRUE(WindowInput::Key(utilities, VK_DOWN));
    ASSERT_EQ(program.WaitFocus(manual, 3000), manual);
    ASSERT_TRUE(WindowInput::Key(manual, VK_RETURN));
    EXPECT_EQ(program.WaitHighlightAt(rect.top + 247, 5000).top, rect.top + 247) << "Enter selects Manual";
    program.SaveShot(L"main_keyboard_focus.png");
    program.Close();
}
