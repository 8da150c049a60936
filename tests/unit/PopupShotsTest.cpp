#include <gtest/gtest.h>

#include <algorithm>

#include "PngImage.h"
#include "PopupTestKit.h"
#include "ScreenCapture.h"
#include "TestPaths.h"
#include "config/CLanguage.h"
#include "ui/CHighlightDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/PictureMaskDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/framework/LayeredWindow.h"

namespace {

const DWORD kMagenta = 0xFFFF00FF;

// Light grey with dark stripes, so that what is translucent shows.
LRESULT CALLBACK StripesProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_ERASEBKGND)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    RECT all{0, 0, 1100, 760};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    for (int x = -760; x < 1100; x += 40)
        for (int w = 0; w < 3; ++w) {
            MoveToEx(dc, x + w, 0, nullptr);
            LineTo(dc, x + w + 760, 760);
        }
    return 1;
}

// A soft edge: dark, fading over the outer 8 pixels.
DWORD Fade(int d)
{
    return d >= 8 ? 0u : static_cast<DWORD>(110 - d * 13) << 24;
}

std::wstring ShotPath(const std::wstring& name)
{
    CreateDirectoryW((TestExeFolder() + L"..\\..\\shots").c_str(), nullptr);
    return TestExeFolder() + L"..\\..\\shots\\" + name + L".png";
}

} // namespace

// Every pop-up over a backdrop, saved under build/shots/ to be looked at
// (translucency shows with a compositor running); colour keys checked.
TEST(PopupShots, EachPopupOverABackdrop)
{
    ReleaseLanguage();
    TestSkin skin;
    const DWORD border = 0xFF4A78B0, fill = 0xFFFFFFF0;
    // The frame: a one-pixel border outside, corners keyed at their outer pixel.
    const struct {
        const wchar_t* name;
        int w, h, x, y;
    } tipPieces[] = {{L"top_left", 4, 4, 0, 0},    {L"top_right", 4, 4, 3, 0},   {L"down_left", 4, 4, 0, 3},
                     {L"down_right", 4, 4, 3, 3},  {L"top_middle", 1, 4, -1, 0}, {L"down_middle", 1, 4, -1, 3},
                     {L"middle_left", 4, 1, 0, -1}, {L"middle_right", 4, 1, 3, -1}};
    for (const auto& p : tipPieces)
        ASSERT_TRUE(skin.WritePng(std::wstring(L"tooltip_") + p.name + L".png", p.w, p.h, [&](int x, int y) {
            return x == p.x && y == p.y ? kMagenta : x == p.x || y == p.y ? border : fill;
        }));
    const int cw = CShadowDlg::kCornerWidth, ch = CShadowDlg::kCornerHeight;
    const wchar_t* shadows[] = {L"top_left", L"top_right", L"down_left", L"down_right"};
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(skin.WritePng(std::wstring(L"shadow_") + shadows[i] + L".png", cw, ch, [=](int x, int y) {
            return Fade(std::min(i % 2 ? cw - 1 - x : x, i / 2 ? ch - 1 - y : y));
        }));
    ASSERT_TRUE(skin.WritePng(L"shadow_top_middle.png", 2, ch, [](int, int y) { return Fade(y); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_down_middle.png", 2, ch, [=](int, int y) { return Fade(ch - 1 - y); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_middle_left.png", cw, 2, [](int x, int) { return Fade(x); }));
    ASSERT_TRUE(skin.WritePng(L"shadow_middle_right.png", cw, 2, [=](int x, int) { return Fade(cw - 1 - x); }));
    ASSERT_TRUE(skin.WritePng(L"main_shadow.png", 300, 180,
                              [](int x, int y) { return Fade(std::min(std::min(x, 299 - x), std::min(y, 179 - y))); }));
    ASSERT_TRUE(skin.WritePng(L"blackbutton_n.png", 142, 34, [](int, int y) { return 0xFF303030u - (y / 2) * 0x010101u; }));
    ASSERT_TRUE(skin.WritePng(L"special_mask.png", 240, 120,
                              [](int, int y) { return y < 40 || y >= 80 ? kMagenta : 0xFF2060A0u; }));
    ASSERT_TRUE(skin.Write(L"Layout.ini", "[TOOLTIPDLG]\r\nTip_text_Font_Size=15\r\nTip_bg_Color=RGB(255,255,240)\r\n"
                                          "[LISTDLG]\r\nList_Btn_text_Font_Size=15\r\n"
                                          "[SPECIALDLG]\r\nSpecial_Btn_text_Color_Normal=RGB(255,255,255)\r\n"));
    WNDCLASSW wc{0, StripesProc, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"DezStripes"};
    RegisterClassW(&wc);
    HWND backdrop = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 1100, 760, nullptr,
                                    nullptr, wc.hInstance, nullptr);

    CTooltipDlg tip;
    CMaskDlg dim;
    CHighlightDlg bar;
    CTransparentViewDlg view;
    CSpecialMaskDlg special;
    CShadowDlg frame, whole;
    dim.SetOpacity(55);
    frame.SetNineSlice(true);
    const struct {
        const wchar_t* name;
        CDialogEx& popup;
        RECT place;
    } shots[] = {{L"tooltip", tip, {40, 40, 370, 0}},           {L"mask55", dim, {420, 40, 720, 220}},
                 {L"highlight", bar, {760, 60, 1060, 86}},       {L"transparentview", view, {760, 140, 960, 200}},
                 {L"specialmask", special, {760, 260, 1000, 380}}, {L"shadow_nineslice", frame, {40, 300, 460, 560}},
                 {L"shadow_whole", whole, {500, 420, 510, 430}}};
    for (const auto& shot : shots) {
        ASSERT_TRUE(shot.popup.Create()) << shot.name;
        if (&shot.popup == &tip)
            tip.SetTipText(L"Realtek high definition audio driver for the onboard sound@@Version 6.0.9");
        const LONG bottom = &shot.popup == &tip ? shot.place.top + tip.TipHeight() : shot.place.bottom;
        shot.popup.SetWindowPos(HWND_TOPMOST, shot.place.left, shot.place.top, shot.place.right - shot.place.left,
                                bottom - shot.place.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        shot.popup.PostMessage(WM_PAINT);
    }
    bar.SetBackgroundColor(RGB(0, 120, 215));
    LayeredWindow::SetConstantAlpha(bar.m_hWnd, LayeredWindow::PercentToAlpha(40));
    PumpMessages(700);
    for (const auto& shot : shots) {
        RECT around{};
        GetWindowRect(shot.popup.m_hWnd, &around);
        InflateRect(&around, 12, 12);
        EXPECT_TRUE(uiprobe::ScreenCapture::SaveRect(around, ShotPath(shot.name))) << shot.name;
    }
    ASSERT_TRUE(uiprobe::ScreenCapture::SaveRect(RECT{0, 0, 1100, 760}, ShotPath(L"popups")));
    DestroyWindow(backdrop);

    uiprobe::PngImage screen;
    ASSERT_TRUE(screen.Load(ShotPath(L"popups")));
    const COLORREF magenta = RGB(255, 0, 255);
    EXPECT_EQ(screen.Pixel(40 + 20, 40 + 6), RGB(255, 255, 240)) << "the tool tip's fill";
    EXPECT_EQ(screen.Pixel(40 + 1, 40), RGB(0x4A, 0x78, 0xB0)) << "its frame";
    EXPECT_NE(screen.Pixel(40, 40), magenta) << "its keyed corner";
    EXPECT_EQ(screen.Pixel(760 + 5, 140 + 30), RGB(0x21, 0x21, 0x21)) << "the install button";
    EXPECT_NE(screen.Pixel(760 + 170, 140 + 30), magenta) << "the sheet beside it";
    EXPECT_EQ(screen.Pixel(760 + 120, 260 + 60), RGB(0x20, 0x60, 0xA0)) << "the picture mask's band";
    EXPECT_NE(screen.Pixel(760 + 120, 260 + 10), magenta) << "its keyed rows";
    // The mask's magenta rows are cut out of its window: clicks there reach what lies beneath.
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(special.m_hWnd, shape), ERROR);
    EXPECT_FALSE(PtInRegion(shape, 120, 10)) << "keyed rows";
    EXPECT_TRUE(PtInRegion(shape, 120, 60)) << "the band";
    DeleteObject(shape);
    EXPECT_EQ(Corners(whole.m_hWnd), (std::array<LONG, 4>{500, 420, 800, 600}));
}
