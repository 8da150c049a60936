#include <gtest/gtest.h>

#include <windows.h>

#include "ui/skin/ScrollFade.h"

namespace {

BYTE AlphaOf(HWND hwnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) ? alpha : BYTE{77};
}

// Whether the owner still has a WM_TIMER for id waiting (timers keep posting).
bool TimerRuns(HWND owner, UINT_PTR id)
{
    Sleep(30);
    MSG msg{};
    while (PeekMessageW(&msg, owner, WM_TIMER, WM_TIMER, PM_REMOVE))
        if (msg.wParam == id)
            return true;
    return false;
}

} // namespace

TEST(ScrollFade, ShownOverTheRowsFadedInStepsAndStoppedWhenHidden)
{
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND host = CreateWindowExW(WS_EX_LAYERED, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_TRUE(owner && host);
    constexpr UINT_PTR kTimer = 3;
    ScrollFade fade(kTimer, 1, 30);
    fade.SetWindows(owner, host);
    fade.Hide();
    EXPECT_EQ(AlphaOf(host), 0);

    fade.Track(false);
    EXPECT_FALSE(TimerRuns(owner, kTimer)) << "nothing to fade from 0";
    fade.Track(true);
    EXPECT_EQ(fade.Opacity(), 100);
    EXPECT_EQ(AlphaOf(host), 255);

    // 100 -> 70 -> 40 -> 10 -> 0, then the timer stops by itself.
    fade.Track(false);
    ASSERT_TRUE(TimerRuns(owner, kTimer));
    EXPECT_FALSE(fade.OnTimer(kTimer + 1)) << "another timer is not ours";
    int steps = 0;
    while (fade.Opacity() > 0 && steps < 10) {
        EXPECT_TRUE(fade.OnTimer(kTimer));
        ++steps;
    }
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(AlphaOf(host), 0);
    EXPECT_FALSE(TimerRuns(owner, kTimer));

    // Back over the rows mid-fade stops it; hiding mid-fade leaves no timer.
    fade.Track(true);
    fade.Track(false);
    fade.OnTimer(kTimer);
    fade.Track(true);
    EXPECT_EQ(AlphaOf(host), 255);
    EXPECT_FALSE(TimerRuns(owner, kTimer));
    fade.Track(false);
    fade.Hide();
    EXPECT_EQ(AlphaOf(host), 0);
    EXPECT_FALSE(TimerRuns(owner, kTimer));

    // A host destroyed first is not touched.
    DestroyWindow(host);
    fade.Track(true);
    EXPECT_EQ(fade.Opacity(), 100);
    DestroyWindow(owner);
}
