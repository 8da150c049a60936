#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ModalScript.h"
#include "PopupSkin.h"
#include "PopupTestKit.h"
#include "resource.h"
#include "TestPng.h"
#include "ui/CPopupDlg.h"
#include "ui/PopupFrame.h"

namespace {

// A pop-up that shows which of its steps ran.
class StepRecordingPopup : public CPopupDlg {
public:
    std::vector<std::wstring> steps;
    std::vector<int> commands;

protected:
    void GetPopupSize(int& width, int& height) override
    {
        CPopupDlg::GetPopupSize(width, height);
        width = 600;
        steps.push_back(L"size");
    }
    void LoadExtraImages() override { steps.push_back(L"images"); }
    void SetupExtraControls() override { steps.push_back(L"controls"); }
    void PaintExtra(HDC) override
    {
        if (steps.empty() || steps.back() != L"paint")
            steps.push_back(L"paint");
    }
    void AfterLayout() override { steps.push_back(L"after"); }
    void OnPopupCommand(int id) override { commands.push_back(id); }
};

// A question whose own set-up takes the affirmative answer away.
class NoYesPopup : public CPopupDlg {
protected:
    void SetupExtraControls() override { m_buttons.ok.ShowWindow(SW_HIDE); }
};

class MessagePopupTest : public ::testing::Test {
protected:
    void SetUp() override { WritePopupSkin(skin); }

    // The pop-up's geometry and answer after the script's steps.
    struct Seen {
        RECT window{};
        RECT shadow{};
        bool shadowVisible = false;
        std::wstring title;
        std::wstring message;
        RECT messageRect{};
        RECT yes{}, no{}, close{};
        bool yesVisible = false, noVisible = false, closeVisible = false;
        std::wstring yesText, noText;
        HWND focus = nullptr;
    };
    static Seen Look(const CPopupDlg& popup)
    {
        Seen seen;
        HWND hwnd = popup.m_hWnd;
        GetWindowRect(hwnd, &seen.window);
        if (popup.Shadow()) {
            GetWindowRect(*popup.Shadow(), &seen.shadow);
            seen.shadowVisible = IsWindowVisible(*popup.Shadow()) != FALSE;
        }
        auto text = [](HWND h) {
            wchar_t buffer[1024] = {};
            GetWindowTextW(h, buffer, 1024);
            return std::wstring(buffer);
        };
        seen.title = text(GetDlgItem(hwnd, IDC_POPUP_TITLE));
        seen.message = text(GetDlgItem(hwnd, IDC_POPUP_MESSAGE));
        seen.messageRect = ChildRect(GetDlgItem(hwnd, IDC_POPUP_MESSAGE));
        seen.yes = ChildRect(GetDlgItem(hwnd, IDOK));
        seen.no = ChildRect(GetDlgItem(hwnd, IDCANCEL));
        seen.close = ChildRect(GetDlgItem(hwnd, IDC_POPUP_CLOSE));
        seen.yesVisible = IsWindowVisible(GetDlgItem(hwnd, IDOK)) != FALSE;
        seen.noVisible = IsWindowVisible(GetDlgItem(hwnd, IDCANCEL)) != FALSE;
        seen.closeVisible = IsWindowVisible(GetDlgItem(hwnd, IDC_POPUP_CLOSE)) != FALSE;
        seen.yesText = text(GetDlgItem(hwnd, IDOK));
        seen.noText = text(GetDlgItem(hwnd, IDCANCEL));
        seen.focus = GetFocus();
        return seen;
    }

    TestSkin skin;
};

RECT Rect(int x, int y, int w, int h)
{
    return RECT{x, y, x + w, y + h};
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// The height of a line of the message font, as the pop-up measures it.
SIZE LineSize(HWND popup, const std::wstring& text)
{
    HWND message = GetDlgItem(popup, IDC_POPUP_MESSAGE);
    HDC dc = GetDC(message);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(message, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(message, dc);
    return size;
}

} // namespace

TEST_F(MessagePopupTest, NoticeShowsOneOkButtonAndAnswersTwo)
{
    CPopupDlg popup;
    popup.m_message = L"The installation is complete.";
    popup.m_type = 0;
    Seen seen;
    SIZE line{};
    bool focusOnOk = false;
    ModalScript script(popup, {[&](HWND dialog) {
                                   seen = Look(popup);
                                   line = LineSize(dialog, popup.m_message);
                                   focusOnOk = GetFocus() == GetDlgItem(dialog, IDCANCEL);
                               },
                               [](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); }});
    EXPECT_EQ(popup.DoModal(), 2);

    // One short line: the message is one line high, the pop-up 450 wide and
    // that + 105 high, centred on the 1280 x 1024 screen.
    const int height = line.cy + 105;
    EXPECT_TRUE(Same(seen.window, Rect(640 - 225, 512 - height / 2, 450, height)));
    EXPECT_TRUE(Same(seen.messageRect, Rect(15, 45, 420, line.cy)));
    EXPECT_EQ(seen.message, L"The installation is complete.");
    EXPECT_EQ(seen.title, L"Message");
    EXPECT_TRUE(Same(seen.no, Rect(450 - 154, height - 45, 142, 34)));
    EXPECT_TRUE(seen.noVisible);
    EXPECT_EQ(seen.noText, L"OK");
    EXPECT_FALSE(seen.yesVisible);
    EXPECT_FALSE(seen.closeVisible);
    EXPECT_TRUE(focusOnOk);
    // The shadow lies 8 pixels around the pop-up.
    EXPECT_TRUE(seen.shadowVisible);
    RECT around = seen.window;
    InflateRect(&around, 8, 8);
    EXPECT_TRUE(Same(seen.shadow, around));
    EXPECT_TRUE(script.Finished());
}

TEST_F(MessagePopupTest, QuestionAnswersOneForYesAndTwoOtherwise)
{
    Seen seen;
    {
        CPopupDlg popup;
        popup.m_message = L"Install now?";
        popup.m_type = 1;
        ModalScript script(popup, {[&](HWND) { seen = Look(popup); },
                                   [](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }});
        EXPECT_EQ(popup.DoModal(), 1);
    }
    const int width = seen.window.right - seen.window.left;
    const int height = seen.window.bottom - seen.window.top;
    EXPECT_EQ(width, 450);
    EXPECT_TRUE(Same(seen.yes, Rect(width - 302, height - 45, 142, 34)));
    EXPECT_TRUE(Same(seen.no, Rect(width - 154, height - 45, 142, 34)));
    EXPECT_TRUE(Same(seen.close, Rect(width - 31, 5, 20, 20)));
    EXPECT_TRUE(seen.yesVisible && seen.noVisible && seen.closeVisible);
    EXPECT_EQ(seen.yesText, L"Yes");
    EXPECT_EQ(seen.noText, L"No");

    for (int id : {IDCANCEL, IDC_POPUP_CLOSE}) {
        CPopupDlg popup;
        popup.m_message = L"Install now?";
        popup.m_type = 1;
        ModalScript script(popup, {[id](HWND dialog) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }});
        EXPECT_EQ(popup.DoModal(), 2) << id;
    }
}

TEST_F(MessagePopupTest, KeyboardWalksTheButtonsAndEscAnswersTwo)
{
    std::vector<int> focus;
    auto note = [&focus](HWND) { focus.push_back(GetDlgCtrlID(GetFocus())); };
    {
        CPopupDlg popup;
        popup.m_message = L"Install now?";
        popup.m_type = 1;
        ModalScript script(popup, {note, [](HWND) { PressKey(VK_TAB); }, note, [](HWND) { PressKey(VK_TAB); },
                                   note, [](HWND) { PressKey(VK_TAB, true); }, [](HWND) { ReleaseShift(); }, note,
                                   [](HWND) { PressKey(VK_LEFT); }, note, [](HWND) { PressKey(VK_RIGHT); }, note,
                                   [](HWND) { PressKey(VK_RETURN); }});
        EXPECT_EQ(popup.DoModal(), 2);
    }
    // Yes first, then No, the close button, back to No; the arrows stay
    // among the buttons; Enter presses the focused No.
    EXPECT_EQ(focus, (std::vector<int>{IDOK, IDCANCEL, IDC_POPUP_CLOSE, IDCANCEL, IDOK, IDCANCEL}));

    {
        CPopupDlg popup;
        popup.m_message = L"Install now?";
        popup.m_type = 1;
        ModalScript script(popup, {[](HWND) { PressKey(VK_SPACE); }});
        EXPECT_EQ(popup.DoModal(), 1);
    }
    {
        // The focus leaves a button the pop-up's own steps hid.
        NoYesPopup popup;
        popup.m_message = L"No yes";
        popup.m_type = 1;
        int focus = 0;
        ModalScript script(popup, {[&focus](HWND) { focus = GetDlgCtrlID(GetFocus()); },
                                   [](HWND) { PressKey(VK_RETURN); }});
        EXPECT_EQ(popup.DoModal(), 2);
        EXPECT_EQ(focus, IDCANCEL);
    }
    for (int type : {0, 1}) {
        CPopupDlg popup;
        popup.m_message = L"Esc";
        popup.m_type = type;
        ModalScript script(popup, {[](HWND) { PressKey(VK_ESCAPE); }});
        EXPECT_EQ(popup.DoModal(), 2) << type;
    }
}

TEST_F(MessagePopupTest, LongMessagesGrowThePopupAndBreakAtBackslashN)
{
    // Three written breaks, and a line far wider than 420 pixels.
    std::wstring wide;
    for (int i = 0; i < 40; ++i)
        wide += L"word ";
    CPopupDlg popup;
    popup.m_message = L"first\\nsecond\\nthird\\n" + wide;
    popup.m_type = 0;
    Seen seen;
    SIZE line{};
    ModalScript script(popup, {[&](HWND dialog) {
                                   seen = Look(popup);
                                   line = LineSize(dialog, L"first\nsecond\nthird\n" + wide);
                                   PressKey(VK_RETURN);
                               }});
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_EQ(seen.message, L"first\nsecond\nthird\n" + wide);
    const int lines = 3 + line.cx / 420 + 1;
    EXPECT_GE(lines, 6);
    EXPECT_TRUE(Same(seen.messageRect, Rect(15, 45, 420, lines * line.cy)));
    const int height = lines * line.cy + 105;
    EXPECT_TRUE(Same(seen.window, Rect(640 - 225, 512 - height / 2, 450, height)));
    RECT around = seen.window;
    InflateRect(&around, 8, 8);
    EXPECT_TRUE(Same(seen.shadow, around));
}

TEST_F(MessagePopupTest, DraggingKeepsTheTopAndTheShadowFollows)
{
    CPopupDlg popup;
    popup.m_message = L"Drag me";
    popup.m_type = 1;
    RECT clamped{}, window{}, shadowAfterDrag{}, shadowPutBack{};
    ModalScript script(
        popup, {[&](HWND dialog) {
                    // Where the last step left it, the top is above 8: the next step is put back to 8.
                    SetWindowPos(dialog, nullptr, 300, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                    SendMessageW(dialog, WM_TIMER, CPopupDlg::kFollowTimer, 0);
                    RECT proposed{};
                    GetWindowRect(dialog, &proposed);
                    OffsetRect(&proposed, 20, -30);
                    SendMessageW(dialog, WM_MOVING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&proposed));
                    clamped = proposed;
                    GetWindowRect(dialog, &window);
                    GetWindowRect(*popup.Shadow(), &shadowAfterDrag);
                    // A shadow left behind is put back by the timer.
                    SetWindowPos(*popup.Shadow(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                },
                [](HWND) {}, [](HWND) {}, [](HWND) {}, [](HWND) {}, [](HWND) {}, [](HWND) {},
                [&](HWND dialog) {
                    GetWindowRect(*popup.Shadow(), &shadowPutBack);
                    PressKey(VK_ESCAPE);
                    (void)dialog;
                }});
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_EQ(clamped.top, 8);
    EXPECT_EQ(clamped.left, 320);
    EXPECT_EQ(window.top, 8);
    EXPECT_EQ(window.left, 320);
    EXPECT_EQ(shadowAfterDrag.left, 320 - 8);
    EXPECT_EQ(shadowAfterDrag.top, 8 - 8);
    EXPECT_EQ(shadowPutBack.left, window.left - 8);
    EXPECT_EQ(shadowPutBack.top, window.top - 8);
}

TEST_F(MessagePopupTest, DerivedPopupsFillTheSteps)
{
    StepRecordingPopup popup;
    popup.m_message = L"Offer";
    popup.m_type = 2;
    RECT window{};
    ModalScript script(popup, {[&](HWND dialog) {
                                   GetWindowRect(dialog, &window);
                                   SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(2105, BN_CLICKED), 0);
                                   SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(2110, BN_CLICKED), 0);
                               },
                               [](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }});
    EXPECT_EQ(popup.DoModal(), 1);
    EXPECT_EQ(window.right - window.left, 600);
    ASSERT_GE(popup.steps.size(), 5u);
    EXPECT_EQ(std::vector<std::wstring>(popup.steps.begin(), popup.steps.begin() + 4),
              (std::vector<std::wstring>{L"images", L"size", L"controls", L"after"}));
    EXPECT_NE(std::find(popup.steps.begin(), popup.steps.end(), L"paint"), popup.steps.end());
    // 2100 ... 2109 reach the pop-up and keep it open; command 1 too, before it closes.
    EXPECT_EQ(popup.commands, (std::vector<int>{2105, IDOK}));
}

TEST_F(MessagePopupTest, FrameOverlapsWhenSmallAndFramesAPanelWhenLarge)
{
    // Pieces in colours of their own: the last one drawn shows where they overlap.
    ASSERT_TRUE(skin.WritePng(L"popup_down_left.png", 156, 80, 0xFF00FF00));
    ASSERT_TRUE(skin.WritePng(L"popup_top_middle.png", 2, 80, 0xFFFF0000));
    PopupFrame frame;
    frame.Load(skin.dir.Path());
    auto paint = [&frame](SIZE size, POINT at) {
        CBitmap canvas(CBitmap::CreateDib32(size.cx, size.cy));
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, canvas);
        frame.Paint(dc, size, RGB(22, 34, 52));
        SelectObject(dc, old);
        DeleteDC(dc);
        return BitmapPixel(canvas, at.x, at.y) & 0xFFFFFF;
    };
    // 450 x 123: the down-left corner lies over the top-left one, the top
    // edge runs between the corners, and there is no panel to paint.
    EXPECT_EQ(paint(SIZE{450, 123}, POINT{20, 60}), 0x00FF00u);
    EXPECT_EQ(paint(SIZE{450, 123}, POINT{200, 20}), 0xFF0000u);
    EXPECT_EQ(paint(SIZE{450, 123}, POINT{200, 60}), 0x305070u);
    // 450 x 300: the panel (156, 80)-(294, 220) in the style sheet's colour.
    EXPECT_EQ(paint(SIZE{450, 300}, POINT{200, 150}), 0x162234u);
    EXPECT_EQ(paint(SIZE{450, 300}, POINT{293, 219}), 0x162234u);
    EXPECT_EQ(paint(SIZE{450, 300}, POINT{200, 221}), 0x305070u);
    EXPECT_EQ(paint(SIZE{450, 300}, POINT{20, 150}), 0x305070u);
}
