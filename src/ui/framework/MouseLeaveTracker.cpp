#include "ui/framework/MouseLeaveTracker.h"

bool MouseLeaveTracker::Track(HWND hwnd)
{
    if (m_armed)
        return true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    m_armed = hwnd && ::TrackMouseEvent(&track);
    return m_armed;
}

bool MouseLeaveTracker::Cancel(HWND hwnd)
{
    if (!m_armed)
        return false;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_CANCEL, hwnd, 0};
    if (!::TrackMouseEvent(&track))
        return false;
    m_armed = false;
    return true;
}
