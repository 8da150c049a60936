#include <gtest/gtest.h>

#include "PopupTestKit.h"
#include "config/CLanguage.h"
#include "ui/CHighlightDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/CSpecialMaskDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"

namespace {

LONG_PTR ExStyle(HWND hwnd)
{
    return GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
}

BYTE LayeredAlpha(HWND hwnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : 0;
}

COLORREF ColourKey(HWND hwnd)
{
    COLORREF key = CLR_INVALID;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, &key, nullptr, &flags) && (flags & LWA_COLORKEY) ? key : CLR_INVALID;
}

// The pointer moved to a screen point through the system's input, then
// optionally a left click there.
void PointerAt(int x, int y, bool click)
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3]{};
    for (INPUT& in : input)
        in.type = INPUT_MOUSE;
    input[0].mi.dx = (x * 65536 + w - 1) / w;
    input[0].mi.dy = (y * 65536 + h - 1) / h;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(click ? 3 : 1, input, sizeof(INPUT));
}

// The 32-bit pixel (x, y) of a top-down picture: 0xAARRGGBB as stored.
DWORD PixelOf(HBITMAP bitmap, int x, int y)
{
    DIBSECTION dib{};
    if (GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits)
        return 0xDEADBEEF;
    return static_cast<const DWORD*>(dib.dsBm.bmBits)[static_cast<size_t>(y) * dib.dsBm.bmWidth + x];
}

} // namespace

TEST(CMaskDlg, OpacityStylesTargetAndClicksItTakes)
{
    TestSkin skin;
    CMaskDlg faint;
    EXPECT_EQ(faint.Opacity(), 1);
    ASSERT_TRUE(faint.Create());
    EXPECT_EQ(LayeredAlpha(faint.m_hWnd), 2) << "1 % is nearly invisible";
    EXPECT_TRUE(ExStyle(faint.m_hWnd) & WS_EX_TOOLWINDOW);
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectW(faint.BackgroundBrush(), sizeof(brush), &brush));
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 0));

    // A window under a 55 % mask never sees a click on the mask, and sees it once the mask is gone.
    MessageRecorder under(WS_POPUP | WS_VISIBLE, 0, RECT{300, 300, 600, 500});
    MessageRecorder target;
    auto* dim = new CMaskDlg;
    dim->SetOpacity(55);
    dim->SetTarget(target.hwnd);
    ASSERT_TRUE(dim->Create());
    EXPECT_EQ(LayeredAlpha(dim->m_hWnd), 140);
    dim->SetWindowPos(HWND_TOPMOST, 250, 250, 400, 300, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PumpMessages(200);
    PointerAt(450, 400, true);
    PumpMessages(800, [&] { return target.Count(MSG_MOUSE_ENTER) > 0; });
    EXPECT_EQ(under.Count(WM_LBUTTONDOWN), 0);
    EXPECT_GE(target.Count(MSG_MOUSE_ENTER), 1);
    const MSG* enter = target.Last(MSG_MOUSE_ENTER);
    ASSERT_NE(enter, nullptr);
    EXPECT_EQ(enter->wParam, 0u);
    EXPECT_EQ(enter->lParam, 0);
    // The pointer leaves: one leave notice.
    PointerAt(50, 50, false);
    PumpMessages(2000, [&] { return target.Count(MSG_MOUSE_LEAVE) > 0; });
    EXPECT_EQ(target.Count(MSG_MOUSE_LEAVE), 1);
    // The creator closes it with a posted close message, then deletes it.
    HWND dimHwnd = dim->m_hWnd;
    dim->PostMessage(WM_CLOSE);
    PumpMessages(500, [&] { return !IsWindow(dimHwnd); });
    EXPECT_FALSE(IsWindow(dimHwnd));
    delete dim;
    PointerAt(450, 400, true);
    PumpMessages(800, [&] { return under.Count(WM_LBUTTONDOWN) > 0; });
    EXPECT_EQ(under.Count(WM_LBUTTONDOWN), 1) << "the control case: without the mask the click arrives";
}

TEST(CHighlightDlg, PassesFocusAndClicksOnlyToWhomItIsTold)
{
    TestSkin skin;
    MessageRecorder list;
    ThreadMessagesWaiting();
    for (bool told : {false, true}) {
        CHighlightDlg bar;
        ASSERT_TRUE(bar.Create());
        bar.SetBackgroundColor(RGB(0, 128, 255));
        ASSERT_TRUE(LayeredWindow::SetConstantAlpha(bar.m_hWnd, LayeredWindow::PercentToAlpha(40)));
        EXPECT_EQ(LayeredAlpha(bar.m_hWnd), 102);
        if (told) {
            bar.SetFocusOwner(list.hwnd);
            bar.SetClickTarget(list.hwnd);
        }
        bar.SetWindowPos(HWND_TOPMOST, 100, 100, 300, 24, SWP_SHOWWINDOW);
        SetFocus(bar.m_hWnd);
        SendMessageW(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
        SendMessageW(bar.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
        PumpMessages(100);
        EXPECT_EQ(GetFocus(), bar.m_hWnd);
        if (!told) {
            EXPECT_EQ(list.Count(MSG_PASS_FOCUS) + list.Count(WM_LBUTTONUP) + list.Count(WM_LBUTTONDOWN), 0);
            EXPECT_EQ(ThreadMessagesWaiting(), 0) << "nothing posted to no window";
            continue;
        }
        EXPECT_EQ(list.Count(MSG_PASS_FOCUS), 1);
        EXPECT_EQ(list.Count(WM_LBUTTONDOWN), 0) << "button-down is not passed unless asked";
        ASSERT_EQ(list.Count(WM_LBUTTONUP), 1);
        EXPECT_EQ(list.Last(WM_LBUTTONUP)->lParam, 0) << "at the point (0, 0)";
        bar.SetPassButtonDown(true);
        SendMessageW(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
        PumpMessages(50);
        ASSERT_EQ(list.Count(WM_LBUTTONDOWN), 1);
        EXPECT_EQ(list.Last(WM_LBUTTONDOWN)->wParam, 0u);
        EXPECT_EQ(list.Last(WM_LBUTTONDOWN)->lParam, 0);
    }
}

TEST(CTransparentViewDlg, InvisibleSheetWithTheSkinnedButton)
{
    ReleaseLanguage();
    TestSkin skin;
    ASSERT_TRUE(skin.Write(L"Layout.ini", "[LISTDLG]\r\nList_Btn_text_Font_Size=14\r\n[SPECIALDLG]\r\n"
                                          "Special_Btn_text_Color_Normal=RGB(255,255,255)\r\n"));
    ASSERT_TRUE(skin.WriteSolidPng(L"blackbutton_n.png", 142, 34, 0xFF202020));
    CTransparentViewDlg view;
    ASSERT_TRUE(view.Create());
    EXPECT_EQ(ColourKey(view.m_hWnd), RGB(255, 0, 255));
    HWND button = view.GetDlgItem(IDOK);
    EXPECT_EQ(ChildRect(button).left, 0);
    EXPECT_EQ(ChildRect(button).top, 0);
    EXPECT_EQ(WindowSize(button).cx, 142);
    EXPECT_EQ(WindowSize(button).cy, 34);
    EXPECT_EQ(view.Button().GetWindowText(), L"Install Now");
    EXPECT_TRUE(view.Button().HasFont());
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    // A click without a target posts nothing and the sheet stays.
    ThreadMessagesWaiting();
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpMessages(50);
    EXPECT_EQ(ThreadMessagesWaiting(), 0);
    ASSERT_TRUE(IsWindow(view.m_hWnd));
    MessageRecorder owner;
    view.SetTarget(owner.hwnd);
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpMessages(50);
    ASSERT_EQ(owner.Count(MSG_VIEW_OK), 1);
    EXPECT_EQ(owner.Last(MSG_VIEW_OK)->wParam, 0u);
    EXPECT_TRUE(IsWindow(view.m_hWnd));
}

TEST(CShadowDlg, NineSlicePiecesAndTheWholePicture)
{
    TestSkin skin;
    // Each piece its own colour; the top-left one half transparent.
    const struct {
        const wchar_t* name;
        int w, h;
        DWORD argb;
    } pieces[] = {
        {L"shadow_top_left.png", 164, 88, 0x80000000},   {L"shadow_top_middle.png", 2, 20, 0xFF100000},
        {L"shadow_top_right.png", 164, 88, 0xFF200000},  {L"shadow_middle_left.png", 20, 2, 0xFF300000},
        {L"shadow_middle_right.png", 20, 2, 0xFF400000}, {L"shadow_down_left.png", 164, 88, 0xFF500000},
        {L"shadow_down_middle.png", 2, 20, 0xFF600000},  {L"shadow_down_right.png", 164, 88, 0xFF700000},
    };
    for (const auto& p : pieces)
        ASSERT_TRUE(skin.WriteSolidPng(p.name, p.w, p.h, p.argb));
    ASSERT_TRUE(skin.WriteSolidPng(L"main_shadow.png", 260, 150, 0x40000000));

    MessageRecorder owner;
    CShadowDlg frame;
    frame.SetNineSlice(true);
    ASSERT_TRUE(frame.Create());
    const LONG_PTR ex = ExStyle(frame.m_hWnd);
    for (LONG_PTR bit : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_TRANSPARENT}, LONG_PTR{WS_EX_TOOLWINDOW},
                         LONG_PTR{WS_EX_NOACTIVATE}})
        EXPECT_TRUE(ex & bit) << std::hex << bit;
    CBitmap picture = frame.BuildFrame(SIZE{600, 400});
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelOf(picture, 0, 0), 0x80000000u) << "copied straight, alpha kept";
    EXPECT_EQ(PixelOf(picture, 163, 87), 0x80000000u);
    EXPECT_EQ(PixelOf(picture, 164, 0), 0xFF100000u);
    EXPECT_EQ(PixelOf(picture, 164 + 270, 19), 0xFF100000u);
    EXPECT_EQ(PixelOf(picture, 600 - 164, 0), 0xFF200000u);
    EXPECT_EQ(PixelOf(picture, 599, 87), 0xFF200000u);
    EXPECT_EQ(PixelOf(picture, 0, 88), 0xFF300000u);
    EXPECT_EQ(PixelOf(picture, 19, 400 - 89), 0xFF300000u);
    EXPECT_EQ(PixelOf(picture, 600 - 164, 200), 0xFF400000u);
    EXPECT_EQ(PixelOf(picture, 0, 400 - 88), 0xFF500000u);
    EXPECT_EQ(PixelOf(picture, 300, 400 - 88), 0xFF600000u);
    EXPECT_EQ(PixelOf(picture, 599, 399), 0xFF700000u);
    EXPECT_EQ(PixelOf(picture, 300, 200), 0u) << "the centre stays transparent";
    EXPECT_EQ(PixelOf(picture, 300, 20), 0u) << "under the top edge pieces";

    // The window shows the frame at its own size; whole-picture mode takes the picture's.
    frame.SetWindowPos(nullptr, 100, 100, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    frame.PostMessage(WM_PAINT);
    CShadowDlg whole;
    ASSERT_TRUE(whole.Create());
    whole.SetWindowPos(nullptr, 120, 110, 50, 50, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    whole.PostMessage(WM_PAINT);
    PumpMessages(200);
    EXPECT_EQ(WindowSize(frame.m_hWnd).cx, 600);
    EXPECT_EQ(WindowSize(frame.m_hWnd).cy, 400);
    EXPECT_EQ(WindowSize(whole.m_hWnd).cx, 260);
    EXPECT_EQ(WindowSize(whole.m_hWnd).cy, 150);
    RECT place{};
    GetWindowRect(whole.m_hWnd, &place);
    EXPECT_EQ(place.left, 120);
    EXPECT_EQ(place.top, 110);

    // Without its picture a whole-picture shadow keeps its place and size and shows nothing.
    DeleteFileW((skin.dir / L"main_shadow.png").c_str());
    CShadowDlg none;
    ASSERT_TRUE(none.Create());
    none.SetWindowPos(nullptr, 10, 10, 50, 40, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    none.PostMessage(WM_PAINT);
    PumpMessages(100);
    EXPECT_EQ(WindowSize(none.m_hWnd).cx, 50);
    EXPECT_EQ(WindowSize(none.m_hWnd).cy, 40);
}

TEST(CSpecialMaskDlg, PictureAndColourKey)
{
    TestSkin skin;
    ASSERT_TRUE(skin.WritePng(L"special_mask.png", 80, 60,
                              [](int x, int) { return x < 40 ? 0xFFFF00FF : 0xFF0080FF; }));
    CSpecialMaskDlg mask;
    ASSERT_TRUE(mask.Create());
    EXPECT_EQ(ColourKey(mask.m_hWnd), RGB(255, 0, 255));
    EXPECT_EQ(mask.PictureSize().cx, 80);
    EXPECT_EQ(mask.PictureSize().cy, 60);
}
