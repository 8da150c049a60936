#include <gtest/gtest.h>

#include "PopupTestKit.h"
#include "config/CLanguage.h"
#include "ui/CHighlightDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"

namespace {

// The pointer moved to a screen point through the system's input, and a click there.
void PointerAt(int x, int y, bool click)
{
    INPUT input[3]{};
    for (INPUT& in : input)
        in.type = INPUT_MOUSE;
    input[0].mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input[0].mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(click ? 3 : 1, input, sizeof(INPUT));
}

// Placed and shown as its creators do, given its paint message: where it ends up.
std::array<LONG, 4> ShownAt(CShadowDlg& shadow, int x, int y, int w, int h)
{
    shadow.SetWindowPos(nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    shadow.PostMessage(WM_PAINT);
    PumpMessages(150);
    return Corners(shadow.m_hWnd);
}

} // namespace

TEST(CMaskDlg, OpacityPointerNoticesAndTheClicksItTakes)
{
    TestSkin skin;
    CMaskDlg faint;
    ASSERT_TRUE(faint.Create());
    EXPECT_EQ(LayeredAlpha(faint.m_hWnd), 2) << "the default 1 % is nearly invisible";
    EXPECT_TRUE(GetWindowLongPtrW(faint.m_hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // The keyboard's Esc and Enter do not end a pop-up; the owner's close does.
    SendMessageW(faint.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(faint.m_hWnd, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(IsWindow(faint.m_hWnd));
    faint.PostMessage(WM_CLOSE);
    PumpMessages(500, [&] { return !faint.m_hWnd; });
    EXPECT_EQ(faint.m_hWnd, nullptr);

    // A 55 % mask over a window takes the click meant for it and tells its target.
    MessageRecorder under(WS_POPUP | WS_VISIBLE, RECT{300, 300, 600, 500});
    MessageRecorder target;
    auto dim = std::make_unique<CMaskDlg>();
    dim->SetOpacity(55);
    dim->SetTarget(target.hwnd);
    ASSERT_TRUE(dim->Create());
    EXPECT_EQ(LayeredAlpha(dim->m_hWnd), 140);
    dim->SetWindowPos(HWND_TOPMOST, 250, 250, 400, 300, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PointerAt(450, 400, true);
    PumpMessages(800, [&] { return target.Count(MSG_MOUSE_ENTER) > 0; });
    ASSERT_GE(target.Count(MSG_MOUSE_ENTER), 1);
    EXPECT_EQ(target.Of(MSG_MOUSE_ENTER)[0].lParam, 0);
    EXPECT_EQ(under.Count(WM_LBUTTONDOWN), 0);
    PointerAt(50, 50, false);
    PumpMessages(2000, [&] { return target.Count(MSG_MOUSE_LEAVE) > 0; });
    EXPECT_EQ(target.Count(MSG_MOUSE_LEAVE), 1);
    dim.reset();
    PointerAt(450, 400, true);
    PumpMessages(800, [&] { return under.Count(WM_LBUTTONDOWN) > 0; });
    EXPECT_EQ(under.Count(WM_LBUTTONDOWN), 1) << "without the mask the click arrives";
}

TEST(CHighlightDlg, PassesFocusAndClicksOnlyToWhomItIsTold)
{
    TestSkin skin;
    MessageRecorder list;
    MessageRecorder focused(WS_POPUP | WS_VISIBLE, RECT{500, 500, 600, 600});
    TakeThreadMessages();
    for (bool told : {false, true}) {
        SetFocus(focused.hwnd);
        CHighlightDlg bar;
        ASSERT_TRUE(bar.Create());
        EXPECT_EQ(GetFocus(), focused.hwnd) << "being created takes no focus";
        if (told) {
            bar.SetFocusOwner(list.hwnd);
            bar.SetClickTarget(list.hwnd);
        }
        bar.SetWindowPos(HWND_TOPMOST, 100, 100, 300, 24, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        SetFocus(bar.m_hWnd);
        SendMessageW(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
        SendMessageW(bar.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
        bar.SetPassButtonDown(true);
        SendMessageW(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
        PumpMessages(100);
        EXPECT_EQ(GetFocus(), bar.m_hWnd);
        EXPECT_EQ(list.Count(MSG_PASS_FOCUS), told ? 1 : 0);
        EXPECT_EQ(list.Count(WM_LBUTTONUP), told ? 1 : 0);
        // Button-down only once it is asked for; both at the point (0, 0).
        EXPECT_EQ(list.Count(WM_LBUTTONDOWN), told ? 1 : 0);
        for (const MSG& m : list.seen)
            EXPECT_EQ(m.message == WM_LBUTTONUP || m.message == WM_LBUTTONDOWN ? m.lParam : 0, 0);
        EXPECT_EQ(TakeThreadMessages(), 0) << "nothing posted to no window";
    }
}

TEST(CTransparentViewDlg, InvisibleSheetWhoseButtonPostsViewOk)
{
    ReleaseLanguage();
    TestSkin skin;
    ASSERT_TRUE(skin.Write(L"Layout.ini", "[LISTDLG]\r\nList_Btn_text_Font_Size=14\r\n"));
    ASSERT_TRUE(skin.WritePng(L"blackbutton_n.png", 142, 34, 0xFF202020));
    CTransparentViewDlg view;
    ASSERT_TRUE(view.Create());
    EXPECT_EQ(LayeredKey(view.m_hWnd), RGB(255, 0, 255));
    EXPECT_EQ(Corners(view.GetDlgItem(IDOK), true), (std::array<LONG, 4>{0, 0, 142, 34}));
    EXPECT_EQ(view.Button().GetWindowText(), L"Install Now");
    EXPECT_TRUE(view.Button().HasFont());

    TakeThreadMessages();
    MessageRecorder owner;
    for (HWND target : {HWND{}, owner.hwnd}) {
        view.SetTarget(target);
        SendMessageW(view.GetDlgItem(IDOK), BM_CLICK, 0, 0);
        PumpMessages(50);
    }
    EXPECT_EQ(TakeThreadMessages(), 0) << "no target, nothing posted";
    ASSERT_EQ(owner.Count(MSG_VIEW_OK), 1);
    EXPECT_EQ(owner.Of(MSG_VIEW_OK)[0].wParam, 0u);
    EXPECT_TRUE(IsWindow(view.m_hWnd)) << "the click does not end the sheet";
}

TEST(CShadowDlg, NineSlicePiecesAndTheWholePicture)
{
    TestSkin skin;
    // Each piece its own red (odd columns differ in blue); the top-left one half transparent.
    const wchar_t* names[] = {L"top_left",  L"top_middle", L"top_right",   L"middle_left",
                              L"middle_right", L"down_left", L"down_middle", L"down_right"};
    const SIZE sizes[] = {{164, 88}, {2, 20}, {164, 88}, {20, 2}, {20, 2}, {164, 88}, {2, 20}, {164, 88}};
    for (DWORD i = 0; i < 8; ++i)
        ASSERT_TRUE(skin.WritePng(std::wstring(L"shadow_") + names[i] + L".png", sizes[i].cx, sizes[i].cy,
                                  [i](int x, int) { return i == 0 ? 0x80000000 : 0xFF000000 | (i << 20) | (x % 2); }));
    ASSERT_TRUE(skin.WritePng(L"main_shadow.png", 260, 150, 0x40000000));

    CShadowDlg frame;
    frame.SetNineSlice(true);
    ASSERT_TRUE(frame.Create());
    const LONG_PTR wanted = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    EXPECT_EQ(GetWindowLongPtrW(frame.m_hWnd, GWL_EXSTYLE) & wanted, wanted);
    CBitmap picture = frame.BuildFrame(SIZE{600, 400});
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(picture, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
    auto pixel = [&](int x, int y) { return static_cast<const DWORD*>(dib.dsBm.bmBits)[y * 600 + x]; };
    const struct {
        int x, y;
        DWORD argb;
    } expected[] = {
        {0, 0, 0x80000000},     {163, 87, 0x80000000}, // copied straight, alpha kept
        {434, 19, 0xFF100000},  {435, 19, 0xFF100001}, // top edge: a copy every 2 pixels
        {436, 0, 0xFF200000},   {599, 87, 0xFF200001}, // top right at W - 164
        {19, 311, 0xFF300001},  {436, 200, 0xFF400000}, // the sides down to H - 88
        {0, 312, 0xFF500000},   {300, 312, 0xFF600000}, // down left at H - 88, the bottom edge
        {599, 399, 0xFF700001}, {300, 20, 0},           // down right; transparent where no piece lies
    };
    for (const auto& e : expected)
        EXPECT_EQ(pixel(e.x, e.y), e.argb) << e.x << "," << e.y;

    // The window shows the frame at its own size; whole-picture mode takes the picture's size.
    EXPECT_EQ(ShownAt(frame, 100, 100, 600, 400), (std::array<LONG, 4>{100, 100, 700, 500}));
    CShadowDlg whole;
    ASSERT_TRUE(whole.Create());
    EXPECT_EQ(ShownAt(whole, 120, 110, 50, 50), (std::array<LONG, 4>{120, 110, 120 + 260, 110 + 150}));
    // Without its picture it keeps its place and size and shows nothing.
    DeleteFileW((skin.dir / L"main_shadow.png").c_str());
    CShadowDlg none;
    ASSERT_TRUE(none.Create());
    EXPECT_EQ(ShownAt(none, 10, 10, 50, 40), (std::array<LONG, 4>{10, 10, 60, 50}));
}
