#include "ScrollFade.h"

#include "ui/framework/LayeredWindow.h"

ScrollFade::ScrollFade(UINT_PTR timerId, UINT periodMs, int stepPercent)
    : m_timerId(timerId), m_periodMs(periodMs), m_step(stepPercent > 0 ? stepPercent : 1)
{
}

void ScrollFade::SetWindows(HWND owner, HWND host)
{
    Stop();
    m_owner = owner;
    m_host = host;
}

void ScrollFade::SetHost(HWND host)
{
    m_host = host;
    SetOpacity(m_opacity);
}

void ScrollFade::Track(bool overRows)
{
    if (overRows) {
        Stop();
        if (m_opacity != 100)
            SetOpacity(100);
    } else if (!m_fading && m_opacity > 0 && m_owner) {
        m_fading = ::SetTimer(m_owner, m_timerId, m_periodMs, nullptr) != 0;
    }
}

void ScrollFade::Hide()
{
    Stop();
    SetOpacity(0);
}

bool ScrollFade::OnTimer(UINT_PTR id)
{
    if (id != m_timerId)
        return false;
    SetOpacity(m_opacity - m_step);
    if (m_opacity == 0)
        Stop();
    return true;
}

void ScrollFade::Stop()
{
    if (m_fading && m_owner)
        ::KillTimer(m_owner, m_timerId);
    m_fading = false;
}

void ScrollFade::SetOpacity(int percent)
{
    m_opacity = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (m_host && ::IsWindow(m_host))
        LayeredWindow::SetConstantAlpha(m_host, static_cast<BYTE>(m_opacity * 255 / 100));
}
