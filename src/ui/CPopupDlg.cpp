#include "ui/CPopupDlg.h"

#include "config/CController.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/PopupLayout.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

int StyleInt(const StyleSheet* style, const wchar_t* section, const wchar_t* key)
{
    return style ? style->GetInt(section, key) : 16;
}

COLORREF StyleColor(const StyleSheet* style, const wchar_t* section, const wchar_t* key)
{
    return style ? style->GetColor(section, key) : 0;
}

} // namespace

CPopupDlg::CPopupDlg(CWnd* parent) : CDialogEx(IDD_POPUP_DLG, parent) {}

CPopupDlg::CPopupDlg(const std::wstring& message, int type, CWnd* parent)
    : CDialogEx(IDD_POPUP_DLG, parent)
    , m_message(message)
    , m_type(type)
{
}

CPopupDlg::~CPopupDlg() = default;

BOOL CPopupDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    MakeBorderless();
    m_controller = AppContext::Controller();
    const StyleSheet* style = AppContext::Style();
    m_buttons.Bind(this);

    m_frame.Load(style ? style->LayoutFolder() : std::wstring());
    LoadExtraImages();

    int breaks = 0;
    const std::wstring message = PopupLayout::ConvertLineBreaks(m_message, breaks);
    HWND text = GetDlgItem(IDC_POPUP_MESSAGE);
    ::SetWindowTextW(text, message.c_str());
    m_messageFont.CreateFontIndirect(SkinFont(m_hWnd, StyleInt(style, L"POPUPDLG", L"Popup_text_Font_Size")));
    m_titleFont.CreateFontIndirect(SkinFont(m_hWnd, StyleInt(style, L"POPUPDLG", L"Popup_Title_text_Font_Size")));
    ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(m_messageFont.Get()), FALSE);
    ::SendMessageW(GetDlgItem(IDC_POPUP_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.Get()), FALSE);

    // The whole text measured as one line decides how many lines it gets.
    SIZE line{0, 0};
    {
        CClientDC dc(m_hWnd);
        CSelectObject font(dc, m_messageFont);
        ::GetTextExtentPoint32W(dc, message.c_str(), static_cast<int>(message.size()), &line);
    }
    PopupButtons::MoveTo(text, PopupLayout::MessageRect(PopupLayout::MessageHeight(breaks, line.cx, line.cy)));

    m_buttons.ok.SetWindowText(Translate(L"Yes"));
    m_buttons.cancel.SetWindowText(Translate(L"No"));
    // A notice's hidden buttons must not take the first focus.
    if (m_type == 0) {
        m_buttons.ok.ShowWindow(SW_HIDE);
        m_buttons.close.ShowWindow(SW_HIDE);
    }
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

void CPopupDlg::GetPopupSize(int& width, int& height)
{
    RECT text{};
    ::GetWindowRect(GetDlgItem(IDC_POPUP_MESSAGE), &text);
    width = PopupLayout::DefaultWidth();
    height = PopupLayout::DefaultHeight(text.bottom - text.top);
}

void CPopupDlg::LayoutPopup()
{
    int width = 0;
    int height = 0;
    GetPopupSize(width, height);
    MoveWindow(PopupLayout::CentredOrigin(::GetSystemMetrics(SM_CXSCREEN), width),
               PopupLayout::CentredOrigin(::GetSystemMetrics(SM_CYSCREEN), height), width, height, FALSE);
    m_buttons.Arrange(m_frame, m_hWnd, width, height, PopupLayout::AffirmativeButton(width, height));
    SetUpButtons();
    m_shadow.Remember(*this);
    SetTimer(kFollowTimer, kFollowPeriodMs);
    AfterLayout();
}

void CPopupDlg::SetUpButtons()
{
    m_buttons.ok.SetWindowText(Translate(L"Yes"));
    m_buttons.cancel.SetWindowText(Translate(m_type == 0 ? L"OK" : L"No"));

    HWND title = GetDlgItem(IDC_POPUP_TITLE);
    ::MoveWindow(title, 10, 5, 409, 25, TRUE);
    ::SetWindowTextW(title, Translate(L"Message").c_str());

    m_shadow.Show(*this);

    if (m_type == 0) {
        m_buttons.ok.ShowWindow(SW_HIDE);
        m_buttons.close.ShowWindow(SW_HIDE);
    } else {
        m_buttons.cancel.ShowWindow(SW_SHOW);
    }
    SetupExtraControls();
    FocusFirstButton();
}

void CPopupDlg::FocusFirstButton()
{
    // The pop-up itself is not shown yet: the buttons' own style tells.
    for (const CxSkinButton* button : {&m_buttons.ok, &m_buttons.cancel, &m_buttons.close}) {
        if ((::GetWindowLongPtrW(*button, GWL_STYLE) & WS_VISIBLE) && button->IsWindowEnabled()) {
            SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button->m_hWnd), TRUE);
            return;
        }
    }
}

LRESULT CPopupDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_DEFERRED_INIT) {
        LayoutPopup();
        return 0;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

BOOL CPopupDlg::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const int id = LOWORD(wParam);
    switch (id) {
    case IDOK:
        OnPopupCommand(IDOK);
        EndDialog(IDOK);
        return TRUE;
    case IDCANCEL: // also Esc
    case IDC_POPUP_CLOSE:
        EndDialog(IDCANCEL);
        return TRUE;
    default:
        if (id >= kFirstExtraCommand && id <= kLastExtraCommand) {
            OnPopupCommand(id);
            return TRUE;
        }
        return FALSE;
    }
}

bool CPopupDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const SIZE client = ClientSize();
    CMemDC mem(dc, client);
    mem.SetBkMode(TRANSPARENT);
    m_frame.Paint(mem, client, StyleColor(AppContext::Style(), L"POPUPDLG", L"Popup_bg_Color"));
    PaintExtra(mem);
    return true;
}

HBRUSH CPopupDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    const StyleSheet* style = AppContext::Style();
    const int id = ::GetDlgCtrlID(child);
    if (id == IDC_POPUP_MESSAGE || id == IDC_POPUP_TITLE) {
        const bool message = id == IDC_POPUP_MESSAGE;
        ::SelectObject(dc, message ? m_messageFont.Get() : m_titleFont.Get());
        ::SetTextColor(dc, StyleColor(style, L"POPUPDLG", message ? L"Popup_text_Color" : L"Popup_Title_text_Color"));
        ::SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    HBRUSH brush = CDialogEx::OnCtlColor(dc, child, type);
    ExtraCtlColor(dc, id, brush);
    return brush;
}

bool CPopupDlg::OnMouseMove(UINT keys, POINT pt)
{
    OnPopupMouseMove(keys, pt.x, pt.y);
    return true;
}

bool CPopupDlg::OnLButtonDown(UINT keys, POINT pt)
{
    if (pt.y <= 40) {
        POINT screen = pt;
        ::ClientToScreen(m_hWnd, &screen);
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    }
    OnPopupButtonDown(keys, pt.x, pt.y);
    return true;
}

bool CPopupDlg::OnMoving(RECT* proposed)
{
    m_shadow.OnMoving(*this, proposed);
    return true;
}

bool CPopupDlg::OnTimer(UINT_PTR id)
{
    if (id != kFollowTimer)
        return false;
    m_shadow.Follow(*this);
    return true;
}

bool CPopupDlg::OnDestroy()
{
    KillTimer(kFollowTimer);
    return false;
}
