// The display rules need screens of their own: tools/test/display-e2e.sh runs
// the VirtualDesktop suite in an 800 x 600 Wine virtual desktop (a throwaway
// prefix: mode switches are stored) and the SmallScreen suite on an
// 800 x 600 X screen that offers no other mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "MainWindowProbe.h"
#include "WindowFinder.h"
#include "WindowText.h"

using namespace uiprobe;

namespace {

constexpr DWORD kReadyTimeout = 40000;
constexpr wchar_t kLowResolutionMessage[] =
    L"This app does not support screen resolutions lower than 1024X768. Please change your screen resolution to "
    L"1024X768 or higher.";

bool HasMode(int width, int height, DEVMODEW* found = nullptr)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &mode); ++i) {
        if (static_cast<int>(mode.dmPelsWidth) == width && static_cast<int>(mode.dmPelsHeight) == height &&
            mode.dmBitsPerPel >= 16) {
            if (found)
                *found = mode;
            return true;
        }
    }
    return false;
}

bool SetScreen(int width, int height, DWORD flags)
{
    DEVMODEW mode{};
    return HasMode(width, height, &mode) && ChangeDisplaySettingsW(&mode, flags) == DISP_CHANGE_SUCCESSFUL;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end)
            return false;
        Sleep(WindowFinder::kPollMs);
    }
    return true;
}

// The visible window of the main window's process holding the low-resolution notice, if any.
HWND MessagePopup(HWND mainWindow)
{
    WindowQuery any;
    GetWindowThreadProcessId(mainWindow, &any.processId);
    if (!any.processId)
        return nullptr;
    any.visibleOnly = true;
    for (HWND window : WindowFinder::TopLevel(any)) {
        for (HWND child : WindowFinder::Children(window, WindowQuery{}))
            if (WindowText::Caption(child).find(L"1024X768") != std::wstring::npos)
                return child;
    }
    return nullptr;
}

// The window at its centred place on a screen of this size.
bool CentredOn(HWND window, int width, int height)
{
    RECT rect{};
    return GetWindowRect(window, &rect) && rect.left == width / 2 - 519 && rect.top == height / 2 - 339 &&
           rect.right - rect.left == 1038 && rect.bottom - rect.top == 678;
}

// The shadow covers the window and the bar stands beside the Special tab
// (the demo disc's first tab) wherever the window went. The window moves
// first, its pop-ups a moment later in the same handler.
void ExpectPopupsWithWindow(const MainWindowProbe& program)
{
    ASSERT_NE(program.Shadow(), nullptr);
    RECT window{};
    RECT shadow{};
    EXPECT_TRUE(WaitUntil(
        [&] {
            return GetWindowRect(program.Window(), &window) && GetWindowRect(program.Shadow(), &shadow) &&
                   shadow.left == window.left && shadow.top == window.top;
        },
        2000));
    RECT bar = program.WaitHighlightAt(window.top + 443, 3000);
    EXPECT_EQ(bar.left, window.left + 10);
    EXPECT_EQ(bar.top, window.top + 443);
}

class VirtualDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(HasMode(1024, 768) && HasMode(1280, 1024))
            << "needs a Wine virtual desktop: run tools/test/display-e2e.sh";
        ASSERT_TRUE(m_disc.CopyDemoDisc());
    }
    void TearDown() override { SetScreen(800, 600, CDS_UPDATEREGISTRY); }

    DiscFolder m_disc;
};

} // namespace

TEST_F(VirtualDesktop, LowResolutionIsSwitchedWithoutAMessageAndTheWindowReCentred)
{
    ASSERT_TRUE(SetScreen(800, 600, CDS_UPDATEREGISTRY));
    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(m_disc, L""));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    EXPECT_TRUE(WaitUntil([] { return GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768; },
                          10000))
        << "the display was switched";
    // The watch re-centres the window on the new screen, after the rule,
    // which would have shown its notice by then.
    EXPECT_TRUE(WaitUntil([&] { return CentredOn(program.Window(), 1024, 768); }, 5000));
    EXPECT_EQ(MessagePopup(program.Window()), nullptr);
    EXPECT_TRUE(log.WaitFor(L"[MinimumResolution] 800x600 switched to 1024x768x", 2000)) << log.NewText();
    ExpectPopupsWithWindow(program);
    program.Close();
}

TEST_F(VirtualDesktop, ResolutionChangeWhileRunningReCentresTheWindowAndItsPopups)
{
    ASSERT_TRUE(SetScreen(1280, 1024, 0));
    MainWindowProbe program;
    ASSERT_TRUE(program.Start(m_disc, L""));
    ASSERT_TRUE(program.WaitReady(kReadyTimeout));
    ASSERT_TRUE(WaitUntil([&] { return CentredOn(program.Window(), 1280, 1024); }, 5000));
    ExpectPopupsWithWindow(program);

    ASSERT_TRUE(SetScreen(1024, 768, 0));
    EXPECT_TRUE(WaitUntil([&] { return CentredOn(program.Window(), 1024, 768); }, 5000));
    ExpectPopupsWithWindow(program);
    // Wine repaints the resized desktop's windows a moment later.
    Sleep(2000);
    program.SaveShot(L"display_after_change.png");
    program.Close();
}

TEST(SmallScreen, NoModeToSwitchToShowsTheNoticeExceptInRecovery)
{
    ASSERT_LT(GetSystemMetrics(SM_CXSCREEN), 1024) << "needs a small X screen: run tools/test/display-e2e.sh";
    ASSERT_FALSE(HasMode(1024, 768));
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    const std::wstring size =
        std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"x" + std::to_wstring(GetSystemMetrics(SM_CYSCREEN));
    {
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L""));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        HWND text = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (text = MessagePopup(program.Window())) != nullptr; }, 10000))
            << "the notice is shown";
        EXPECT_EQ(WindowText::Caption(text), kLowResolutionMessage);
        program.SaveShot(L"display_small_screen_notice.png");
        program.Kill();
    }
    {
        FileTail log(E2ePaths::ProgramLog());
        MainWindowProbe program;
        ASSERT_TRUE(program.Start(disc, L"-recovery"));
        ASSERT_TRUE(program.WaitReady(kReadyTimeout));
        // The rule has run once it logged its verdict.
        EXPECT_TRUE(log.WaitFor(L"[MinimumResolution] " + size + L" below 1024x768", 10000)) << log.NewText();
        EXPECT_EQ(MessagePopup(program.Window()), nullptr);
        program.Kill();
    }
}
