#include "ui/CHighlightDlg.h"

#include "resource.h"
#include "ui/AppContext.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/StyleSheet.h"

CHighlightDlg::CHighlightDlg() : CSkinOverlayDlg(IDD_HIGHLIGHT_DLG) {}

WindowPtr<CHighlightDlg> CHighlightDlg::CreateForRows(CWnd* owner, bool passClicks)
{
    WindowPtr<CHighlightDlg> highlight(new CHighlightDlg());
    if (!owner || !highlight->Create(owner))
        return nullptr;
    highlight->SetFocusOwner(owner->m_hWnd);
    if (passClicks) {
        highlight->SetClickTarget(owner->m_hWnd);
        highlight->SetPassButtonDown(true);
    }
    highlight->ApplyRowLook(false);
    return highlight;
}

void CHighlightDlg::ApplyRowLook(bool pressed)
{
    const StyleSheet* style = AppContext::Style();
    if (!m_hWnd || !style)
        return;
    const wchar_t* colorKey = pressed ? L"List_Highlight_Down_Color" : L"List_Highlight_Color";
    const wchar_t* alphaKey = pressed ? L"List_Highlight_Down_Alpha" : L"List_Highlight_Alpha";
    SetBackgroundColor(style->GetColor(L"LISTDLG", colorKey));
    LayeredWindow::SetConstantAlpha(m_hWnd, LayeredWindow::PercentToAlpha(style->GetInt(L"LISTDLG", alphaKey)));
    Invalidate();
}

bool CHighlightDlg::OnSetFocus(HWND)
{
    Default();
    if (m_focusOwner)
        ::PostMessageW(m_focusOwner, MSG_PASS_FOCUS, 0, 0);
    return true;
}

bool CHighlightDlg::OnLButtonDown(UINT, POINT)
{
    if (m_passButtonDown && m_clickTarget)
        ::PostMessageW(m_clickTarget, WM_LBUTTONDOWN, 0, 0);
    return false;
}

bool CHighlightDlg::OnLButtonUp(UINT, POINT)
{
    if (m_clickTarget)
        ::PostMessageW(m_clickTarget, WM_LBUTTONUP, 0, 0);
    return false;
}
