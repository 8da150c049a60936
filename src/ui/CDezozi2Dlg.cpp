#include "ui/CDezozi2Dlg.h"

#include "app/CDezozi2App.h"
#include "config/CController.h"
#include "log/CInfoTracker.h"
#include "resource.h"
#include "ui/WindowMessages.h"

CDezozi2Dlg::CDezozi2Dlg(CWnd* parent)
    : CDialogEx(IDD_DEZOZI2_DIALOG, parent)
    , m_log(CInfoTracker::Instance().GetLogger(L"CDezozi2Dlg"))
{
    if (auto* app = dynamic_cast<CDezozi2App*>(AfxGetApp()))
        m_controller = app->GetController();
}

CDezozi2Dlg::~CDezozi2Dlg()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

RECT CDezozi2Dlg::CentredRect(int screenWidth, int screenHeight)
{
    RECT rect;
    rect.left = screenWidth / 2 - kWidth / 2;
    rect.top = screenHeight / 2 - kHeight / 2;
    rect.right = rect.left + kWidth;
    rect.bottom = rect.top + kHeight;
    return rect;
}

BOOL CDezozi2Dlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (m_controller)
        m_controller->MainWnd = m_hWnd;
    LogDebug(m_log, L"[OnInitDialog] Enter");
    // A resume task runs once: whatever the mode, this start removes it.
    if (m_controller)
        m_controller->DeleteResumeTask();
    MakeBorderless();
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    PlaceCentred();
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

void CDezozi2Dlg::PlaceCentred()
{
    RECT rect = CentredRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (!SetWindowPos(nullptr, rect.left, rect.top, kWidth, kHeight, SWP_NOZORDER | SWP_FRAMECHANGED))
        LogError(m_log, L"[OnInitDialog] SetWindowPos failed: %u", ::GetLastError());
}

void CDezozi2Dlg::OnCancel()
{
    LogDebug(m_log, L"[OnCancel] close");
    CDialogEx::OnCancel();
}

void CDezozi2Dlg::OnDeferredInit()
{
    LogDebug(m_log, L"[OnDeferredInit] Enter");
}

LRESULT CDezozi2Dlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case MSG_DEFERRED_INIT:
        OnDeferredInit();
        break;
    case MSG_QUIT_APP:
        ::PostQuitMessage(0);
        break;
    case WM_NCDESTROY:
        // Workers must not post to a handle that may be reused.
        if (m_controller && m_controller->MainWnd == m_hWnd)
            m_controller->MainWnd = nullptr;
        break;
    default:
        break;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}
