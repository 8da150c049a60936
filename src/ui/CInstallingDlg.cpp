#include "ui/CInstallingDlg.h"

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "services/FileExists.h"
#include "services/ProcessKiller.h"
#include "ui/AppContext.h"
#include "ui/CPopupDlg.h"
#include "ui/CProgressClipDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/install/InstallLayout.h"
#include "ui/install/InstallTexts.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr COLORREF kColorKey = RGB(255, 0, 255);

void MoveTo(HWND control, const InstallLayout::Box& box)
{
    ::MoveWindow(control, box.left, box.top, box.Width(), box.Height(), TRUE);
}

} // namespace

CInstallingDlg::CInstallingDlg() : CSkinOverlayDlg(IDD_INSTALLING_DLG) {}

CInstallingDlg::~CInstallingDlg() = default;

void CInstallingDlg::DoDataExchange()
{
    m_cancel.SubclassDlgItem(IDCANCEL, this);
}

void CInstallingDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    SetBackgroundColor(kColorKey);
    LayeredWindow::SetColorKey(m_hWnd, kColorKey);
    const int boardLine = m_controller ? m_controller->BoardLine : 0;
    m_stripOffset = InstallLayout::StripOffset(boardLine);
    m_showBackground = InstallLayout::BottomStrip(boardLine);
    LoadImages();
    BuildControls();
    PostMessage(MSG_DEFERRED_INIT);
}

void CInstallingDlg::LoadImages()
{
    const StyleSheet* style = AppContext::Style();
    if (!style)
        return;
    const std::wstring& folder = style->LayoutFolder();
    m_background.Reset(LoadPngBitmap(folder + (m_stripOffset ? L"install_down_bg.png" : L"installing_bg.png")));
    if (FileExists(folder + L"installing_bg.png"))
        m_buttonPicture.Reset(LoadPngBitmap(folder + L"installing_bg.png"));
    m_mask.Reset(LoadPngBitmap(folder + L"installing_mask_bg.png"));
}

void CInstallingDlg::BuildControls()
{
    const StyleSheet* style = AppContext::Style();
    if (style) {
        LOGFONTW text = SkinFont(m_hWnd, style->GetInt(L"INSTALLDLG", L"Install_text_Font_Size"));
        m_textFont.Reset(::CreateFontIndirectW(&text));
    }
    SkinCancel();
    PlaceText(IDC_INSTALL_REMAINING, true);
    SetText(IDC_INSTALL_REMAINING,
            InstallTexts::Remaining(Translate(L"Total Time Remaining : About"), m_minutes, Translate(L"Minutes"), true));
    PlaceText(IDC_INSTALL_PERCENT, false);
    if (m_stripOffset) {
        HWND percent = GetDlgItem(IDC_INSTALL_PERCENT);
        ::SetWindowLongPtrW(percent, GWL_STYLE, ::GetWindowLongPtrW(percent, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_RIGHT));
        ::InvalidateRect(percent, nullptr, TRUE);
    }
    SetText(IDC_INSTALL_PERCENT, InstallTexts::Percent(m_percent, Translate(L"Completed")));
    if (m_stripOffset)
        return;
    m_progress.reset(new CProgressClipDlg());
    m_progress->SetNotifyWindow(m_hWnd);
    if (!m_progress->Create(this)) {
        LogError(m_log, L"[OnInitDialog] progress bar not created");
        m_progress.reset();
        return;
    }
    MoveTo(m_progress->m_hWnd, InstallLayout::kProgressBar);
    m_progress->ShowWindow(SW_SHOWNA);
}

void CInstallingDlg::SkinCancel()
{
    MoveTo(m_cancel, InstallLayout::Cancel(m_stripOffset));
    const StyleSheet* style = AppContext::Style();
    if (!style)
        return;
    m_cancel.SetSkin(L"bluebutton_n.png", L"bluebutton_s.png", L"bluebutton_f.png", L"bluebutton_d.png",
                     style->LayoutFolder());
    // The piece under the button comes from the picture drawn there: in the
    // strip look the strip's own picture (the overlay one is magenta there).
    const HBITMAP under = m_stripOffset ? m_background.Get() : m_buttonPicture.Get();
    if (m_buttonPicture && under) {
        const InstallLayout::Box box = InstallLayout::Cancel(m_stripOffset);
        m_cancel.SetBackgroundPiece(CropBitmap(under, box.left, box.top, box.Width(), box.Height()));
    }
    m_cancel.m_textOffsetX = 0;
    m_cancel.m_textOffsetY = 0;
    m_cancel.SetTextColors(style->GetColor(L"LISTDLG", L"List_Btn_text_Color_Normal"),
                           style->GetColor(L"LISTDLG", L"List_Btn_text_Color_Select"),
                           style->GetColor(L"LISTDLG", L"List_Btn_text_Color_Focus"),
                           style->GetColor(L"LISTDLG", L"List_Btn_text_Color_Disable"));
    m_cancel.SetTextFont(SkinFont(m_hWnd, style->GetInt(L"MAINDLG", L"Btn_tab_text_Font_Size")));
    m_cancel.SetWindowText(Translate(L"Cancel"));
}

void CInstallingDlg::PlaceText(int id, bool remaining)
{
    HWND control = GetDlgItem(id);
    RECT rect{};
    if (!control || !::GetWindowRect(control, &rect))
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    MoveTo(control, remaining ? InstallLayout::RemainingText(m_stripOffset, width, height)
                              : InstallLayout::PercentText(m_stripOffset, width, height));
    if (m_textFont)
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont.Get()), FALSE);
}

void CInstallingDlg::SetText(int id, const std::wstring& text)
{
    HWND control = GetDlgItem(id);
    if (!control)
        return;
    ::SetWindowTextW(control, text.c_str());
    // The text is transparent: the background under it is painted again first.
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    ::RedrawWindow(m_hWnd, &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CInstallingDlg::SetProgress(int minutes, int percent)
{
    m_minutes = minutes;
    m_percent = percent;
}

void CInstallingDlg::UpdateTexts()
{
    SetText(IDC_INSTALL_REMAINING,
            InstallTexts::Remaining(Translate(L"Total Time Remaining : About"), m_minutes, Translate(L"Minutes")));
    SetText(IDC_INSTALL_PERCENT, InstallTexts::Percent(m_percent, Translate(L"Completed")));
}

LRESULT CInstallingDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case MSG_DEFERRED_INIT:
        OnDeferredInit();
        return 0;
    case MSG_MOUSE_ENTER:
    case MSG_MOUSE_LEAVE:
        // From the progress bar: the installing background decides.
        ::PostMessageW(GetParent(), msg, 0, 0);
        return 0;
    default:
        return CSkinOverlayDlg::WindowProc(msg, wParam, lParam);
    }
}

void CInstallingDlg::OnDeferredInit()
{
    if (m_controller && (m_controller->RunMode & MODE_RECOVERY))
        m_cancel.EnableWindow(FALSE);
    SetTimer(kRevealTimer, kRevealMs);
}

bool CInstallingDlg::OnTimer(UINT_PTR id)
{
    if (id != kRevealTimer)
        return false;
    KillTimer(kRevealTimer);
    m_showBackground = true;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The strip stays; the dark area and the advertisements above it go.
    if (m_stripOffset)
        ::ShowWindow(GetParent(), SW_HIDE);
    return true;
}

bool CInstallingDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const HBITMAP picture = m_showBackground ? m_background.Get() : m_mask.Get();
    const SIZE client = ClientSize();
    CMemDC canvas(dc, picture ? CBitmap::SizeOf(picture) : client);
    canvas.FillSolidRect(RECT{0, 0, client.cx, client.cy}, kColorKey);
    canvas.Draw(picture, 0, 0);
    return true;
}

HBRUSH CInstallingDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    if (type != CTLCOLOR_STATIC || child == m_cancel.m_hWnd)
        return CSkinOverlayDlg::OnCtlColor(dc, child, type);
    if (m_textFont)
        ::SelectObject(dc, m_textFont);
    if (const StyleSheet* style = AppContext::Style())
        ::SetTextColor(dc, style->GetColor(L"INSTALLDLG", L"Install_text_Color"));
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

bool CInstallingDlg::OnMouseMove(UINT, POINT pt)
{
    if (pt.y < InstallLayout::kPointerBand)
        return false;
    ::PostMessageW(GetParent(), MSG_MOUSE_ENTER, 0, 0);
    m_leave.Track(m_hWnd);
    return false;
}

bool CInstallingDlg::OnMouseLeave()
{
    m_leave.Left();
    ::PostMessageW(GetParent(), MSG_MOUSE_LEAVE, 0, 0);
    return false;
}

void CInstallingDlg::OnCancel()
{
    if (m_questionOpen) {
        ::MessageBoxW(m_hWnd, L"[CInstallingDlg][ShowMessage] error", L"", MB_OK);
        return;
    }
    CPopupDlg question(Translate(L"There are uninstalled items, are you sure to cancel?"), 1, this);
    m_question = &question;
    m_questionOpen = true;
    const INT_PTR answer = question.DoModal();
    m_questionOpen = false;
    m_question = nullptr;
    if (answer == 1) {
        KillProcessByName(L"OvraSetup.exe");
        if (m_hWnd)
            ::PostMessageW(GetParent(), MSG_INSTALLDLG_CLOSE, 0, 0);
    }
    if (m_questionClosed)
        m_questionClosed();
}

void CInstallingDlg::EndQuestion()
{
    if (m_question && m_question->m_hWnd)
        m_question->EndDialog(0);
}

bool CInstallingDlg::OnDestroy()
{
    KillTimer(kRevealTimer);
    EndQuestion();
    m_progress.reset();
    return false;
}
