#include <gtest/gtest.h>

#include "LogCapture.h"
#include "PopupTestKit.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "ui/CTooltipDlg.h"
#include "ui/LinkOpener.h"
#include "ui/framework/CPaintDC.h"

namespace {

class RecordingOpener : public LinkOpener {
public:
    RecordingOpener() { LinkOpener::Install(this); }
    ~RecordingOpener() override { LinkOpener::Install(nullptr); }
    bool Open(const std::wstring& address) override
    {
        opened.push_back(address);
        return true;
    }
    std::vector<std::wstring> opened;
};

const COLORREF kText = RGB(10, 20, 30), kBack = RGB(250, 250, 240);
const COLORREF kNormal = RGB(0, 0, 200), kFocus = RGB(0, 120, 255), kSelect = RGB(200, 0, 0);

// Items whose folders name the licences: the audio one both of them.
class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseLanguage();
        ASSERT_TRUE(skin.Write(L"Layout.ini", "[TOOLTIPDLG]\r\nTip_text_Font_Size=16\r\nTip_text_Color=RGB(10,20,30)\r\n"
                                              "Tip_bg_Color=RGB(250,250,240)\r\nTip_EULA_Color_Normal=RGB(0,0,200)\r\n"
                                              "Tip_EULA_Color_Focus=RGB(0,120,255)\r\nTip_EULA_Color_Select=RGB(200,0,0)\r\n"));
        ASSERT_TRUE(skin.Write(L"LayoutCfg.ini", "[EULA]\r\nCurrent=Lic\r\nLic=Licences\\\r\n"));
        ASSERT_TRUE(skin.Write(L"Licences\\EulaCfg.ini",
                               "[Item1]\r\nDescription=Realtek licence\r\nEulaName=realtek\r\n"
                               "Execute=https://vendor.example/realtek\r\n"
                               "[Item2]\r\nDescription=Audio licence\r\nEulaName=AUDIO\r\nExecute=https://vendor.example/audio\r\n"
                               "[Item3]\r\nDescription=Nameless\r\nExecute=https://vendor.example/any\r\n"));
        ASSERT_TRUE(skin.ReadCatalog("ItemNumber=2\r\n(1)Title=Audio\r\n(1)Path=Drivers\\Realtek_Audio\r\n"
                                     "(2)Title=LAN\r\n(2)Path=Drivers\\Lan\r\n"));
        for (const wchar_t* piece : {L"top_left", L"top_middle", L"top_right", L"middle_left", L"middle_right",
                                     L"down_left", L"down_middle", L"down_right"})
            ASSERT_TRUE(skin.WriteSolidPng(std::wstring(L"tooltip_") + piece + L".png", 4, 4, 0xFF3060C0));
        tip.SetProgramFolder(skin.dir.Path());
        ASSERT_TRUE(tip.Create());
        text = tip.GetDlgItem(IDC_TOOLTIP_TEXT);
        link = tip.GetDlgItem(IDC_TOOLTIP_LINK);
        LOGFONTW font{};
        ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof(font), &font));
        EXPECT_EQ(font.lfHeight, 16);
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
        EXPECT_EQ(font.lfCharSet, GetCharsetForLanguage());
        EXPECT_EQ(SendMessageW(link, WM_GETFONT, 0, 0), SendMessageW(text, WM_GETFONT, 0, 0));
    }
    // Measured apart from the window, with a font made the same way.
    SIZE Measure(const std::wstring& s)
    {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        HFONT font = CreateFontIndirectW(&lf);
        CClientDC dc(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
        SelectObject(dc, old);
        DeleteObject(font);
        return size;
    }
    void Mouse(UINT msg, int x, int y) { SendMessageW(tip.m_hWnd, msg, msg == WM_LBUTTONDOWN, MAKELPARAM(x, y)); }

    TestSkin skin;
    CTooltipDlg tip;
    HWND text = nullptr, link = nullptr;
};

} // namespace

TEST_F(TooltipTest, LayeredWithColourKeyAndTextHeights)
{
    EXPECT_TRUE(GetWindowLongPtrW(tip.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(GetWindowLongPtrW(tip.m_hWnd, GWL_STYLE) & WS_CAPTION);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(tip.m_hWnd, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(255, 0, 255));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
    EXPECT_EQ(tip.TipHeight(), 0) << "nothing before the first text";

    // One "@@": two lines.
    tip.SetTipText(L"Audio driver@@for the board");
    EXPECT_EQ(tip.Text(), L"Audio driver\nfor the board");
    wchar_t shown[64] = {};
    GetWindowTextW(text, shown, 64);
    EXPECT_STREQ(shown, L"Audio driver\nfor the board");
    const int cy = Measure(tip.Text()).cy;
    ASSERT_GT(cy, 10);
    EXPECT_EQ(tip.TipHeight(), 2 * cy + 24);
    RECT r = ChildRect(text);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 12);
    EXPECT_EQ(r.right, 318);
    EXPECT_EQ(r.bottom, 12 + 2 * cy);

    // A long line wraps every 282 pixels.
    std::wstring longText;
    for (int i = 0; i < 12; ++i)
        longText += L"Realtek high definition audio ";
    const SIZE extent = Measure(longText);
    ASSERT_GT(extent.cx, 3 * 282);
    tip.SetTipText(longText);
    EXPECT_EQ(tip.TipHeight(), (extent.cx / 282 + 1) * cy + 24);
    EXPECT_EQ(ChildRect(text).bottom, 12 + (extent.cx / 282 + 1) * cy);
}

TEST_F(TooltipTest, LicenceLinkFirstMatchWinsAndOpensOnlyWithAnAddress)
{
    RecordingOpener opener;
    LogCapture log;
    tip.SetTipText(L"Audio");
    const int cy = Measure(L"Audio").cy;
    // The path names both licences (in other letters): the first one wins.
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true);
    EXPECT_TRUE(IsWindowVisible(link) || (GetWindowLongPtrW(link, GWL_STYLE) & WS_VISIBLE));
    wchar_t caption[64] = {};
    GetWindowTextW(link, caption, 64);
    EXPECT_STREQ(caption, L"Realtek licence");
    EXPECT_EQ(tip.LinkAddress(), L"https://vendor.example/realtek");
    const int linkHeight = (Measure(L"Realtek licence").cx / 282 + 1) * cy;
    EXPECT_EQ(tip.LinkRect(), (TipBox{12, 12 + cy + cy, 318, 12 + 2 * cy + linkHeight}));
    EXPECT_EQ(ChildRect(link).top, 12 + 2 * cy);
    EXPECT_EQ(tip.TipHeight(), cy + 24 + linkHeight + 24);
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true);
    EXPECT_EQ(tip.TipHeight(), cy + 24 + linkHeight + 24) << "asked again, counted once";

    // Colours of the link follow the pointer: normal, over it, pressed.
    EXPECT_EQ(TextColourFor(tip.m_hWnd, link), kNormal);
    const TipBox box = tip.LinkRect();
    Mouse(WM_MOUSEMOVE, box.right, box.bottom); // edges belong to it
    EXPECT_EQ(TextColourFor(tip.m_hWnd, link), kFocus);
    Mouse(WM_LBUTTONDOWN, box.left + 3, box.top + 3);
    EXPECT_EQ(TextColourFor(tip.m_hWnd, link), kSelect);
    Mouse(WM_LBUTTONUP, box.left + 3, box.top + 3);
    EXPECT_EQ(opener.opened, std::vector<std::wstring>{L"https://vendor.example/realtek"});
    EXPECT_EQ(log.Count(L"CTooltipDlg", L"INFO", L"[OnLButtonUp] Open https://vendor.example/realtek"), 1u);
    EXPECT_EQ(TextColourFor(tip.m_hWnd, link), kFocus);
    Mouse(WM_MOUSEMOVE, box.right + 1, box.bottom);
    EXPECT_EQ(TextColourFor(tip.m_hWnd, link), kNormal);
    Mouse(WM_LBUTTONUP, box.right + 1, box.bottom);
    EXPECT_EQ(opener.opened.size(), 1u) << "released beside the link";

    // A row without a licence (the nameless entry matches nobody): hidden, and a click opens nothing.
    tip.SetTipText(L"LAN");
    tip.SetTipLink(L"D:\\Drivers\\Lan\\", true);
    EXPECT_FALSE(GetWindowLongPtrW(link, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(tip.LinkRect(), TipBox{});
    EXPECT_EQ(tip.LinkAddress(), L"");
    EXPECT_EQ(tip.TipHeight(), cy + 24);
    for (POINT p : {POINT{box.left + 3, box.top + 3}, POINT{0, 0}}) {
        Mouse(WM_MOUSEMOVE, p.x, p.y);
        Mouse(WM_LBUTTONDOWN, p.x, p.y);
        Mouse(WM_LBUTTONUP, p.x, p.y);
    }
    EXPECT_EQ(opener.opened.size(), 1u);

    // Without a link: emptied, but the static is left as it was.
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true);
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", false);
    EXPECT_EQ(tip.LinkRect(), TipBox{});
    EXPECT_EQ(tip.LinkAddress(), L"");
    EXPECT_TRUE(GetWindowLongPtrW(link, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(tip.TipHeight(), cy + 24);
}

TEST_F(TooltipTest, TextColourWhileHiddenAndShownAndThePaintedFrame)
{
    EXPECT_FALSE(tip.Hidden());
    EXPECT_EQ(TextColourFor(tip.m_hWnd, text), kText);
    tip.SetTipText(L"Audio driver@@for the board");
    tip.MoveWindow(200, 150, 330, tip.TipHeight());
    tip.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_FALSE(tip.Hidden());
    EXPECT_EQ(TextColourFor(tip.m_hWnd, text), kText);
    PumpMessages(200);
    // The frame's colour on the edge, the fill inside; the statics' brush is hollow.
    CClientDC screen(nullptr);
    EXPECT_EQ(GetPixel(screen, 200, 150), RGB(0x30, 0x60, 0xC0));
    EXPECT_EQ(GetPixel(screen, 200 + 329, 150 + tip.TipHeight() - 1), RGB(0x30, 0x60, 0xC0));
    EXPECT_EQ(GetPixel(screen, 200 + 6, 150 + 6), kBack);
    EXPECT_EQ(GetPixel(screen, 200 + 4, 150 + 4), kBack);
    EXPECT_EQ(GetPixel(screen, 200 + 100, 150 + 3), RGB(0x30, 0x60, 0xC0));
    tip.ShowWindow(SW_HIDE);
    EXPECT_TRUE(tip.Hidden());
    EXPECT_EQ(TextColourFor(tip.m_hWnd, text), kBack);
    // Esc and Enter of the keyboard never end it; the owner's close does.
    SendMessageW(tip.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(tip.m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(tip.m_hWnd));
    HWND hwnd = tip.m_hWnd;
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    PumpMessages(500, [hwnd] { return !IsWindow(hwnd); });
    EXPECT_FALSE(IsWindow(hwnd));
}
