#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "MainWindowProbe.h"
#include "TextFile.h"
#include "WindowInput.h"
#include "WindowText.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;
constexpr int kSpecialTab = 1012;
constexpr int kDriverTab = 1009;
constexpr int kOptInBox = 1044;

struct Page {
    std::wstring picture; // file name under Images\English
    int seconds = 2;
    std::wstring button = L"Always";
    std::wstring param;
};

std::wstring SpecialFolder(const DiscFolder& disc)
{
    return disc.Path(L"Advertisement\\Special\\");
}

std::wstring PicturePath(const DiscFolder& disc, const std::wstring& picture)
{
    return SpecialFolder(disc) + L"Images\\English\\" + picture;
}

// The Special tab's pages; every page's installer is the stand-in setup in
// Advertisement\Special\Offer.
void WritePages(DiscFolder& disc, const std::vector<Page>& pages)
{
    const std::wstring source = PicturePath(disc, L"GameBoost.png");
    std::wstring text;
    int n = 1;
    for (const Page& page : pages) {
        // Each page its own file, so the browser's text tells the pages apart.
        CopyFileW(source.c_str(), PicturePath(disc, page.picture).c_str(), FALSE);
        text += L"[Item" + std::to_wstring(n++) + L"]\r\nDetail=Offer\r\nButton=" + page.button +
                L"\r\nLanguage=English\r\nFolder=Images\r\nPath=" + page.picture +
                L"\r\nDisplayTime=" + std::to_wstring(page.seconds) + L"\r\nParam=" + page.param + L"\r\n\r\n";
    }
    ASSERT_TRUE(disc.WriteFile(L"Advertisement\\Special\\AdCfg.ini", text));
}

void UsePages(DiscFolder& disc, const std::vector<Page>& pages)
{
    ASSERT_TRUE(disc.CopyDemoDisc());
    ASSERT_TRUE(disc.CopyFromBin(L"OvraSetup.exe", L"Advertisement\\Special\\Offer\\OvraSetup.exe"));
    ASSERT_TRUE(disc.WriteFile(L"Advertisement\\Special\\Offer\\OvraSetup.ini",
                               L"[Setup]\r\nTitle=Offer\r\nInstallMs=0\r\nWindow=0\r\n"));
    WritePages(disc, pages);
}

std::vector<Page> Pages(int count, int seconds)
{
    std::vector<Page> pages;
    for (int i = 0; i < count; ++i)
        pages.push_back(Page{L"Page" + std::to_wstring(i) + L".png", seconds});
    return pages;
}

RECT ClientRectIn(HWND parent, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

template <typename Test>
HWND PollFor(Test test, DWORD timeoutMs)
{
    HWND found = nullptr;
    for (ULONGLONG end = GetTickCount64() + timeoutMs; !(found = test()) && GetTickCount64() < end;)
        Sleep(50);
    return found;
}

// The view: the main window's visible child over the content area.
HWND SpecialView(HWND window)
{
    for (HWND child = FindWindowExW(window, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(window, child, L"#32770", nullptr)) {
        const RECT r = ClientRectIn(window, child);
        if (r.left == 184 && r.top == 49 && r.right == 1029 && r.bottom == 639 && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

HWND Browser(HWND view)
{
    return FindWindowExW(view, nullptr, L"#32770", nullptr);
}

HWND OptInPanel(HWND window)
{
    return MainWindowProbe::ThreadWindow(window, [](HWND hwnd) { return GetDlgItem(hwnd, kOptInBox) != nullptr; });
}

// The "Install Now" button on its own pop-up.
HWND InstallButton(HWND window)
{
    HWND overlay = MainWindowProbe::ThreadWindow(window, [](HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r.right - r.left == 142 && r.bottom - r.top == 34 && GetDlgItem(hwnd, IDOK);
    });
    return overlay ? GetDlgItem(overlay, IDOK) : nullptr;
}

HWND OpenSpecialTab(HWND window)
{
    SendMessageW(GetDlgItem(window, kSpecialTab), BM_CLICK, 0, 0);
    return PollFor([window] { return SpecialView(window); }, 5000);
}

// The program started on the disc with its Special tab open: the view, or null.
HWND StartOnSpecialTab(MainWindowProbe& program, const DiscFolder& disc)
{
    if (!program.Start(disc, L"-o 00") || !program.WaitReady(kReadyTimeout))
        return nullptr;
    return OpenSpecialTab(program.Window());
}

// True once the browser shows the page (its text is the page's path).
bool WaitPage(HWND view, const std::wstring& path, DWORD timeoutMs)
{
    return PollFor([&] { return WindowText::Text(Browser(view)) == path ? view : nullptr; }, timeoutMs) != nullptr;
}

// Whether the pixel on screen has the colour of the page button's ring
// (light) rather than of the panel behind it (dark).
bool LightPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return GetRValue(c) + GetGValue(c) + GetBValue(c) > 3 * 90;
}

} // namespace

TEST(SpecialView, PageButtonsAndRotation)
{
    // The demo disc's three pages: buttons centred under the page, all of
    // each ring painted (nothing of the mask above lies over them).
    {
        DiscFolder disc;
        ASSERT_TRUE(disc.CopyDemoDisc());
        MainWindowProbe program;
        HWND view = StartOnSpecialTab(program, disc);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(WaitPage(view, PicturePath(disc, L"GoogleChrome.png"), 8000));
        const int lefts[] = {383, 415, 447};
        for (int i = 0; i < 3; ++i) {
            HWND button = GetDlgItem(view, 2000 + i);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(IsWindowVisible(button));
            const RECT r = ClientRectIn(view, button);
            EXPECT_EQ(r.left, lefts[i]);
            EXPECT_EQ(r.top, 568);
            EXPECT_EQ(r.right - r.left, 16);
            EXPECT_EQ(r.bottom - r.top, 16);
            RECT screen{};
            GetWindowRect(button, &screen);
            // The ring's top and bottom rows, at its centre column.
            EXPECT_TRUE(LightPixel(screen.left + 8, screen.top + 4)) << "top of page button " << i;
            EXPECT_TRUE(LightPixel(screen.left + 8, screen.top + 11)) << "bottom of page button " << i;
        }
        EXPECT_EQ(GetDlgItem(view, 2003), nullptr);
        ASSERT_TRUE(program.SaveShot(L"special_tab.png"));
        // A click on the third button shows its page.
        SendMessageW(GetDlgItem(view, 2002), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitPage(view, PicturePath(disc, L"GameBoost.png"), 4000));
        program.Close();
    }
    // One page: its button is not shown. Six: all of them turn, the sixth
    // button is drawn but does nothing.
    {
        DiscFolder disc;
        UsePages(disc, Pages(1, 2));
        MainWindowProbe program;
        HWND view = StartOnSpecialTab(program, disc);
        ASSERT_NE(view, nullptr);
        ASSERT_NE(GetDlgItem(view, 2000), nullptr);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(view, 2000)));
        EXPECT_TRUE(WaitPage(view, PicturePath(disc, L"Page0.png"), 8000));

        // The tab opened again reads the catalogue again: six pages now.
        WritePages(disc, Pages(6, 2));
        SendMessageW(GetDlgItem(program.Window(), kDriverTab), BM_CLICK, 0, 0);
        view = OpenSpecialTab(program.Window());
        ASSERT_NE(view, nullptr);
        for (int i = 0; i < 6; ++i) {
            HWND button = GetDlgItem(view, 2000 + i);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(IsWindowVisible(button));
            EXPECT_EQ(ClientRectIn(view, button).left, 423 + 32 * i - 88);
        }
        for (int page : {1, 2, 3, 4, 5, 0})
            EXPECT_TRUE(WaitPage(view, PicturePath(disc, L"Page" + std::to_wstring(page) + L".png"), 8000))
                << "page " << page;
        SendMessageW(GetDlgItem(view, 2005), BM_CLICK, 0, 0);
        Sleep(300);
        EXPECT_EQ(WindowText::Text(Browser(view)), PicturePath(disc, L"Page0.png")) << "the sixth button is inert";
        SendMessageW(GetDlgItem(view, 2004), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitPage(view, PicturePath(disc, L"Page4.png"), 1500)) << "the fifth one works";
        program.Close();
    }
}

TEST(SpecialView, ZeroDisplayTimeKeepsThePage)
{
    DiscFolder disc;
    std::vector<Page> pages = Pages(2, 0);
    pages[1].seconds = -3;
    UsePages(disc, pages);
    MainWindowProbe program;
    HWND view = StartOnSpecialTab(program, disc);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(WaitPage(view, PicturePath(disc, L"Page0.png"), 8000));
    Sleep(2500);
    EXPECT_EQ(WindowText::Text(Browser(view)), PicturePath(disc, L"Page0.png"));
    // A negative time on the page chosen by hand does not turn either.
    SendMessageW(GetDlgItem(view, 2001), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitPage(view, PicturePath(disc, L"Page1.png"), 3000));
    Sleep(2500);
    EXPECT_EQ(WindowText::Text(Browser(view)), PicturePath(disc, L"Page1.png"));
    program.Close();
}

TEST(SpecialView, OptInEnablesInstallNowAndTheInstallerStarts)
{
    // The stand-in setup logs its starts here while the test runs.
    struct SetupLog {
        std::wstring path = E2ePaths::TempDir() + L"special_setup.log";
        SetupLog()
        {
            DeleteFileW(path.c_str());
            SetEnvironmentVariableW(L"OVRASETUP_LOG", path.c_str());
        }
        ~SetupLog() { SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr); }
    } setupLog;
    DiscFolder disc;
    std::vector<Page> pages{Page{L"GoogleOffer.png", 0, L"Always", L"-s /ref=offer"},
                            Page{L"googleLower.png", 0, L"Always", L"-s /ref=plain"}};
    UsePages(disc, pages);
    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    HWND view = StartOnSpecialTab(program, disc);
    HWND window = program.Window();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(WaitPage(view, PicturePath(disc, L"GoogleOffer.png"), 8000));

    // An offer page: the panel is shown and the box gates the button.
    HWND panel = PollFor([window] {
        HWND p = OptInPanel(window);
        return p && IsWindowVisible(p) ? p : nullptr;
    }, 3000);
    ASSERT_NE(panel, nullptr);
    HWND install = InstallButton(window);
    ASSERT_NE(install, nullptr);
    EXPECT_TRUE(IsWindowVisible(install));
    EXPECT_FALSE(IsWindowEnabled(install));
    SendMessageW(GetDlgItem(panel, kOptInBox), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(install));
    SendMessageW(GetDlgItem(panel, kOptInBox), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(install));
    SendMessageW(GetDlgItem(panel, kOptInBox), BM_CLICK, 0, 0);
    ASSERT_TRUE(IsWindowEnabled(install));
    ASSERT_TRUE(program.SaveShot(L"special_offer.png"));

    // Dragged by its top band, the window takes the button and the panel along.
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT moved = rect;
    // The first press may only bring the window to the front.
    for (int attempt = 0; attempt < 3 && moved.left == rect.left; ++attempt) {
        SetForegroundWindow(window);
        Sleep(300);
        ASSERT_TRUE(WindowInput::RealDrag(POINT{rect.left + 500, rect.top + 20}, POINT{rect.left + 460, rect.top + 50}));
        Sleep(200);
        GetWindowRect(window, &moved);
    }
    auto placedInView = [view](HWND popup) {
        RECT r{};
        GetWindowRect(popup, &r);
        MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&r), 2);
        return POINT{r.left, r.top};
    };
    PollFor([&] { return placedInView(GetParent(install)).x == 688 && ClientRectIn(window, view).left == 184 ? view : nullptr; }, 3000);
    ASSERT_EQ(moved.left, rect.left - 40) << "the window was dragged";
    EXPECT_EQ(placedInView(GetParent(install)).x, 688);
    EXPECT_EQ(placedInView(GetParent(install)).y, 511);
    EXPECT_EQ(placedInView(panel).x, 12);
    EXPECT_EQ(placedInView(panel).y, 380);

    // Install Now starts the page's installer with its parameters, then waits for the next page.
    SendMessageW(install, BM_CLICK, 0, 0);
    std::wstring run;
    for (ULONGLONG end = GetTickCount64() + 15000; run.find(L"/ref=offer") == std::wstring::npos &&
                                                   GetTickCount64() < end;
         Sleep(200))
        run = TextFile::Read(setupLog.path);
    EXPECT_NE(run.find(L"-s /ref=offer"), std::wstring::npos) << run;
    EXPECT_NE(run.find(L"Special\\Offer"), std::wstring::npos) << run;
    EXPECT_FALSE(IsWindowEnabled(install));

    // The privacy link opens its address (the log tells, no browser starts).
    RECT link{};
    GetWindowRect(GetDlgItem(panel, 1052), &link);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&link), 2);
    PostMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.left + 4, link.top + 6));
    EXPECT_TRUE(log.WaitFor(L"[OpenLink] http", 5000)) << log.NewText();

    // "google" in lower case is no offer: no panel, the button enabled again.
    SendMessageW(GetDlgItem(view, 2001), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitPage(view, PicturePath(disc, L"googleLower.png"), 3000));
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_TRUE(IsWindowEnabled(install));
    program.Close();
}
