#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ModalScript.h"
#include "PopupSkin.h"
#include "PopupTestKit.h"
#include "resource.h"
#include "ui/CPopupListDlg.h"
#include "ui/WindowMessages.h"

namespace {

BYTE Opacity(HWND hwnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
    return alpha;
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

class VideoListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WritePopupSkin(skin);
        skin.controller.MainWnd = main.hwnd;
    }
    // Two driver items and six videos (items 3 ... 8) on the Special tab.
    void ReadSixVideos()
    {
        std::string items = "ItemNumber=8\r\n(1)Title=Chipset Driver\r\n(1)Tab=0\r\n(2)Title=Audio Driver\r\n(2)Tab=0\r\n";
        for (int n = 3; n <= 8; ++n)
            items += "(" + std::to_string(n) + ")Title=Video " + std::to_string(n) + "\r\n(" + std::to_string(n) +
                     ")Tab=3\r\n";
        ASSERT_TRUE(ReadCatalog(skin, items));
    }
    std::vector<WPARAM> InstallRequests() const
    {
        std::vector<WPARAM> items;
        for (const MSG& m : main.seen)
            if (m.message == MSG_INSTALL_SINGLE)
                items.push_back(m.wParam);
        return items;
    }

    TestSkin skin;
    MessageRecorder main;
};

void Move(HWND list, int x, int y)
{
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

} // namespace

TEST_F(VideoListTest, ShowsTheSpecialItemsAndAsksTheMainWindowToRunTheClickedOne)
{
    ReadSixVideos();
    CPopupListDlg list;
    RECT window{}, shadow{}, close{}, yes{}, cancel{}, title{};
    bool yesVisible = true, hostVisible = true, highlightVisible = true;
    int hostRows = 0;
    std::wstring cancelText, titleText;
    RECT highlight{};
    bool hiddenOutside = false;
    BYTE pressed = 0, resting = 0;
    ModalScript script(
        list,
        {[&](HWND dialog) {
             GetWindowRect(dialog, &window);
             GetWindowRect(*list.Shadow(), &shadow);
             close = ChildRect(GetDlgItem(dialog, IDC_POPUP_CLOSE));
             yes = ChildRect(GetDlgItem(dialog, IDOK));
             cancel = ChildRect(GetDlgItem(dialog, IDCANCEL));
             title = ChildRect(GetDlgItem(dialog, IDC_POPUPLIST_TITLE));
             yesVisible = IsWindowVisible(GetDlgItem(dialog, IDOK)) != FALSE;
             hostVisible = IsWindowVisible(*list.RowHost()) != FALSE;
             highlightVisible = IsWindowVisible(*list.Highlight()) != FALSE;
             hostRows = static_cast<int>(SendMessageW(list.RowHost()->List(), LVM_GETITEMCOUNT, 0, 0));
             wchar_t text[64] = {};
             GetWindowTextW(GetDlgItem(dialog, IDCANCEL), text, 64);
             cancelText = text;
             GetWindowTextW(GetDlgItem(dialog, IDC_POPUPLIST_TITLE), text, 64);
             titleText = text;
         },
         [&](HWND dialog) {
             // Row 2 under the pointer: the highlight lies over it.
             Move(dialog, 100, 37 + 31 * 2 + 5);
             GetWindowRect(*list.Highlight(), &highlight);
             highlightVisible = IsWindowVisible(*list.Highlight()) != FALSE;
             // Below the rows nothing is hovered.
             Move(dialog, 100, 170);
             hiddenOutside = list.HoveredRow() == -1 && !IsWindowVisible(*list.Highlight());
         },
         [&](HWND dialog) {
             // Pressed on the highlight (it passes (0, 0) on), released: item 3 is asked for.
             Move(dialog, 100, 40);
             SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, 0);
             pressed = Opacity(*list.Highlight());
             SendMessageW(dialog, WM_LBUTTONUP, 0, 0);
             resting = Opacity(*list.Highlight());
             // The fourth row is the last one that can be pointed at; a
             // release below the rows asks for nothing.
             Move(dialog, 100, 160);
             SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(100, 160));
             Move(dialog, 100, 200);
             SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(100, 200));
         },
         [](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDC_POPUP_CLOSE), BM_CLICK, 0, 0); }});
    // The list answers at once: no setup runs inside it.
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(list.DoModal(), 2);
    EXPECT_LT(GetTickCount64() - start, 10000u);
    PumpMessages(100);

    EXPECT_TRUE(Same(window, RECT{640 - 362, 512 - 118, 640 - 362 + 725, 512 - 118 + 236}));
    RECT around = window;
    InflateRect(&around, 8, 8);
    EXPECT_TRUE(Same(shadow, around));
    EXPECT_TRUE(Same(cancel, RECT{571, 191, 713, 225}));
    EXPECT_TRUE(Same(yes, RECT{571, 191, 713, 225}));
    EXPECT_FALSE(yesVisible);
    EXPECT_EQ(cancelText, L"Close");
    EXPECT_TRUE(Same(close, RECT{694, 5, 714, 25}));
    EXPECT_TRUE(Same(title, RECT{10, 5, 680, 30}));
    EXPECT_EQ(titleText, L"Video");
    ASSERT_EQ(list.Rows().size(), 6u);
    EXPECT_EQ(list.Rows()[0]->Item().Title, L"Video 3");
    EXPECT_EQ(hostRows, 6);
    EXPECT_FALSE(hostVisible);

    EXPECT_TRUE(Same(highlight, RECT{window.left + 8, window.top + 99, window.left + 716, window.top + 130}));
    EXPECT_TRUE(hiddenOutside);
    EXPECT_EQ(pressed, 60 * 255 / 100);
    EXPECT_EQ(resting, 40 * 255 / 100);
    EXPECT_EQ(InstallRequests(), (std::vector<WPARAM>{3, 6}));
}

TEST_F(VideoListTest, WithoutVideosThePanelIsEmpty)
{
    ASSERT_TRUE(ReadCatalog(skin, "ItemNumber=1\r\n(1)Title=Chipset Driver\r\n(1)Tab=0\r\n"));
    CPopupListDlg list;
    int hovered = 0;
    ModalScript script(list, {[&](HWND dialog) {
                                  Move(dialog, 100, 40);
                                  hovered = list.HoveredRow();
                                  SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(100, 40));
                                  PressKey(VK_ESCAPE);
                              }});
    EXPECT_EQ(list.DoModal(), 2);
    PumpMessages(50);
    EXPECT_TRUE(list.Rows().empty());
    EXPECT_EQ(hovered, -1);
    EXPECT_TRUE(InstallRequests().empty());
}
