#include "ui/CHighlightDlg.h"

#include "resource.h"
#include "ui/WindowMessages.h"

CHighlightDlg::CHighlightDlg() : CSkinOverlayDlg(IDD_HIGHLIGHT_DLG) {}

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
