#include <gtest/gtest.h>

#include "LogCapture.h"
#include "PopupTestKit.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "ui/CTooltipDlg.h"
#include "ui/LinkOpener.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/GdiObject.h"

namespace {

const COLORREF kText = RGB(10, 20, 30), kBack = RGB(250, 250, 240);
const COLORREF kNormal = RGB(0, 0, 200), kFocus = RGB(0, 120, 255), kSelect = RGB(200, 0, 0);

struct RecordingOpener : LinkOpener {
    RecordingOpener() { LinkOpener::Install(this); }
    ~RecordingOpener() override { LinkOpener::Install(nullptr); }
    bool Open(const std::wstring& address) override { return opened.push_back(address), true; }
    std::vector<std::wstring> opened;
};

// Two licences whose names the audio item's folder holds, and one without a name.
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
                               "[Item1]\r\nDescription=Realtek licence\r\nEulaName=realtek\r\nExecute=https://x.example/rt\r\n"
                               "[Item2]\r\nDescription=Audio licence\r\nEulaName=AUDIO\r\nExecute=https://x.example/au\r\n"
                               "[Item3]\r\nDescription=Nameless\r\nExecute=https://x.example/any\r\n"));
        ASSERT_TRUE(skin.Write(L"Ovcd_tmp.ini", "[SETUP_ITEM]\r\nItemNumber=2\r\n(1)Path=Drivers\\Realtek_Audio\r\n"
                                                "(2)Path=Drivers\\Lan\r\n"));
        ASSERT_TRUE(SetupCatalog(skin.controller).GetSetupSettings(skin.dir / L"Ovcd_tmp.ini"));
        tip.SetProgramFolder(skin.dir.Path());
        ASSERT_TRUE(tip.Create());
        text = tip.GetDlgItem(IDC_TOOLTIP_TEXT);
        link = tip.GetDlgItem(IDC_TOOLTIP_LINK);
    }
    // The extent in the link's font (its description is checked apart).
    SIZE Measure(const std::wstring& s)
    {
        CClientDC dc(link);
        CSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
        return size;
    }
    void Click(int x, int y)
    {
        for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            SendMessageW(tip.m_hWnd, msg, 0, MAKELPARAM(x, y));
    }
    COLORREF TextColour(HWND child)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(tip.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    bool LinkShown() const { return GetWindowLongPtrW(link, GWL_STYLE) & WS_VISIBLE; }

    TestSkin skin;
    CTooltipDlg tip;
    HWND text = nullptr, link = nullptr;
};

} // namespace

TEST_F(TooltipTest, HeightsAndTheFirstMatchingLicence)
{
    EXPECT_EQ(LayeredKey(tip.m_hWnd), RGB(255, 0, 255));
    EXPECT_EQ(LayeredAlpha(tip.m_hWnd), -1) << "keyed, not translucent";
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    EXPECT_EQ(font.lfCharSet, GetCharsetForLanguage());

    // One "@@": two lines; a long line wraps every 282 pixels.
    tip.SetTipText(L"Audio driver@@for the board");
    EXPECT_EQ(tip.Text(), L"Audio driver\nfor the board");
    const int cy = Measure(L"Audio").cy;
    ASSERT_GT(cy, 10);
    EXPECT_EQ(tip.TipHeight(), 2 * cy + 24);
    EXPECT_EQ(Corners(text, true), (std::array<LONG, 4>{12, 12, 318, 12 + 2 * cy}));
    const std::wstring longText(90, L'W');
    ASSERT_GT(Measure(longText).cx, 3 * 282);
    tip.SetTipText(longText);
    EXPECT_EQ(tip.TipHeight(), (Measure(longText).cx / 282 + 1) * cy + 24);

    // The path names both licences in other letters: the first one is linked, under the text.
    tip.SetTipText(L"Audio");
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true);
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true); // asked twice, counted once
    EXPECT_TRUE(LinkShown());
    EXPECT_EQ(tip.LinkAddress(), L"https://x.example/rt");
    const int linkHeight = (Measure(L"Realtek licence").cx / 282 + 1) * cy;
    EXPECT_EQ(tip.LinkRect(), (TipBox{12, 12 + 2 * cy, 318, 12 + 2 * cy + linkHeight}));
    EXPECT_EQ(Corners(link, true)[1], 12 + 2 * cy);
    EXPECT_EQ(tip.TipHeight(), cy + 24 + linkHeight + 24);

    // No licence for this row (the nameless one belongs to none): hidden and empty.
    tip.SetTipText(L"LAN");
    tip.SetTipLink(L"D:\\Drivers\\Lan\\", true);
    EXPECT_FALSE(LinkShown());
    EXPECT_EQ(tip.LinkRect(), TipBox{});
    EXPECT_EQ(tip.LinkAddress(), L"");
    EXPECT_EQ(tip.TipHeight(), cy + 24);
    // Without a link the static is left as it was.
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", true);
    tip.SetTipLink(L"D:\\DRIVERS\\Realtek_audio\\", false);
    EXPECT_EQ(tip.LinkAddress(), L"");
    EXPECT_TRUE(LinkShown());
    EXPECT_EQ(tip.TipHeight(), cy + 24);
}

TEST_F(TooltipTest, PointerOverTheLinkColoursAndOpensIt)
{
    RecordingOpener opener;
    LogCapture log;
    tip.SetTipText(L"Audio");
    tip.SetTipLink(L"Drivers\\Realtek_Audio", true);
    const TipBox box = tip.LinkRect();
    EXPECT_EQ(TextColour(link), kNormal);
    SendMessageW(tip.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(box.right, box.bottom)); // edges belong to it
    EXPECT_EQ(TextColour(link), kFocus);
    SendMessageW(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.left, box.top));
    EXPECT_EQ(TextColour(link), kSelect);
    SendMessageW(tip.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(box.left, box.top));
    EXPECT_EQ(opener.opened, std::vector<std::wstring>{L"https://x.example/rt"});
    EXPECT_EQ(log.Count(L"LinkOpener", L"INFO", L"[OpenLink] https://x.example/rt"), 1u);
    Click(box.right + 1, box.bottom);
    EXPECT_EQ(TextColour(link), kNormal);
    // Where the link was, and at (0, 0) of the empty box, a row without one opens nothing.
    tip.SetTipLink(L"Drivers\\Lan", true);
    Click(box.left, box.top);
    Click(0, 0);
    EXPECT_EQ(opener.opened.size(), 1u);

    // The text takes the background colour while the window is hidden.
    EXPECT_EQ(TextColour(text), kText);
    tip.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_FALSE(tip.Hidden());
    EXPECT_EQ(TextColour(text), kText);
    tip.ShowWindow(SW_HIDE);
    EXPECT_TRUE(tip.Hidden());
    EXPECT_EQ(TextColour(text), kBack);
}
