#include <gtest/gtest.h>

#include <windows.h>

#include <regex>

#include "GdiHighWater.h"
#include "PopupSkin.h"
#include "Screenshots.h"
#include "resource.h"
#include "ui/CInstallBgDlg.h"
#include "ui/CInstallingDlg.h"
#include "ui/CProgressClipDlg.h"
#include "ui/CWebBroswerDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/GdiplusImage.h"

namespace {

std::wstring DemoDisc()
{
    return TestExeFolder() + L"..\\..\\demo-disc\\";
}

// The installing view over a plain parent window, on a disc folder that
// holds the demo disc's installing advertisements (English pictures).
class InstallViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (GetFileAttributesW((DemoDisc() + L"LayoutCfg.ini").c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "no demo disc built";
        skin.controller.GetStyleSheet()->SetLayoutFolder(DemoDisc() + L"Layout\\VEQ\\");
        ASSERT_TRUE(ReadCatalog(skin, "ItemNumber=2\r\n(1)Title=Chipset\r\n(1)Tab=0\r\n(2)Title=Audio\r\n(2)Tab=0\r\n"));
        skin.controller.CurrentTab = 0;
        const std::wstring ads = DemoDisc() + L"Advertisement\\Installing\\";
        for (const wchar_t* picture : {L"AppCenter.png", L"RGBFusion.png", L"SmartBackup.png"})
            ASSERT_TRUE(TempFolder::CopyFrom(ads + L"Images\\English\\" + picture,
                                             skin.dir / (L"Ads\\Installing\\Images\\English\\" + std::wstring(picture))));
        adConfig = TempFolder::ReadFile(ads + L"AdCfg.ini");
        ASSERT_NE(adConfig.find("Language=Auto"), std::string::npos);
        adConfig = std::regex_replace(adConfig, std::regex("Language=Auto"), "Language=English");
        ASSERT_TRUE(skin.Write(L"LayoutCfg.ini", "[Advertisement]\r\nCurrent=Demo\r\nDemo=Ads\r\n"));
        parentWnd.m_hWnd = parent.hwnd;
    }
    void TearDown() override { parentWnd.m_hWnd = nullptr; }

    void WriteAds(int displaySeconds)
    {
        const std::string times = std::regex_replace(adConfig, std::regex("DisplayTime=\\d+"),
                                                     "DisplayTime=" + std::to_string(displaySeconds));
        ASSERT_TRUE(skin.Write(L"Ads\\Installing\\AdCfg.ini", times));
    }
    void Select(bool done)
    {
        for (const auto& sw : skin.controller.Items.Items()) {
            sw->Item().Selected = 1;
            sw->Item().Doned = done ? 1 : 0;
        }
    }
    // Opened and placed as the main window does it.
    WindowPtr<CInstallBgDlg> Open(int boardLine)
    {
        skin.controller.BoardLine = boardLine;
        WindowPtr<CInstallBgDlg> view(new CInstallBgDlg());
        view->SetProgramFolder(skin.dir.Path());
        EXPECT_TRUE(view->Create(&parentWnd));
        view->MoveWindow(9, 48, 1020, 620);
        view->ShowWindow(SW_SHOWNA);
        PumpMessages(3000, [&] { return view->InstallingDlg() && IsWindowVisible(*view->InstallingDlg()); });
        return view;
    }
    static std::wstring Text(HWND dialog, int id)
    {
        wchar_t text[256] = {};
        GetDlgItemTextW(dialog, id, text, 256);
        return text;
    }
    static bool Waits(DWORD ms, const std::function<bool()>& done)
    {
        PumpMessages(ms, done);
        return done();
    }

    TestSkin skin;
    MessageRecorder parent{WS_POPUP | WS_VISIBLE, RECT{0, 0, 1040, 680}};
    CWnd parentWnd;
    std::string adConfig;
};

} // namespace

TEST_F(InstallViewTest, OverlayLookPlacesItsPartsAndRevealsTheBackgroundAfterThreeSeconds)
{
    WriteAds(6);
    Select(false);
    skin.controller.Items.Items().front()->Item().Doned = 1;
    auto view = Open(1);
    CInstallingDlg* dlg = view->InstallingDlg();
    ASSERT_TRUE(dlg && view->Browser());
    EXPECT_EQ(LayeredKey(*view), RGB(255, 0, 255));
    EXPECT_EQ(LayeredKey(*dlg), RGB(255, 0, 255));
    EXPECT_EQ(Corners(*view->Browser(), true), (std::array<LONG, 4>{2, 1, 1021, 547}));
    EXPECT_EQ(Corners(*dlg), (std::array<LONG, 4>{9, 48, 1029, 668}));
    EXPECT_EQ(Corners(GetDlgItem(*dlg, IDCANCEL), true), (std::array<LONG, 4>{867, 573, 1009, 607}));
    const RECT remaining = ChildRect(GetDlgItem(*dlg, IDC_INSTALL_REMAINING));
    const RECT percent = ChildRect(GetDlgItem(*dlg, IDC_INSTALL_PERCENT));
    EXPECT_EQ(remaining.left, 13);
    EXPECT_EQ(remaining.top, 593);
    EXPECT_EQ(percent.right, 620);
    EXPECT_EQ(percent.top, 593);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(*dlg, IDC_INSTALL_PERCENT), GWL_STYLE) & SS_RIGHT);
    ASSERT_TRUE(dlg->ProgressBar());
    EXPECT_EQ(Corners(*dlg->ProgressBar(), true), (std::array<LONG, 4>{16, 568, 616, 582}));
    // One of two equal items done: the clock starts half way, bar and text alike.
    EXPECT_EQ(Text(*dlg, IDC_INSTALL_PERCENT), L"50% Completed");
    EXPECT_EQ(Text(*dlg, IDC_INSTALL_REMAINING), L"Total Time Remaining : About 1 Minutes");
    EXPECT_EQ(dlg->ProgressBar()->Percent(), 50);
    // The mask first, the background after three seconds; the view stays.
    EXPECT_FALSE(dlg->BackgroundShown());
    EXPECT_TRUE(Waits(5000, [&] { return dlg->BackgroundShown(); }));
    EXPECT_TRUE(IsWindowVisible(*view));
    EXPECT_TRUE(Waits(3000, [&] { return view->Browser()->ShowsPicture(); }));
    // The pointer low over the dialog hides the advertisements until it leaves.
    SendMessageW(*dlg, WM_MOUSEMOVE, 0, MAKELPARAM(100, 600));
    EXPECT_TRUE(Waits(500, [&] { return !IsWindowVisible(*view->Browser()); }));
    PostMessageW(*dlg, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Waits(500, [&] { return IsWindowVisible(*view->Browser()) != FALSE; }));
    PumpMessages(300);
    SaveShot(L"installing_overlay", RECT{0, 0, 1040, 680});
}

TEST_F(InstallViewTest, BottomStripLookHidesTheBackgroundAfterThreeSeconds)
{
    WriteAds(6);
    Select(false);
    auto view = Open(4);
    CInstallingDlg* dlg = view->InstallingDlg();
    ASSERT_TRUE(dlg);
    EXPECT_EQ(view->StripOffset(), 544);
    EXPECT_EQ(LayeredKey(*view), RGB(255, 0, 255));
    EXPECT_EQ(Corners(*dlg), (std::array<LONG, 4>{9, 592, 1029, 668}));
    EXPECT_EQ(Corners(GetDlgItem(*dlg, IDCANCEL), true), (std::array<LONG, 4>{867, 29, 1009, 63}));
    const RECT remaining = ChildRect(GetDlgItem(*dlg, IDC_INSTALL_REMAINING));
    const RECT percent = ChildRect(GetDlgItem(*dlg, IDC_INSTALL_PERCENT));
    EXPECT_EQ(remaining.left, 63);
    EXPECT_EQ(remaining.top, 49);
    EXPECT_EQ(percent.left, 63);
    EXPECT_EQ(percent.top, 24);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(*dlg, IDC_INSTALL_PERCENT), GWL_STYLE) & SS_RIGHT);
    EXPECT_EQ(dlg->ProgressBar(), nullptr);
    EXPECT_TRUE(dlg->BackgroundShown());
    EXPECT_TRUE(Waits(2500, [&] { return view->Browser()->ShowsPicture(); }));
    PumpMessages(200);
    if (IsWindowVisible(*view))
        SaveShot(L"installing_strip_first", RECT{0, 0, 1040, 680});
    EXPECT_TRUE(Waits(5000, [&] { return !IsWindowVisible(*view); }));
    EXPECT_TRUE(IsWindowVisible(*dlg));
    PumpMessages(200);
    SaveShot(L"installing_strip", RECT{0, 0, 1040, 680});
}

TEST_F(InstallViewTest, AdvertisementsRotateByTheirTimesAndStayOnAZeroTime)
{
    WriteAds(2);
    // Items still to do: with nothing selected the clock ends the view (and
    // the rotation) at its first tick.
    Select(false);
    auto view = Open(1);
    CWebBroswerDlg* browser = view->Browser();
    ASSERT_TRUE(browser);
    ASSERT_EQ(view->Ads().size(), 3u);
    std::vector<std::wstring> shown;
    PumpMessages(20000, [&] { // ends at the fourth page
        const std::wstring text = browser->GetWindowText();
        if (!text.empty() && (shown.empty() || shown.back() != text))
            shown.push_back(text);
        return shown.size() >= 4;
    });
    ASSERT_EQ(shown.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(shown[i], view->Ads()[i % 3].ImagePath) << i;
    EXPECT_TRUE(browser->ShowsPicture());
    view.reset();

    WriteAds(0);
    view = Open(1);
    browser = view->Browser();
    const std::wstring first = view->Ads().front().ImagePath;
    EXPECT_TRUE(Waits(3000, [&] { return browser->GetWindowText() == first; }));
    PumpMessages(2500);
    EXPECT_EQ(browser->GetWindowText(), first);
}

TEST_F(InstallViewTest, ClockEndsTheRunWhenEveryItemIsDone)
{
    WriteAds(6);
    Select(true);
    auto view = Open(1);
    EXPECT_EQ(Text(*view->InstallingDlg(), IDC_INSTALL_PERCENT), L"100% Completed");
    // The clock starts after five seconds; its first tick sees the end.
    EXPECT_TRUE(Waits(8000, [&] { return parent.Count(MSG_INSTALLDLG_CLOSE) > 0; }));
    EXPECT_GE(parent.Count(MSG_INSTALL_TICK), 1);
    EXPECT_EQ(view->Elapsed(), skin.controller.ElapsedSeconds.load());
    EXPECT_TRUE(Waits(1000, [&] { return !view->InstallingDlg()->m_hWnd && !view->Browser()->m_hWnd; }));
}

namespace {

// Clicks a button of the Cancel question from inside its modal loop.
struct QuestionClicker {
    static inline int button = 0;
    static inline std::function<void()> before;
    static inline bool clicked = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND question = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM out) -> BOOL {
            if (IsWindowVisible(w) && GetDlgItem(w, IDC_POPUP_MESSAGE)) {
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&question));
        if (!question)
            return;
        KillTimer(nullptr, id);
        if (before)
            before();
        if (button)
            SendMessageW(GetDlgItem(question, button), BM_CLICK, 0, 0);
        clicked = true;
    }
    static void Arm(int id, std::function<void()> action = nullptr)
    {
        button = id;
        before = std::move(action);
        clicked = false;
        SetTimer(nullptr, 0, 50, &Tick);
    }
};

} // namespace

TEST_F(InstallViewTest, CancelQuestionAnswersAndSurvivesTheViewClosingUnderIt)
{
    WriteAds(6);
    Select(false);
    auto view = Open(1);
    HWND cancel = GetDlgItem(*view->InstallingDlg(), IDCANCEL);
    // No: the run goes on.
    QuestionClicker::Arm(IDCANCEL);
    PostMessageW(cancel, BM_CLICK, 0, 0);
    EXPECT_TRUE(Waits(5000, [] { return QuestionClicker::clicked; }));
    PumpMessages(300);
    EXPECT_EQ(parent.Count(MSG_INSTALLDLG_CLOSE), 0);
    EXPECT_TRUE(view->InstallingDlg()->m_hWnd != nullptr);
    // Yes: the view stops and tells its owner.
    QuestionClicker::Arm(IDOK);
    PostMessageW(cancel, BM_CLICK, 0, 0);
    EXPECT_TRUE(Waits(5000, [&] { return parent.Count(MSG_INSTALLDLG_CLOSE) > 0; }));
    view.reset();

    // The owner closes the view while the question is open (a restart
    // notice, the close button), as the main window does, and a further
    // modal loop delivers the close: the question ends and the view goes after.
    view = Open(1);
    HWND viewWindow = *view;
    bool survived = false;
    QuestionClicker::Arm(0, [&] {
        view->Stop();
        view->PostMessage(WM_CLOSE);
        CInstallBgDlg::Retire(std::move(view));
        PumpMessages(200);
        survived = IsWindow(viewWindow) != FALSE;
    });
    PostMessageW(GetDlgItem(*view->InstallingDlg(), IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(Waits(5000, [&] { return !IsWindow(viewWindow); }));
    EXPECT_TRUE(survived) << "a close delivered under the open question would delete it";
    EXPECT_FALSE(view);
}

TEST_F(InstallViewTest, OpenAndCloseCyclesLeaveNoGdiObjectsOrHandles)
{
    WriteAds(1);
    auto cycle = [&] {
        auto view = Open(1);
        PumpMessages(1800, [&] { return view->Browser() && view->Browser()->ShowsPicture(); });
        view->Stop();
        CInstallBgDlg::Retire(std::move(view));
        PumpMessages(100);
    };
    cycle();
    const unsigned gdi = GdiObjectMeasure();
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    for (int i = 0; i < 4; ++i)
        cycle();
    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(GdiObjectMeasure(), gdi);
    EXPECT_LE(handlesAfter, handles + 2);
}

TEST_F(InstallViewTest, BrowserStandsInWithAPagesFirstPictureAndFollowsTheLastNavigation)
{
    const std::wstring page = skin.dir / L"Ads\\Installing\\Images\\English\\page.html";
    ASSERT_TRUE(TempFolder::WriteFile(page, "<html><body><p>Offer</p><img\r\nalt='x' SRC=\"AppCenter.png\"></body>"));
    const std::wstring blank = skin.dir / L"Ads\\Installing\\Images\\English\\blank.html";
    ASSERT_TRUE(TempFolder::WriteFile(blank, "<html><body>no picture</body></html>"));
    WindowPtr<CWebBroswerDlg> browser(new CWebBroswerDlg());
    ASSERT_TRUE(browser->Create(&parentWnd));
    browser->MoveWindow(2, 1, 1019, 546);
    browser->ShowWindow(SW_SHOWNA);
    browser->Navigate(page);
    // No engine here: within the wait the page's picture stands in.
    EXPECT_TRUE(Waits(CWebBroswerDlg::kLoadWaitMs + 1500, [&] { return browser->GetWindowText() == page; }));
    EXPECT_TRUE(browser->ShowsPicture());
    PumpMessages(100);
    RECT shown{};
    GetWindowRect(*browser, &shown);
    // The advert is drawn at the browser's size: it stands at (0, 0) unscaled, pixel for pixel.
    const GdiplusImage picture = GdiplusImage::FromFile(skin.dir / L"Ads\\Installing\\Images\\English\\AppCenter.png");
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture.Size().cx, 1019);
    ASSERT_EQ(picture.Size().cy, 546);
    HBITMAP bitmap = picture.ToPremultipliedBitmap();
    ASSERT_NE(bitmap, nullptr);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool differsFromBackdrop = false;
    for (const POINT at : {POINT{60, 10}, POINT{500, 273}, POINT{200, 380}, POINT{800, 300}, POINT{1000, 530}}) {
        const COLORREF want = GetPixel(memory, at.x, at.y);
        const COLORREF got = GetPixel(screen, shown.left + at.x, shown.top + at.y);
        EXPECT_NEAR(GetRValue(got), GetRValue(want), 3) << at.x << "," << at.y;
        EXPECT_NEAR(GetGValue(got), GetGValue(want), 3) << at.x << "," << at.y;
        EXPECT_NEAR(GetBValue(got), GetBValue(want), 3) << at.x << "," << at.y;
        differsFromBackdrop = differsFromBackdrop || want != RGB(18, 20, 25);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(differsFromBackdrop) << "the samples tell the picture from the empty browser";
    // A page without a picture shows the plain backdrop, and says so by its text.
    browser->Navigate(blank);
    EXPECT_TRUE(Waits(CWebBroswerDlg::kLoadWaitMs + 1500, [&] { return browser->GetWindowText() == blank; }));
}
