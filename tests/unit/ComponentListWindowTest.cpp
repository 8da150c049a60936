#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "DialogTemplate.h"
#include "PopupTestKit.h"
#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "ui/AppContext.h"
#include "ui/CHighlightDlg.h"
#include "ui/CSingleListDlg.h"
#include "ui/WindowMessages.h"
#include "ui/list/ListRowStore.h"
#include "ui/skin/CListComponentDlg.h"

// What the install run asks of a list: ticks from the selection, the
// preparing and installing marks, the refreshed status, and the pop-ups
// that follow the main window by a private delta message.
TEST(CSingleListDlg, RunTimeUpdatesFollowTheItemsAndThePopupsFollowTheWindow)
{
    TestSkin skin;
    ASSERT_TRUE(skin.Write(L"Layout.ini", "[LISTDLG]\r\nList_Highlight_Color=RGB(0,92,185)\r\nList_Highlight_Alpha=40\r\n"));
    CController& controller = skin.controller;
    for (int n = 1; n <= 20; ++n) {
        SetupItem item;
        item.ItemNo = n;
        item.Title = L"Item " + std::to_wstring(n);
        item.Version = L"1.0";
        item.Path = n == 3 ? L"Utilities\\GoogleToolbar" : L"Drivers\\Item";
        item.Selected = 1;
        controller.Items.Append(std::make_unique<CSoftwareCtl>(item, nullptr, nullptr, false));
    }
    controller.CurrentTab = 0;
    DialogTemplate owner(WS_POPUP | WS_VISIBLE, 600, 400);
    CDialogEx parent(owner.Get());
    ASSERT_TRUE(parent.Create());
    parent.SetWindowPos(nullptr, 100, 50, 1038, 678, SWP_NOZORDER);
    {
        CSingleListDlg list(0);
        ASSERT_TRUE(list.Create(&parent));
        list.MoveWindow(184, 49, 845, 590);
        list.PlaceScrollHost();
        PumpMessages(50);
        ASSERT_NE(list.ScrollHost(), nullptr);
        // Special Offers, the offer, Driver, 19 items.
        ASSERT_EQ(ListRowStore(list.ScrollHost()->List().m_hWnd).Count(), 22);
        EXPECT_EQ(list.RowsNeedingInstall(), 20);
        EXPECT_EQ(controller.FindItem(7)->Item().Selected, 0) << "BuildRows clears the selection";
        controller.FindItem(7)->SetSwSelected(1);
        EXPECT_EQ(list.RebuildRows(), 20);
        EXPECT_EQ(controller.FindItem(7)->Item().Selected, 1) << "the count-only rebuild keeps it";
        PumpMessages(50);
        // The rebuild made a new scroll host.
        ListRowStore rows(list.ScrollHost()->List().m_hWnd);
        ASSERT_EQ(rows.Count(), 22);

        // Item 3 is the offer: item 7 is the sixth normal item, row 2 + 6 = 8.
        list.SyncTicksWithSelection();
        for (int row = 0; row < rows.Count(); ++row)
            EXPECT_EQ(rows.Ticked(row), row == 8) << row;
        EXPECT_TRUE(list.InstallButton().IsWindowEnabled());
        list.MarkPreparing();
        EXPECT_EQ(rows.Text(8, 1), L"Preparing for setup");
        EXPECT_EQ(rows.Text(9, 1), L"Not installed");

        // The last item is off the page: the list scrolls it to the bottom row.
        list.MarkInstalling(20);
        EXPECT_EQ(rows.Text(21, 1), L"Installing");
        EXPECT_EQ(list.FirstVisibleRow(), 21 - 15 + 1);
        ASSERT_NE(list.Highlight(), nullptr);
        EXPECT_TRUE(list.Highlight()->IsWindowVisible());
        RECT bar{};
        list.Highlight()->GetWindowRect(&bar);
        EXPECT_EQ(bar.top, 50 + 49 + 53 + 31 * 14);
        list.RefreshItemStatus(20);
        EXPECT_EQ(rows.Text(21, 1), L"Not installed");
        EXPECT_EQ(rows.Text(21, 3), L"None");
        EXPECT_FALSE(list.Highlight()->IsWindowVisible());

        // A negative delta survives the trip through the message.
        RECT before{};
        list.ScrollHost()->GetWindowRect(&before);
        EXPECT_EQ(before.left, 100 + 184 + 830);
        list.SendMessage(MSG_MOVE_POPUPS, 0, MakeMoveDelta(-7, 12));
        RECT after{};
        list.ScrollHost()->GetWindowRect(&after);
        EXPECT_EQ(after.left, before.left - 7);
        EXPECT_EQ(after.top, before.top + 12);
        list.HideHoverPopups();
        BYTE alpha = 255;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(list.ScrollHost()->m_hWnd, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 0);
        list.DestroyWindow();
    }
    parent.DestroyWindow();
}

namespace {

// A Driver list of that many rows (a heading and rows - 1 items) in a
// parent placed as the main window.
struct LongList {
    explicit LongList(int rows)
    {
        skin.Write(L"Layout.ini", "[LISTDLG]\r\nList_Highlight_Color=RGB(0,92,185)\r\nList_Highlight_Alpha=40\r\n");
        for (int n = 1; n < rows; ++n) {
            SetupItem item;
            item.ItemNo = n;
            item.Title = L"Item " + std::to_wstring(n);
            item.Path = L"Drivers\\Item";
            skin.controller.Items.Append(std::make_unique<CSoftwareCtl>(item, nullptr, nullptr, false));
        }
        skin.controller.CurrentTab = 0;
        parent.Create();
        parent.SetWindowPos(nullptr, 100, 50, 1038, 678, SWP_NOZORDER);
        list.Create(&parent);
        list.MoveWindow(184, 49, 845, 590);
        list.PlaceScrollHost();
        PumpMessages(50);
    }
    ~LongList()
    {
        list.DestroyWindow();
        parent.DestroyWindow();
    }
    int HostTop() { return static_cast<int>(list.ScrollHost()->List().SendMessage(LVM_GETTOPINDEX, 0, 0)); }
    // The bar reports at the host list's paints, posted on this thread: done
    // once nothing is left to dispatch.
    static void Settle()
    {
        MSG msg;
        for (int round = 0; round < 1000; ++round) {
            bool any = false;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                any = true;
                DispatchMessageW(&msg);
            }
            if (!any)
                return;
        }
    }

    TestSkin skin;
    DialogTemplate owner{WS_POPUP | WS_VISIBLE, 600, 400};
    CDialogEx parent{owner.Get()};
    CSingleListDlg list{0};
};

} // namespace

// Whatever scrolls the rows, the bar's next report names the same first
// row: the installing row and the key row stay on screen.
TEST(CSingleListDlg, RowsShownAndTheBarAgreeAfterEveryScroll)
{
    {
        LongList view(22);
        ASSERT_NE(view.list.ScrollHost(), nullptr);
        view.list.MarkInstalling(21);
        view.Settle();
        EXPECT_EQ(view.list.FirstVisibleRow(), 7) << "row 21 at the bottom of the page";
        EXPECT_EQ(view.HostTop(), 7);
        EXPECT_EQ(view.list.ScrollHost()->List().VerticalBar().ThumbPosition(),
                  view.list.ScrollHost()->List().VerticalBar().ClientSize().cy -
                      view.list.ScrollHost()->m_thumbHeight + 1)
            << "the last page: the thumb at its bottom stop";
    }
    {
        LongList view(16);
        for (int i = 0; i < 16; ++i)
            view.list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        view.Settle();
        EXPECT_EQ(view.list.FirstVisibleRow(), 1) << "the key row 15 in view";
        EXPECT_EQ(view.HostTop(), 1);
    }
    {
        LongList view(40);
        view.list.ScrollHost()->ShowWindow(SW_SHOWNA);
        for (int notch = 1; notch <= 30; ++notch) {
            view.list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
            view.Settle();
            EXPECT_EQ(view.list.FirstVisibleRow(), std::min(notch, 25)) << "notch " << notch;
            EXPECT_EQ(view.HostTop(), view.list.FirstVisibleRow()) << "notch " << notch;
        }
        view.list.MarkInstalling(3);
        view.Settle();
        EXPECT_EQ(view.list.FirstVisibleRow(), 3) << "up to the installing row";
        EXPECT_EQ(view.HostTop(), 3);
    }
}
