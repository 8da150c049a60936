#include <gtest/gtest.h>

#include <windows.h>

#include "DialogTemplate.h"
#include "PopupTestKit.h"
#include "ui/CLoadingDlg.h"
#include "ui/LoadingFrames.h"

namespace {

constexpr DWORD kBackground = 0xFF203040;

// Frame n (1 ... 39) has a colour of its own.
DWORD FrameArgb(int n)
{
    return 0xFF000000u | (static_cast<DWORD>(n * 6) << 16) | (static_cast<DWORD>(255 - n * 6) << 8) | 0x80u;
}

COLORREF AsColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// What the window shows at a client point after a full repaint.
COLORREF Shown(HWND hwnd, int x, int y)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

class LoadingAnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_skin.WritePng(L"singlelist_bg.png", 845, 590, kBackground));
        ASSERT_TRUE(m_owner.Create());
    }
    void TearDown() override { m_owner.DestroyWindow(); }
    void WriteFrames()
    {
        CreateDirectoryW((m_skin.dir / L"Loading").c_str(), nullptr);
        for (int n = 1; n <= LoadingFrames::kCount; ++n)
            ASSERT_TRUE(m_skin.WritePng(L"Loading\\" + LoadingFrames::FileName(n), 80, 33, FrameArgb(n)));
    }

    TestSkin m_skin;
    DialogTemplate m_ownerTemplate{WS_POPUP, 100, 100};
    CDialogEx m_owner{m_ownerTemplate.Get()};
};

} // namespace

TEST_F(LoadingAnimationTest, FramesAdvanceOnlyWhileShown)
{
    WriteFrames();
    CLoadingDlg loading;
    ASSERT_TRUE(loading.Create(&m_owner));
    EXPECT_EQ(GetWindow(loading, GW_OWNER), m_owner.m_hWnd);
    loading.SetWindowPos(HWND_TOPMOST, 184, 49, 845, 590, SWP_NOACTIVATE);

    // Hidden after creation: no timer, the first frame waits.
    EXPECT_FALSE(loading.IsWindowVisible());
    EXPECT_FALSE(loading.Animating());
    PumpMessages(200);
    EXPECT_EQ(loading.FrameIndex(), 0);

    loading.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(loading.Animating());
    PumpMessages(500);
    const int shown = loading.FrameIndex();
    EXPECT_GE(shown, 3);
    // The frame at (383, 262), 80 x 33, over the background.
    EXPECT_EQ(Shown(loading, 383 + 40, 262 + 16), AsColorRef(FrameArgb(loading.FrameIndex() + 1)));
    EXPECT_EQ(Shown(loading, 383 + 79, 262 + 32), AsColorRef(FrameArgb(loading.FrameIndex() + 1)));
    EXPECT_EQ(Shown(loading, 383 + 80, 262 + 16), AsColorRef(kBackground));
    EXPECT_EQ(Shown(loading, 5, 5), AsColorRef(kBackground));

    // Hidden by any means, the timer goes; shown again, it comes back.
    loading.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    EXPECT_FALSE(loading.Animating());
    const int frozen = loading.FrameIndex();
    PumpMessages(250);
    EXPECT_EQ(loading.FrameIndex(), frozen);
    loading.SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(loading.Animating());
    PumpMessages(250);
    EXPECT_NE(loading.FrameIndex(), frozen);

    // The 39 frames repeat: over 3 s the index has wrapped at least once
    // and never left 0 ... 38.
    int wraps = 0;
    int last = loading.FrameIndex();
    for (int i = 0; i < 60; ++i) {
        PumpMessages(50);
        int now = loading.FrameIndex();
        ASSERT_GE(now, 0);
        ASSERT_LT(now, LoadingFrames::kCount);
        if (now < last)
            ++wraps;
        last = now;
    }
    EXPECT_GE(wraps, 1);

    loading.DestroyWindow();
    EXPECT_FALSE(loading.Animating());
}

TEST_F(LoadingAnimationTest, WithoutTheLoadingFolderOnlyTheBackgroundShows)
{
    CLoadingDlg loading;
    ASSERT_TRUE(loading.Create(&m_owner));
    loading.SetWindowPos(HWND_TOPMOST, 184, 49, 845, 590, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(loading.Animating());
    PumpMessages(200);
    EXPECT_GT(loading.FrameIndex(), 0);
    EXPECT_EQ(Shown(loading, 383 + 40, 262 + 16), AsColorRef(kBackground));
    loading.DestroyWindow();
}
