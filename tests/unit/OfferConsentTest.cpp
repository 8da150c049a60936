#include <gtest/gtest.h>

#include <windows.h>

#include "ModalScript.h"
#include "PopupSkin.h"
#include "Screenshots.h"
#include "config/CLanguage.h"
#include "engine/CSoftwareCtl.h"
#include "resource.h"
#include "ui/CGoogleEulaDlg.h"
#include "ui/LinkOpener.h"

namespace {

struct RecordingOpener : LinkOpener {
    RecordingOpener() { LinkOpener::Install(this); }
    ~RecordingOpener() override { LinkOpener::Install(nullptr); }
    bool Open(const std::wstring& address) override { return opened.push_back(address), true; }
    std::vector<std::wstring> opened;
};

POINT Centre(const OfferEulaLayout::Box& box)
{
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

void Click(HWND dialog, POINT pt)
{
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// A disc with the browser and the toolbar offers selected and their licences.
class OfferConsentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseLanguage();
        WritePopupSkin(skin);
        ASSERT_TRUE(skin.Write(L"LayoutCfg.ini", "[EULA]\r\nCurrent=Lic\r\nLic=Licences\\\r\n"));
        ASSERT_TRUE(skin.Write(L"Licences\\EulaCfg.ini",
                               "[Item1]\r\nDescription=Chrome terms\r\nPath=Chrome\r\nFile=_Terms.txt\r\n"
                               "EulaName=GoogleChrome\r\n"
                               "[Item2]\r\nDescription=Toolbar terms\r\nPath=Toolbar\r\nFile=_Terms.txt\r\n"
                               "EulaName=GoogleToolbar\r\n"));
        ASSERT_TRUE(skin.Write(L"Licences\\Chrome\\XX09_Terms.txt", "chrome"));
        ASSERT_TRUE(skin.Write(L"Licences\\Toolbar\\XX09_Terms.txt", "toolbar"));
        ASSERT_TRUE(ReadCatalog(skin, "ItemNumber=3\r\n(1)Title=Google Chrome\r\n(1)Path=Utilities\\GoogleChrome\r\n"
                                      "(2)Title=Google Toolbar\r\n(2)Path=Utilities\\GoogleToolbar\r\n"
                                      "(3)Title=Audio\r\n(3)Path=Drivers\\Audio\r\n"));
        for (int itemNo : {1, 2, 3})
            skin.controller.FindItem(itemNo)->SetSwSelected(1);
    }

    bool Selected(int itemNo) { return skin.controller.FindItem(itemNo)->Item().Selected != 0; }
    std::wstring Licence(const wchar_t* folder) { return skin.dir / (std::wstring(L"Licences\\") + folder + L"\\XX09_Terms.txt"); }

    TestSkin skin;
    RecordingOpener opener;
};

} // namespace

TEST_F(OfferConsentTest, BrowserOfferNeedsTheBoxAndBackCancels)
{
    CGoogleEulaDlg dialog(1);
    dialog.SetProgramFolder(skin.dir.Path());
    bool yesAtFirst = true, yesTicked = false;
    RECT window{}, box{}, back{};
    ModalScript script(dialog, {[&](HWND d) {
                                    yesAtFirst = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
                                    GetWindowRect(d, &window);
                                    box = ChildRect(GetDlgItem(d, CGoogleEulaDlg::kFirstBox));
                                    back = ChildRect(GetDlgItem(d, CGoogleEulaDlg::kBackButton));
                                    SendMessageW(GetDlgItem(d, CGoogleEulaDlg::kFirstBox), BM_CLICK, 0, 0);
                                    yesTicked = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
                                },
                                [&](HWND d) {
                                    ASSERT_EQ(dialog.LinkRects().size(), 2u);
                                    Click(d, Centre(dialog.LinkRects()[0]));
                                    Click(d, Centre(dialog.LinkRects()[1]));
                                    // An edge of a link is not inside it.
                                    Click(d, POINT{dialog.LinkRects()[0].left, dialog.LinkRects()[0].top});
                                },
                                [](HWND d) {
                                    SendMessageW(GetDlgItem(d, CGoogleEulaDlg::kBackButton), BM_CLICK, 0, 0);
                                }});
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_FALSE(yesAtFirst);
    EXPECT_TRUE(yesTicked);
    EXPECT_EQ(window.right - window.left, 531);
    EXPECT_EQ(window.bottom - window.top, 520);
    const RECT boxWanted{32, 386, 47, 401};
    const RECT backWanted{531 - 450, 520 - 45, 531 - 450 + 142, 520 - 45 + 34};
    EXPECT_TRUE(EqualRect(&box, &boxWanted) != FALSE);
    EXPECT_TRUE(EqualRect(&back, &backWanted) != FALSE);
    EXPECT_EQ(opener.opened, (std::vector<std::wstring>{Licence(L"Chrome"), CGoogleEulaDlg::kBrowserPrivacyPage}));
    EXPECT_TRUE(Selected(1));
    EXPECT_TRUE(Selected(2));
}

TEST_F(OfferConsentTest, BothOffersYesTakesTheUntickedOfferOut)
{
    CGoogleEulaDlg dialog(3);
    dialog.SetProgramFolder(skin.dir.Path());
    std::wstring title, agree;
    bool yesWithToolbar = false;
    ModalScript script(dialog, {[&](HWND d) {
                                    wchar_t text[256] = {};
                                    GetWindowTextW(GetDlgItem(d, IDC_POPUP_TITLE), text, 256);
                                    title = text;
                                    GetWindowTextW(GetDlgItem(d, 2207), text, 256);
                                    agree = text;
                                    SendMessageW(GetDlgItem(d, CGoogleEulaDlg::kSecondBox), BM_CLICK, 0, 0);
                                    yesWithToolbar = IsWindowEnabled(GetDlgItem(d, IDOK)) != FALSE;
                                    Click(d, Centre(dialog.LinkRects()[0]));
                                    Click(d, Centre(dialog.LinkRects()[1]));
                                },
                                [](HWND d) { SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }});
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_TRUE(yesWithToolbar);
    EXPECT_EQ(title, L"View End User License Agreements (EULA)");
    EXPECT_EQ(agree, L"By installing this application, you agree to the Google Licensing Agreement and Privacy Policy");
    EXPECT_EQ(opener.opened,
              (std::vector<std::wstring>{CGoogleEulaDlg::kToolbarHelpPage, Licence(L"Chrome"), Licence(L"Toolbar")}));
    EXPECT_FALSE(Selected(1));
    EXPECT_TRUE(Selected(2));
    EXPECT_TRUE(Selected(3));
}

TEST_F(OfferConsentTest, ToolbarOfferWithoutPendingLicencesGoesOnAtOnce)
{
    {
        CGoogleEulaDlg dialog(2);
        dialog.SetProgramFolder(skin.dir.Path());
        RECT window{};
        int boxTop = 0;
        ModalScript script(dialog, {[&](HWND d) {
                                        GetWindowRect(d, &window);
                                        boxTop = ChildRect(GetDlgItem(d, CGoogleEulaDlg::kFirstBox)).top;
                                        Click(d, Centre(dialog.LinkRects()[0]));
                                        Click(d, Centre(dialog.LinkRects()[1]));
                                        SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
                                    }});
        EXPECT_EQ(dialog.DoModal(), 2);
        EXPECT_EQ(window.bottom - window.top, 422);
        EXPECT_EQ(boxTop, 274);
        EXPECT_EQ(opener.opened,
                  (std::vector<std::wstring>{Licence(L"Toolbar"), CGoogleEulaDlg::kGooglePrivacyPage}));
    }
    // Only the toolbar is to be installed: its link still opens its own licence.
    opener.opened.clear();
    skin.controller.FindItem(1)->SetSwSelected(0);
    {
        CGoogleEulaDlg dialog(2);
        dialog.SetProgramFolder(skin.dir.Path());
        ModalScript script(dialog, {[&](HWND d) {
                                        Click(d, Centre(dialog.LinkRects()[0]));
                                        SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
                                    }});
        EXPECT_EQ(dialog.DoModal(), 2);
        EXPECT_EQ(opener.opened, (std::vector<std::wstring>{Licence(L"Toolbar")})) << "toolbar-only run";
    }
    // Both offers installed already: nothing to agree to.
    skin.controller.FindItem(1)->SetDoned(1);
    skin.controller.FindItem(2)->SetSwSelected(0);
    CGoogleEulaDlg dialog(2);
    dialog.SetProgramFolder(skin.dir.Path());
    ModalScript script(dialog, {});
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_TRUE(Selected(3));
}

// Pictures of the three kinds in the demo's skin, for a person to look at.
TEST_F(OfferConsentTest, ShotsInTheDemoSkin)
{
    const std::wstring layout = TestExeFolder() + L"..\\..\\demo-disc\\Layout\\VEQ\\";
    if (GetFileAttributesW((layout + L"Layout.ini").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no demo disc built";
    skin.controller.GetStyleSheet()->SetLayoutFolder(layout);
    MessageRecorder backdrop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 1280, 1024});
    for (int kind : {1, 2, 3}) {
        CGoogleEulaDlg dialog(kind);
        dialog.SetProgramFolder(skin.dir.Path());
        bool saved = false;
        const std::wstring name = L"offer_licence_" + std::to_wstring(kind);
        ModalScript script(dialog, {[](HWND) {},
                                    [&](HWND d) {
                                        RECT around{};
                                        GetWindowRect(d, &around);
                                        InflateRect(&around, 24, 24);
                                        saved = SaveShot(name, around);
                                    },
                                    [](HWND) { PressKey(VK_ESCAPE); }});
        EXPECT_EQ(dialog.DoModal(), 2) << kind;
        EXPECT_TRUE(saved) << kind;
    }
}
