#include "ui/CMaskDlg.h"

#include "resource.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"

CMaskDlg::CMaskDlg() : CSkinOverlayDlg(IDD_MASK_DLG) {}

void CMaskDlg::OnInitOverlay()
{
    SetBackgroundColor(RGB(0, 0, 0));
    if (!LayeredWindow::SetConstantAlpha(m_hWnd, LayeredWindow::PercentToAlpha(m_opacity)))
        LogError(m_log, L"[OnInitDialog] SetLayeredWindowAttributes failed: %u", ::GetLastError());
}

bool CMaskDlg::OnMouseMove(UINT, POINT)
{
    if (m_target)
        ::PostMessageW(m_target, MSG_MOUSE_ENTER, 0, 0);
    m_leave.Track(m_hWnd);
    return false;
}

bool CMaskDlg::OnMouseLeave()
{
    m_leave.Left();
    if (m_target)
        ::PostMessageW(m_target, MSG_MOUSE_LEAVE, 0, 0);
    return false;
}
