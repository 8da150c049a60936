#include "ui/CLoadingDlg.h"

#include "resource.h"
#include "ui/AppContext.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/StyleSheet.h"

CLoadingDlg::CLoadingDlg(CWnd* parent) : CSkinOverlayDlg(IDD_LOADING_DLG, parent) {}

void CLoadingDlg::SetBlend(const BLENDFUNCTION& blend)
{
    m_blend = blend;
    for (CContourBitmap& frame : m_frames)
        frame.m_blend = blend;
}

void CLoadingDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    StyleSheet* style = AppContext::Style();
    m_folder = style ? style->LayoutFolder() : std::wstring();
    m_background.Reset(LoadPngBitmap(m_folder + L"singlelist_bg.png"));
    // Created hidden: the timer starts when the window is shown.
    if (IsWindowVisible())
        StartAnimation();
    PostMessage(MSG_DEFERRED_INIT);
}

LRESULT CLoadingDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_DEFERRED_INIT)
        return 0; // nothing is left to set up
    return CSkinOverlayDlg::WindowProc(msg, wParam, lParam);
}

CContourBitmap& CLoadingDlg::Frame(int index)
{
    const size_t slot = static_cast<size_t>(index);
    if (!m_frameRead[slot]) {
        m_frameRead[slot] = true;
        m_frames[slot].Reset(LoadPngBitmap(m_folder + L"Loading\\" + LoadingFrames::FileName(index + 1)));
        m_frames[slot].m_blend = m_blend;
    }
    return m_frames[slot];
}

void CLoadingDlg::StartAnimation()
{
    if (m_animating)
        return;
    m_animating = SetTimer(kFrameTimer, kFramePeriodMs) != 0;
    if (!m_animating)
        LogError(m_log, L"[StartAnimation] SetTimer failed: %u", ::GetLastError());
}

void CLoadingDlg::StopAnimation()
{
    if (!m_animating)
        return;
    KillTimer(kFrameTimer);
    m_animating = false;
}

bool CLoadingDlg::OnWindowPosChanged(const WINDOWPOS& pos)
{
    if (pos.flags & SWP_SHOWWINDOW)
        StartAnimation();
    else if (pos.flags & SWP_HIDEWINDOW)
        StopAnimation();
    return false;
}

bool CLoadingDlg::OnTimer(UINT_PTR id)
{
    if (id != kFrameTimer)
        return false;
    // Hidden another way (an owner minimised): nothing to animate.
    if (!IsWindowVisible()) {
        StopAnimation();
        return true;
    }
    ::RedrawWindow(m_hWnd, &kFrameRect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_frameIndex = LoadingFrames::Next(m_frameIndex, static_cast<int>(m_frames.size()));
    return true;
}

bool CLoadingDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    SIZE size = m_background.Size();
    // Without the background there is no picture to draw into.
    if (size.cx <= 0 || size.cy <= 0)
        return true;
    CMemDC mem(dc, size);
    mem.Draw(m_background, 0, 0);
    if (m_frameIndex >= 0 && m_frameIndex < static_cast<int>(m_frames.size()))
        Frame(m_frameIndex).Draw(mem, kFrameRect.left, kFrameRect.top);
    return true;
}

bool CLoadingDlg::OnDestroy()
{
    StopAnimation();
    return false;
}
