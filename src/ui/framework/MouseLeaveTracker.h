#pragma once
#include <windows.h>

// Asks the system for one WM_MOUSELEAVE at a time for a window.
class MouseLeaveTracker {
public:
    // Requests the notification unless one is pending; true while armed.
    bool Track(HWND hwnd);
    // Withdraws a pending request; true when it was withdrawn.
    bool Cancel(HWND hwnd);
    // The notification arrived: a new one must be requested.
    void Left() { m_armed = false; }
    bool Armed() const { return m_armed; }

private:
    bool m_armed = false;
};
