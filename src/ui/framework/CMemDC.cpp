#include "ui/framework/CMemDC.h"

CMemDC::CMemDC(HDC target, SIZE size) : CMemDC(target, RECT{0, 0, size.cx, size.cy}) {}

CMemDC::CMemDC(HDC target, const RECT& rect) : m_target(target), m_rect(rect)
{
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (!target || width <= 0 || height <= 0)
        return;
    // Without memory for the copy, painting goes straight to the target.
    HDC dc = ::CreateCompatibleDC(target);
    if (!dc)
        return;
    m_bitmap.Reset(::CreateCompatibleBitmap(target, width, height));
    if (!m_bitmap) {
        ::DeleteDC(dc);
        return;
    }
    m_dc = dc;
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    ::SetWindowOrgEx(m_dc, rect.left, rect.top, &m_oldOrigin);
}

CMemDC::~CMemDC()
{
    if (!m_dc)
        return;
    ::SetWindowOrgEx(m_dc, m_oldOrigin.x, m_oldOrigin.y, nullptr);
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_dc, 0, 0,
             SRCCOPY);
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteDC(m_dc);
}

bool CMemDC::Draw(HBITMAP bitmap, int x, int y) const
{
    BITMAP info{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(info), &info) == 0)
        return false;
    HDC source = ::CreateCompatibleDC(*this);
    if (!source)
        return false;
    HGDIOBJ old = ::SelectObject(source, bitmap);
    int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    bool done = ::BitBlt(*this, x, y, info.bmWidth, height, source, 0, 0, SRCCOPY) != FALSE;
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return done;
}

int CMemDC::DrawText(const wchar_t* text, RECT* rect, UINT format) const
{
    return ::DrawTextW(*this, text, -1, rect, format);
}

bool CMemDC::FillSolidRect(const RECT& rect, COLORREF color) const
{
    COLORREF old = ::SetBkColor(*this, color);
    bool done = ::ExtTextOutW(*this, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr) != FALSE;
    ::SetBkColor(*this, old);
    return done;
}
