#include <gtest/gtest.h>

#include <windows.h>

#include "DialogTemplate.h"
#include "ModalScript.h"
#include "PopupSkin.h"
#include "Screenshots.h"
#include "ui/CLoadingDlg.h"
#include "ui/CPopupDlg.h"
#include "ui/CPopupListDlg.h"

namespace {

// The demo disc's first layout, as the build generates it.
std::wstring DemoLayout()
{
    return TestExeFolder() + L"..\\..\\demo-disc\\Layout\\VEQ\\";
}

RECT Around(HWND hwnd, int margin)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    InflateRect(&r, margin, margin);
    return r;
}

void ShootPopup(const wchar_t* name, const std::wstring& message, int type)
{
    CPopupDlg popup;
    popup.m_message = message;
    popup.m_type = type;
    bool saved = false;
    ModalScript script(popup, {[](HWND) {}, [&](HWND dialog) { saved = SaveShot(name, Around(dialog, 24)); },
                               [](HWND) { PressKey(VK_ESCAPE); }});
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_TRUE(saved) << name;
}

} // namespace

// Pictures of the message pop-ups, the video list and the loading animation
// in the demo's skin over a light backdrop, for a person to look at.
TEST(MessagePopupShots, DemoSkin)
{
    TestSkin skin;
    if (GetFileAttributesW((DemoLayout() + L"Layout.ini").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no demo disc built";
    skin.controller.GetStyleSheet()->SetLayoutFolder(DemoLayout());
    ASSERT_TRUE(ReadCatalog(skin, "ItemNumber=5\r\n(1)Title=Chipset Driver\r\n(1)Tab=0\r\n"
                                 "(2)Title=Installing the chipset driver\r\n(2)Tab=3\r\n"
                                 "(3)Title=Updating the BIOS from the desktop\r\n(3)Tab=3\r\n"
                                 "(4)Title=Setting up a RAID array\r\n(4)Tab=3\r\n"
                                 "(5)Title=Overclocking with the board's own utility\r\n(5)Tab=3\r\n"));
    MessageRecorder backdrop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 1280, 1024});
    PumpMessages(50);

    ShootPopup(L"popup_notice", L"The installation is complete.", 0);
    ShootPopup(L"popup_question",
               L"Setup program is still running, closing this window can NOT stop the program. Are you sure to "
               L"close the window?",
               1);

    CPopupListDlg list;
    bool saved = false;
    ModalScript script(list, {[](HWND dialog) { SendMessageW(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(200, 37 + 31 + 5)); },
                              [&](HWND dialog) { saved = SaveShot(L"video_list", Around(dialog, 24)); },
                              [](HWND) { PressKey(VK_ESCAPE); }});
    EXPECT_EQ(list.DoModal(), 2);
    EXPECT_TRUE(saved);

    DialogTemplate ownerTemplate(WS_POPUP, 100, 100);
    CDialogEx owner(ownerTemplate.Get());
    ASSERT_TRUE(owner.Create());
    CLoadingDlg loading;
    ASSERT_TRUE(loading.Create(&owner));
    loading.SetWindowPos(HWND_TOPMOST, 184, 49, 845, 590, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpMessages(400);
    EXPECT_TRUE(SaveShot(L"loading", Around(loading, 0)));
    loading.DestroyWindow();
    owner.DestroyWindow();
}
