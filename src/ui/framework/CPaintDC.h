#pragma once
#include <windows.h>

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::BeginPaint(hwnd, &m_ps)) {}
    ~CPaintDC()
    {
        if (m_dc)
            ::EndPaint(m_hwnd, &m_ps);
    }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    operator HDC() const { return m_dc; }
    const RECT& PaintRect() const { return m_ps.rcPaint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// GetDC/ReleaseDC of a window (the screen for none).
class CClientDC {
public:
    explicit CClientDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~CClientDC()
    {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};
