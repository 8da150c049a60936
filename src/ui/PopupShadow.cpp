#include "ui/PopupShadow.h"

#include "ui/PopupLayout.h"
#include "ui/framework/CDialogEx.h"

void PopupShadow::Show(CDialogEx& popup)
{
    if (!m_shadow) {
        WindowPtr<CShadowDlg> shadow(new CShadowDlg());
        shadow->SetNineSlice(true);
        if (!shadow->Create(&popup))
            return;
        m_shadow = std::move(shadow);
    }
    Place(popup);
    m_shadow->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_shadow->PostMessage(WM_PAINT);
}

void PopupShadow::Place(const CWnd& popup)
{
    RECT rect{};
    popup.GetClientRect(&rect);
    ::InflateRect(&rect, kMargin, kMargin);
    popup.ClientToScreen(&rect);
    m_shadow->MoveWindow(rect, TRUE);
}

void PopupShadow::Remember(const CWnd& popup)
{
    RECT window{};
    popup.GetWindowRect(&window);
    m_last = POINT{window.left, window.top};
}

void PopupShadow::OnMoving(const CWnd& popup, RECT* proposed)
{
    RECT current{};
    popup.GetWindowRect(&current);
    const int top = PopupLayout::ClampedTop(current.top, proposed->top);
    if (top != proposed->top) {
        const int height = proposed->bottom - proposed->top;
        proposed->top = top;
        proposed->bottom = top + height;
        popup.MoveWindow(*proposed, TRUE);
    }
    if (m_shadow) {
        RECT shadow{};
        m_shadow->GetWindowRect(&shadow);
        ::OffsetRect(&shadow, proposed->left - m_last.x, proposed->top - m_last.y);
        m_shadow->SetWindowPos(nullptr, shadow.left, shadow.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_last = POINT{proposed->left, proposed->top};
}

bool PopupShadow::Follow(const CWnd& popup)
{
    Remember(popup);
    if (!m_shadow)
        return false;
    RECT shadow{};
    m_shadow->GetWindowRect(&shadow);
    if (shadow.left == m_last.x - kMargin && shadow.top == m_last.y - kMargin)
        return false;
    ::OutputDebugStringW(L"m_dlgShadow: Position change\n");
    Place(popup);
    return true;
}
