#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PngImage.h"
#include "PopupTestKit.h"
#include "ScreenCapture.h"
#include "config/CLanguage.h"
#include "ui/CHighlightDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/CSpecialMaskDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/framework/LayeredWindow.h"

namespace {

const COLORREF kBackdrop = RGB(236, 240, 244);
const DWORD kMagenta = 0xFFFF00FF;

// A light backdrop with dark diagonal lines, so that translucency shows.
LRESULT CALLBACK BackdropProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_ERASEBKGND)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    RECT all{};
    GetClientRect(hwnd, &all);
    HBRUSH light = CreateSolidBrush(kBackdrop);
    FillRect(dc, &all, light);
    DeleteObject(light);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(40, 60, 90));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int x = -all.bottom; x < all.right; x += 40) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x + all.bottom, all.bottom);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
    return 1;
}

HWND Backdrop()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = BackdropProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DezShotBackdrop";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 1100, 760, nullptr, nullptr,
                                wc.hInstance, nullptr);
    UpdateWindow(hwnd);
    return hwnd;
}

// Skin pictures drawn here: a rounded tool tip frame, a soft shadow, a dark button, a banded picture mask.
void WriteSkin(TestSkin& skin)
{
    const DWORD border = 0xFF4A78B0, fill = 0xFFFFFFF0;
    auto corner = [&](int cx, int cy) {
        return [=](int x, int y) -> DWORD {
            const double d = std::hypot(x - cx, y - cy);
            return d > 3.6 ? kMagenta : d > 2.4 ? border : fill;
        };
    };
    ASSERT_TRUE(skin.WritePng(L"tooltip_top_left.png", 4, 4, corner(3, 3)));
    ASSERT_TRUE(skin.WritePng(L"tooltip_top_right.png", 4, 4, corner(0, 3)));
    ASSERT_TRUE(skin.WritePng(L"tooltip_down_left.png", 4, 4, corner(3, 0)));
    ASSERT_TRUE(skin.WritePng(L"tooltip_down_right.png", 4, 4, corner(0, 0)));
    ASSERT_TRUE(skin.WritePng(L"tooltip_top_middle.png", 1, 4, [&](int, int y) { return y == 0 ? border : fill; }));
    ASSERT_TRUE(skin.WritePng(L"tooltip_down_middle.png", 1, 4, [&](int, int y) { return y == 3 ? border : fill; }));
    ASSERT_TRUE(skin.WritePng(L"tooltip_middle_left.png", 4, 1, [&](int x, int) { return x == 0 ? border : fill; }));
    ASSERT_TRUE(skin.WritePng(L"tooltip_middle_right.png", 4, 1, [&](int x, int) { return x == 3 ? border : fill; }));

    // Shadow: dark, fading over the outer 8 pixels of each side.
    auto fade = [](int d) -> DWORD { return d >= 8 ? 0u : static_cast<DWORD>(110 - d * 13) << 24; };
    const int cw = CShadowDlg::kCornerWidth, ch = CShadowDlg::kCornerHeight;
    auto cornerFade = [&](bool right, bool down) {
        return [=](int x, int y) { return fade(std::min(right ? cw - 1 - x : x, down ? ch - 1 - y : y)); };
    };
    ASSERT_TRUE(skin.WritePng(L"shadow_top_left.png", cw, ch, cornerFade(false, false)));
    ASSERT_TRUE(skin.WritePng(L"shadow_top_right.png", cw, ch, cornerFade(true, false)));
    ASSERT_TRUE(skin.WritePng(L"shadow_down_left.png", cw, ch, cornerFade(false, true)));
    ASSERT_TRUE(skin.WritePng(L"shadow_down_right.png", cw, ch, cornerFade(true, true)));
    ASSERT_TRUE(skin.WritePng(L"shadow_top_middle.png", 2, ch, [&](int, int y) { return fade(y); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_down_middle.png", 2, ch, [&](int, int y) { return fade(ch - 1 - y); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_middle_left.png", cw, 2, [&](int x, int) { return fade(x); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_middle_right.png", cw, 2, [&](int x, int) { return fade(cw - 1 - x); }));
    ASSERT_TRUE(skin.WritePng(L"main_shadow.png", 300, 180, [&](int x, int y) {
        return fade(std::min(std::min(x, 299 - x), std::min(y, 179 - y)));
    }));

    ASSERT_TRUE(skin.WritePng(L"blackbutton_n.png", 142, 34, [](int, int y) { return 0xFF000000u | (0x30 - y / 2) * 0x010101u; }));
    ASSERT_TRUE(skin.WritePng(L"special_mask.png", 240, 120, [](int, int y) {
        return y < 40 || y >= 80 ? kMagenta : 0xFF2060A0u;
    }));
    ASSERT_TRUE(skin.Write(L"Layout.ini",
                           "[TOOLTIPDLG]\r\nTip_text_Font_Size=15\r\nTip_text_Color=RGB(30,30,30)\r\n"
                           "Tip_bg_Color=RGB(255,255,240)\r\nTip_EULA_Color_Normal=RGB(0,90,200)\r\n"
                           "[LISTDLG]\r\nList_Btn_text_Font_Size=15\r\n"
                           "[SPECIALDLG]\r\nSpecial_Btn_text_Color_Normal=RGB(255,255,255)\r\n"));
}

std::wstring ShotPath(const std::wstring& name)
{
    const std::wstring folder = TestExeFolder() + L"..\\..\\shots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + name + L".png";
}

RECT Grown(HWND hwnd, int by)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    InflateRect(&r, by, by);
    return r;
}

} // namespace

TEST(PopupShots, EachPopupOverABackdrop)
{
    ReleaseLanguage();
    TestSkin skin;
    WriteSkin(skin);
    if (HasFatalFailure())
        return;
    HWND backdrop = Backdrop();

    CTooltipDlg tip;
    ASSERT_TRUE(tip.Create());
    tip.SetTipText(L"Realtek high definition audio driver for the board's onboard sound@@Version 6.0.9");
    tip.SetWindowPos(HWND_TOPMOST, 40, 40, 330, tip.TipHeight(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    tip.ShowWindow(SW_SHOWNOACTIVATE);

    CMaskDlg dim;
    dim.SetOpacity(55);
    ASSERT_TRUE(dim.Create());
    dim.SetWindowPos(HWND_TOPMOST, 420, 40, 300, 180, SWP_SHOWWINDOW | SWP_NOACTIVATE);

    CHighlightDlg bar;
    ASSERT_TRUE(bar.Create());
    bar.SetBackgroundColor(RGB(0, 120, 215));
    LayeredWindow::SetConstantAlpha(bar.m_hWnd, LayeredWindow::PercentToAlpha(40));
    bar.SetWindowPos(HWND_TOPMOST, 760, 60, 300, 26, SWP_SHOWWINDOW | SWP_NOACTIVATE);

    CTransparentViewDlg view;
    ASSERT_TRUE(view.Create());
    view.SetWindowPos(HWND_TOPMOST, 760, 140, 200, 60, SWP_SHOWWINDOW | SWP_NOACTIVATE);

    CSpecialMaskDlg special;
    ASSERT_TRUE(special.Create());
    special.SetWindowPos(HWND_TOPMOST, 760, 260, 240, 120, SWP_SHOWWINDOW | SWP_NOACTIVATE);

    CShadowDlg frame;
    frame.SetNineSlice(true);
    ASSERT_TRUE(frame.Create());
    frame.SetWindowPos(HWND_TOPMOST, 40, 300, 420, 260, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    frame.PostMessage(WM_PAINT);

    CShadowDlg whole;
    ASSERT_TRUE(whole.Create());
    whole.SetWindowPos(HWND_TOPMOST, 500, 420, 10, 10, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    whole.PostMessage(WM_PAINT);
    PumpMessages(700);

    const struct {
        const wchar_t* name;
        HWND hwnd;
    } shots[] = {{L"tooltip", tip.m_hWnd},          {L"mask55", dim.m_hWnd},
                 {L"highlight", bar.m_hWnd},        {L"transparentview", view.m_hWnd},
                 {L"specialmask", special.m_hWnd},  {L"shadow_nineslice", frame.m_hWnd},
                 {L"shadow_whole", whole.m_hWnd}};
    for (const auto& shot : shots)
        EXPECT_TRUE(uiprobe::ScreenCapture::SaveRect(Grown(shot.hwnd, 12), ShotPath(shot.name))) << shot.name;
    const RECT all{0, 0, 1100, 760};
    ASSERT_TRUE(uiprobe::ScreenCapture::SaveRect(all, ShotPath(L"popups")));

    // What colour keys make of the screen, compositor or not.
    uiprobe::PngImage screen;
    ASSERT_TRUE(screen.Load(ShotPath(L"popups")));
    auto similar = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                   std::abs(GetBValue(a) - GetBValue(b)) < 24;
    };
    // The tool tip: its fill inside, the backdrop through its magenta corner.
    EXPECT_TRUE(similar(screen.Pixel(40 + 20, 40 + 6), RGB(255, 255, 240)));
    EXPECT_NE(screen.Pixel(40, 40), RGB(255, 0, 255));
    // The transparent view: the button, and beside it the backdrop through the sheet.
    EXPECT_TRUE(similar(screen.Pixel(760 + 5, 140 + 30), RGB(0x21, 0x21, 0x21)));
    EXPECT_NE(screen.Pixel(760 + 170, 140 + 30), RGB(255, 0, 255));
    EXPECT_NE(screen.Pixel(760 + 170, 140 + 10), RGB(0, 0, 0));
    // The picture mask: its band, and the backdrop through its magenta rows.
    EXPECT_TRUE(similar(screen.Pixel(760 + 120, 260 + 60), RGB(0x20, 0x60, 0xA0)));
    EXPECT_NE(screen.Pixel(760 + 120, 260 + 10), RGB(255, 0, 255));
    // The whole-picture shadow took its picture's size.
    EXPECT_EQ(WindowSize(whole.m_hWnd).cx, 300);
    DestroyWindow(backdrop);
}
