// Start-up as a person meets it when the disc's pre-check takes long: Enter,
// Esc, the close message and a drag while the window is still loading, and a
// second start right after a close.
#include <gtest/gtest.h>

#include <windows.h>

#include "DiscFolder.h"
#include "MainWindowProbe.h"
#include "WindowInput.h"

using namespace uiprobe;

namespace {

constexpr DWORD kVisibleTimeout = 40000;
// A close during start-up must end the program within this.
constexpr DWORD kCloseBudgetMs = 2000;
constexpr UINT kDeferredInit = WM_USER + 3;

// A demo disc whose pre-check is the stand-in setup, windowless, taking 20 s.
void UseSlowPreCheck(DiscFolder& disc)
{
    ASSERT_TRUE(disc.CopyDemoDisc());
    ASSERT_TRUE(disc.CopyFromBin(L"OvraSetup.exe", L"OvSetup.exe"));
    ASSERT_TRUE(disc.WriteIni(L"OvraSetup.ini", L"Setup", L"InstallMs", L"20000"));
    ASSERT_TRUE(disc.WriteIni(L"OvraSetup.ini", L"Setup", L"Window", L"0"));
    ASSERT_TRUE(disc.WriteIni(L"OvraSetup.ini", L"Setup", L"ExitCode", L"1"));
}

void PostKey(HWND window, UINT key)
{
    PostMessageW(window, WM_KEYDOWN, key, 0x00010001);
    PostMessageW(window, WM_KEYUP, key, 0xC0010001);
}

// Ends within the budget, measured from now.
void ExpectQuickExit(MainWindowProbe& program, const char* how)
{
    const ULONGLONG asked = GetTickCount64();
    EXPECT_EQ(program.WaitExit(15000), 0) << how;
    EXPECT_LT(GetTickCount64() - asked, kCloseBudgetMs) << how << ": still running while the pre-check ran";
}

// The main window once it shows, still loading; null when it does not.
HWND StartLoading(MainWindowProbe& program, const DiscFolder& disc, const wchar_t* arguments)
{
    if (!program.Start(disc, arguments))
        return nullptr;
    HWND window = program.WaitVisible(kVisibleTimeout);
    // The worker shows the window first and its loading picture right after.
    const ULONGLONG end = GetTickCount64() + 5000;
    while (window && !program.LoadingVisible() && GetTickCount64() < end)
        Sleep(20);
    EXPECT_TRUE(window && program.LoadingVisible()) << "not loading";
    return window;
}

bool SameTopLeft(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top;
}

} // namespace

TEST(StartupClose, EnterEscAndCloseDuringASlowPreCheck)
{
    DiscFolder disc;
    UseSlowPreCheck(disc);
    {
        MainWindowProbe program;
        HWND window = StartLoading(program, disc, L"");
        ASSERT_NE(window, nullptr);
        // Enter on the loading window is no close.
        PostKey(window, VK_RETURN);
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer));
        EXPECT_EQ(program.WaitExit(500), -1) << "Enter ended the program";
        EXPECT_TRUE(IsWindowVisible(window));
        PostKey(window, VK_ESCAPE);
        ExpectQuickExit(program, "Esc");
    }
    // The name is free again at once: the next start shows its window.
    {
        MainWindowProbe program;
        HWND window = StartLoading(program, disc, L"/finish");
        ASSERT_NE(window, nullptr) << "the second start ended silently";
        // The start-up's end racing the close: no finish question for nobody.
        PostKey(window, VK_ESCAPE);
        PostMessageW(window, kDeferredInit, 0, 0);
        ExpectQuickExit(program, "Esc before the finish message");
    }
    {
        MainWindowProbe program;
        HWND window = StartLoading(program, disc, L"");
        ASSERT_NE(window, nullptr);
        PostMessageW(window, WM_CLOSE, 0, 0);
        ExpectQuickExit(program, "WM_CLOSE");
    }
}

TEST(StartupClose, DragWhileLoadingTakesTheLoadingPictureAndShadowAlong)
{
    DiscFolder disc;
    UseSlowPreCheck(disc);
    MainWindowProbe program;
    HWND window = StartLoading(program, disc, L"");
    ASSERT_NE(window, nullptr);
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT grab{rect.left + 500, rect.top + 20};
    ASSERT_TRUE(WindowInput::RealDrag(grab, POINT{grab.x - 60, grab.y + 40}));
    RECT moved{};
    const ULONGLONG end = GetTickCount64() + 5000;
    do {
        Sleep(50);
        GetWindowRect(window, &moved);
    } while (!SameTopLeft(moved, RECT{rect.left - 60, rect.top + 40, 0, 0}) && GetTickCount64() < end);
    ASSERT_EQ(moved.left, rect.left - 60) << "the window was dragged";
    ASSERT_EQ(moved.top, rect.top + 40);
    RECT shadow{};
    GetWindowRect(program.Shadow(), &shadow);
    EXPECT_TRUE(SameTopLeft(shadow, moved)) << "shadow at " << shadow.left << "," << shadow.top;
    RECT loading{};
    GetWindowRect(program.VisibleOwnedPopup(845, 590), &loading);
    EXPECT_EQ(loading.left, moved.left + 184) << "the loading picture";
    EXPECT_EQ(loading.top, moved.top + 49);
    program.SaveShot(L"loading_dragged.png");
    // Enter once loaded is no close either; Esc is.
    ASSERT_TRUE(program.WaitReady(kVisibleTimeout));
    PostKey(window, VK_RETURN);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer));
    EXPECT_EQ(program.WaitExit(500), -1) << "Enter ended the program";
    program.Close();
}
