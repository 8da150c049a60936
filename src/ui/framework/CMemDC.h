#pragma once
#include <windows.h>

#include "ui/framework/GdiObject.h"

// Off-screen context for one rectangle of a target context: drawing goes to
// a compatible bitmap of the rectangle's size (its origin mapped to the
// rectangle's corner), copied straight to the target when the object goes.
class CMemDC {
public:
    CMemDC(HDC target, const RECT& rect);
    // The rectangle (0, 0, size).
    CMemDC(HDC target, SIZE size);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    operator HDC() const { return m_dc ? m_dc : m_target; }
    bool IsOffScreen() const { return m_dc != nullptr; }
    const RECT& Rect() const { return m_rect; }

    // Straight copy of a bitmap at (x, y), its own size.
    bool Draw(HBITMAP bitmap, int x, int y) const;
    // The text functions of a context, acting on the off-screen one.
    int DrawText(const wchar_t* text, RECT* rect, UINT format) const;
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(*this, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(*this, mode); }
    bool FillSolidRect(const RECT& rect, COLORREF color) const;

private:
    HDC m_target;
    RECT m_rect;
    HDC m_dc = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    POINT m_oldOrigin{};
};
