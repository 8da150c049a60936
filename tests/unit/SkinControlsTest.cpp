#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "GdiHighWater.h"
#include "TempFolder.h"
#include "TestPng.h"
#include "config/CController.h"
#include "ui/AppContext.h"
#include "ui/framework/CDialogEx.h"
#include "ui/skin/StyleSheet.h"
#include "ui/skin/CListComponentDlg.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/SkinImages.h"

namespace {

constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kGreen = 0xFF00FF00;
constexpr DWORD kBlue = 0xFF0000FF;

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The colour the screen shows at a point of a window's client area.
COLORREF ScreenColor(HWND hwnd, int x, int y)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

class ModelessDialog : public CDialogEx {
public:
    explicit ModelessDialog(const DLGTEMPLATE* t) : CDialogEx(t) {}
    std::vector<std::pair<UINT, WPARAM>> received;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kMsgScrollFirstRow || msg == kMsgScrollHover)
            received.emplace_back(msg, wParam);
        return CDialogEx::WindowProc(msg, wParam, lParam);
    }
};

enum : WORD { kPush = 201, kPlain = 202, kCheck = 203, kRadio1 = 204, kRadio2 = 205, kRadio3 = 206 };

} // namespace

TEST(SkinImages, PngLoadsPremultipliedCropsAndBlends)
{
    TempFolder folder(L"skinimages");
    std::wstring path = folder.Path() + L"half.png";
    // Left half opaque red, right half half-transparent blue.
    ASSERT_TRUE(WriteTestPng(path, 20, 10, [](int x, int) { return x < 10 ? kRed : 0x800000FFu; }));

    CBitmap bitmap(LoadPngBitmap(path));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap.Size().cx, 20);
    EXPECT_EQ(bitmap.Size().cy, 10);
    EXPECT_EQ(BitmapPixel(bitmap, 2, 2), 0xFFFF0000u);
    // Premultiplied: blue 255 at alpha 128 is stored as 128.
    DWORD blue = BitmapPixel(bitmap, 15, 2);
    EXPECT_EQ(blue >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>(blue & 0xFF), 128, 1);

    EXPECT_EQ(LoadPngBitmap(folder.Path() + L"missing.png"), nullptr);
    EXPECT_EQ(LoadPngBitmap(L""), nullptr);

    CBitmap crop(CropBitmap(bitmap, 10, 0, 10, 10));
    ASSERT_TRUE(crop);
    EXPECT_EQ(crop.Size().cx, 10);
    EXPECT_EQ(BitmapPixel(crop, 0, 0) >> 24, 0x80u);
    // Only the size is checked against the source, not the offset.
    EXPECT_EQ(CropBitmap(bitmap, 0, 0, 21, 10), nullptr);
    EXPECT_EQ(CropBitmap(bitmap, 0, 0, 20, 11), nullptr);
    EXPECT_EQ(CropBitmap(nullptr, 0, 0, 1, 1), nullptr);

    // Per-pixel alpha over white: the half-transparent blue comes out light.
    CContourBitmap contour(LoadPngBitmap(path));
    CBitmap canvas(CBitmap::CreateDib32(20, 10));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all{0, 0, 20, 10};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(contour.Draw(dc, 0, 0), 0);
    EXPECT_EQ(CContourBitmap().Draw(dc, 0, 0), 0);
    EXPECT_EQ(contour.Draw(nullptr, 0, 0), 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    DWORD blended = BitmapPixel(canvas, 15, 2);
    EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 127, 2);
    EXPECT_EQ(blended & 0xFF, 0xFFu);

    CBitmap loaded;
    EXPECT_TRUE(LoadImageFile(path, loaded));
    EXPECT_EQ(loaded.Size().cx, 20);
    EXPECT_FALSE(LoadImageFile(folder.Path() + L"none.bmp", loaded));
    EXPECT_EQ(loaded.Size().cx, 20);
}

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteSolidPng(m_folder.Path() + L"b_n.png", 60, 24, kRed));
        ASSERT_TRUE(WriteSolidPng(m_folder.Path() + L"b_s.png", 60, 24, kGreen));
        ASSERT_TRUE(WriteSolidPng(m_folder.Path() + L"b_f.png", 60, 24, kBlue));
        m_template.AddButton(kPush, L"", 5, 5, 40, 16);
        m_template.AddButton(kPlain, L"", 50, 5, 40, 16);
        m_template.AddButton(kCheck, L"", 95, 5, 40, 16, BS_AUTOCHECKBOX);
        m_template.AddButton(kRadio1, L"", 5, 30, 40, 16, BS_AUTORADIOBUTTON | WS_GROUP);
        m_template.AddButton(kRadio2, L"", 50, 30, 40, 16, BS_AUTORADIOBUTTON);
        m_template.AddButton(kRadio3, L"", 95, 30, 40, 16, BS_AUTORADIOBUTTON);
        m_dialog = std::make_unique<ModelessDialog>(m_template.Get());
        ASSERT_TRUE(m_dialog->Create());
        m_dialog->SetWindowPos(HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        for (WORD id : {kPush, kPlain, kCheck, kRadio1, kRadio2, kRadio3}) {
            auto button = std::make_unique<CxSkinButton>(m_dialog.get());
            ASSERT_TRUE(button->SubclassDlgItem(id, m_dialog.get()));
            if (id == kPlain)
                button->SetSkin(L"b_n.png", L"", L"", L"", m_folder.Path());
            else
                button->SetSkin(L"b_n.png", L"b_s.png", L"b_f.png", L"b_d.png", m_folder.Path());
            m_buttons.push_back(std::move(button));
        }
        Pump();
    }
    void TearDown() override
    {
        m_buttons.clear();
        if (m_dialog)
            m_dialog->DestroyWindow();
    }

    CxSkinButton& Button(WORD id) { return *m_buttons[id - kPush]; }
    COLORREF Look(WORD id) { return ScreenColor(Button(id), 3, 3); }
    void Click(WORD id, UINT down = WM_LBUTTONDOWN)
    {
        SendMessageW(Button(id), down, MK_LBUTTON, MAKELPARAM(10, 8));
        SendMessageW(Button(id), WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
    }

    TempFolder m_folder{L"skinbutton"};
    DialogTemplate m_template{WS_POPUP | WS_VISIBLE, 150, 60};
    std::unique_ptr<ModelessDialog> m_dialog;
    std::vector<std::unique_ptr<CxSkinButton>> m_buttons;
};

TEST_F(SkinButtonTest, FourLooksWithTheirFallbacks)
{
    EXPECT_EQ(Button(kPush).Kind(), CxSkinButton::kPush);
    EXPECT_EQ(Button(kCheck).Kind(), CxSkinButton::kCheck);
    EXPECT_EQ(Button(kRadio2).Kind(), CxSkinButton::kRadio);
    EXPECT_EQ(GetWindowLongPtrW(Button(kCheck), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    EXPECT_EQ(Look(kPush), RGB(255, 0, 0));
    // The pointer over it: the focus moves to it and the over look shows.
    SendMessageW(Button(kPush), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(Button(kPush).Hovering());
    EXPECT_EQ(GetFocus(), Button(kPush).m_hWnd);
    EXPECT_EQ(Look(kPush), RGB(0, 0, 255));
    SendMessageW(Button(kPush), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Button(kPush).Hovering());
    EXPECT_EQ(Look(kPush), RGB(255, 0, 0));

    // Reached by keyboard: the focused look without the pointer.
    SetFocus(Button(kCheck));
    SetFocus(Button(kPush));
    EXPECT_EQ(Look(kPush), RGB(0, 0, 255));
    SetFocus(Button(kCheck));
    EXPECT_EQ(Look(kPush), RGB(255, 0, 0));

    SendMessageW(Button(kPush), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Look(kPush), RGB(0, 255, 0));
    SendMessageW(Button(kPush), BM_SETSTATE, FALSE, 0);

    // No "_d" file: the normal image stands in.
    EnableWindow(Button(kPush), FALSE);
    EXPECT_EQ(Look(kPush), RGB(255, 0, 0));
    EnableWindow(Button(kPush), TRUE);

    // No "_f" file: the normal look stays under the pointer.
    SendMessageW(Button(kPlain), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(Button(kPlain).Hovering());
    EXPECT_EQ(Look(kPlain), RGB(255, 0, 0));

    // A push button never stays checked.
    SendMessageW(Button(kPush), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(Button(kPush), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SkinButtonTest, CheckBoxAndRadioGroupBehaviour)
{
    Click(kCheck);
    EXPECT_TRUE(Button(kCheck).Checked());
    EXPECT_EQ(Look(kCheck), RGB(0, 255, 0));
    // A double click is two presses: two toggles.
    SendMessageW(Button(kCheck), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
    SendMessageW(Button(kCheck), WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
    Click(kCheck, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Button(kCheck).Checked());
    SendMessageW(Button(kCheck), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(Button(kCheck).Checked());
    // Released outside the button: no toggle.
    SendMessageW(Button(kCheck), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
    SendMessageW(Button(kCheck), WM_LBUTTONUP, 0, MAKELPARAM(-300, -300));
    EXPECT_FALSE(Button(kCheck).Checked());

    Click(kRadio1);
    EXPECT_TRUE(Button(kRadio1).Checked());
    Click(kRadio1);
    EXPECT_TRUE(Button(kRadio1).Checked());
    SendMessageW(Button(kRadio3), BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    EXPECT_FALSE(Button(kRadio1).Checked());
    EXPECT_FALSE(Button(kRadio2).Checked());
    EXPECT_TRUE(Button(kRadio3).Checked());
    SendMessageW(Button(kRadio2), WM_KEYDOWN, VK_SPACE, 0);
    Pump();
    EXPECT_TRUE(Button(kRadio2).Checked());
    EXPECT_FALSE(Button(kRadio3).Checked());
    // Another group is left alone, and a hidden radio button's walk ends.
    SendMessageW(Button(kCheck), BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(Button(kRadio1), SW_HIDE);
    SendMessageW(Button(kRadio1), BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    EXPECT_TRUE(Button(kCheck).Checked());
    EXPECT_FALSE(Button(kRadio2).Checked());
}

TEST(CListComponentDlg, BarFollowsTheListAndReportsRowsToTheOwner)
{
    TempFolder skin(L"scrollskin");
    ASSERT_TRUE(WriteSolidPng(skin / L"VerticleScrollBarSpan.png", 12, 4, kGreen));
    ASSERT_TRUE(WriteSolidPng(skin / L"VerticleScrollBarThumbSpan.png", 12, 4, kBlue));
    ASSERT_TRUE(WriteSolidPng(skin / L"VerticleScrollBarThumbSpan_s.png", 12, 4, kRed));
    CController controller;
    controller.GetStyleSheet()->SetLayoutFolder(skin.Path());
    AppContext::SetControllerOverride(&controller);
    struct Restore {
        ~Restore() { AppContext::SetControllerOverride(nullptr); }
    } restore;

    DialogTemplate ownerTemplate(WS_POPUP | WS_VISIBLE, 100, 100);
    ModelessDialog owner(ownerTemplate.Get());
    ASSERT_TRUE(owner.Create());

    CListComponentDlg host;
    host.m_hostHeight = 400;
    host.m_pageDivisor = 15;
    host.m_thumbHeight = 150;
    ASSERT_TRUE(host.Create(&owner));
    host.m_ownerWindow = owner.m_hWnd;
    host.SetWindowPos(nullptr, 200, 100, 9, 400, SWP_NOZORDER | SWP_SHOWWINDOW);

    CSkinListCtrl& list = host.List();
    RECT listRect{};
    list.GetWindowRect(&listRect);
    EXPECT_EQ(listRect.right - listRect.left, 0);
    EXPECT_EQ(listRect.bottom - listRect.top, 398);
    CSkinVerticleScrollbar& bar = list.VerticalBar();
    RECT barRect{};
    bar.GetClientRect(&barRect);
    EXPECT_EQ(barRect.right, 12);
    EXPECT_EQ(barRect.bottom, 410);
    EXPECT_FALSE(list.HorizontalBar().IsWindowVisible());
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);

    // No rows yet: the thumb rests on top and row 0 is reported.
    list.UpdateThumbs();
    EXPECT_EQ(bar.ThumbPosition(), -1);
    EXPECT_EQ(ScreenColor(bar, 3, 50), RGB(0, 255, 0));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"row");
    for (int i = 0; i < 40; ++i) {
        item.iItem = i;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    list.UpdateThumbs();
    Pump();
    ASSERT_FALSE(owner.received.empty());
    EXPECT_EQ(owner.received.back(), std::make_pair(kMsgScrollFirstRow, WPARAM{0}));
    // With a range the thumb body shows.
    EXPECT_EQ(ScreenColor(bar, 3, 50), RGB(0, 0, 255));

    // Dragging past either end stops at the bar's stops, and the owner
    // hears the row the thumb stands for.
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 20));
    EXPECT_TRUE(bar.Dragging());
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5000));
    EXPECT_EQ(bar.ThumbPosition(), 410 - 150 + 1);
    Pump();
    EXPECT_EQ(owner.received.back(), std::make_pair(kMsgScrollFirstRow, WPARAM{25}));
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, static_cast<WORD>(-5000)));
    EXPECT_EQ(bar.ThumbPosition(), -1);
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, 0));
    EXPECT_FALSE(bar.Dragging());
    Pump();
    EXPECT_EQ(owner.received.back(), std::make_pair(kMsgScrollFirstRow, WPARAM{0}));

    owner.received.clear();
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 300));
    EXPECT_TRUE(bar.Hovering());
    EXPECT_EQ(ScreenColor(bar, 3, 50), RGB(255, 0, 0));
    Pump();
    ASSERT_FALSE(owner.received.empty());
    EXPECT_EQ(owner.received.back().first, kMsgScrollHover);

    // Painting reads the pieces anew every time and keeps no GDI object.
    for (int i = 0; i < 5; ++i)
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    unsigned before = GdiObjectMeasure();
    for (int i = 0; i < 100; ++i)
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // Four pieces a paint: a leak would leave 400 objects behind.
    EXPECT_LT(GdiObjectMeasure(), before + 50);

    host.DestroyWindow();
    owner.DestroyWindow();
}
