#include "ui/CProgressClipDlg.h"

#include <algorithm>

#include "resource.h"
#include "ui/AppContext.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/install/InstallLayout.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr COLORREF kTrack = RGB(18, 20, 25);

} // namespace

CProgressClipDlg::CProgressClipDlg() : CDialogEx(IDD_PROGRESSCLIP_DLG) {}

BOOL CProgressClipDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (StyleSheet* style = AppContext::Style())
        m_bar.Reset(LoadPngBitmap(style->LayoutFolder() + L"progressbar.png"));
    SetTimer(kAnimationTimer, kAnimationMs);
    return TRUE;
}

void CProgressClipDlg::SetPercent(int percent)
{
    m_percent = std::clamp(percent, 0, 100);
}

bool CProgressClipDlg::OnTimer(UINT_PTR id)
{
    if (id != kAnimationTimer)
        return false;
    m_phase = InstallLayout::NextPhase(m_phase);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return true;
}

bool CProgressClipDlg::OnEraseBkgnd(HDC dc)
{
    RECT client{};
    GetClientRect(&client);
    CBrush track(::CreateSolidBrush(kTrack));
    ::FillRect(dc, &client, track);
    return true;
}

bool CProgressClipDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const SIZE client = ClientSize();
    CMemDC canvas(dc, client);
    canvas.FillSolidRect(RECT{0, 0, client.cx, client.cy}, kTrack);
    // The stripes start up to a period left of the bar and end where the fill does.
    const InstallLayout::Box copy = InstallLayout::BarCopy(m_percent, m_phase);
    if (copy.right > 0) {
        const int saved = ::SaveDC(canvas);
        ::IntersectClipRect(canvas, copy.left, copy.top, copy.right, copy.bottom);
        canvas.Draw(m_bar, copy.left, copy.top);
        ::RestoreDC(canvas, saved);
    }
    return true;
}

bool CProgressClipDlg::OnMouseMove(UINT, POINT)
{
    if (m_notify)
        ::PostMessageW(m_notify, MSG_MOUSE_ENTER, 0, 0);
    m_leave.Track(m_hWnd);
    return false;
}

bool CProgressClipDlg::OnMouseLeave()
{
    m_leave.Left();
    if (m_notify)
        ::PostMessageW(m_notify, MSG_MOUSE_LEAVE, 0, 0);
    return false;
}

bool CProgressClipDlg::OnDestroy()
{
    KillTimer(kAnimationTimer);
    return false;
}
