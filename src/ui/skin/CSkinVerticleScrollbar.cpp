#include "ui/skin/CSkinVerticleScrollbar.h"

#include <commctrl.h>

#include <cstdio>

#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/ScrollThumb.h"
#include "ui/skin/SkinImages.h"

namespace {

SCROLLINFO ReadScrollInfo(HWND list)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!list || !::GetScrollInfo(list, SB_VERT, &info))
        info = SCROLLINFO{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    return info;
}

void Trace(const wchar_t* format, int a, int b = 0)
{
    wchar_t line[160];
    if (std::swprintf(line, sizeof(line) / sizeof(line[0]), format, a, b) > 0)
        ::OutputDebugStringW(line);
}

// The top row of a piece stretched over a rectangle; a missing file skips it.
void StretchTopRow(HDC dc, const std::wstring& file, int x, int y, int width, int height)
{
    CBitmap piece;
    if (height <= 0 || !LoadImageFile(file, piece))
        return;
    HDC source = ::CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ old = ::SelectObject(source, piece);
    ::StretchBlt(dc, x, y, width, height, source, 0, 0, ScrollThumb::kWidth, 1, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void CopyPiece(HDC dc, const std::wstring& file, int x, int y, int width, int height)
{
    CBitmap piece;
    if (!LoadImageFile(file, piece))
        return;
    HDC source = ::CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ old = ::SelectObject(source, piece);
    ::BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

} // namespace

void CSkinVerticleScrollbar::Attach(HWND list, const std::wstring& imageFolder, int pageDivisor, int thumbHeight)
{
    m_list = list;
    m_imageFolder = imageFolder;
    m_pageDivisor = pageDivisor;
    m_thumbHeight = thumbHeight;
}

int CSkinVerticleScrollbar::BarHeight() const
{
    return ClientSize().cy;
}

void CSkinVerticleScrollbar::SendToListParent(UINT msg, WPARAM wParam) const
{
    HWND parent = m_list ? ::GetParent(m_list) : nullptr;
    if (parent)
        ::SendMessageW(parent, msg, wParam, 0);
}

void CSkinVerticleScrollbar::Repaint() const
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CSkinVerticleScrollbar::UpdateThumbPosition()
{
    if (!m_hWnd || !m_list)
        return;
    SCROLLINFO info = ReadScrollInfo(m_list);
    UINT page = static_cast<UINT>(ScrollThumb::PageSize(info.nMax, m_pageDivisor));
    // Only a change is written: writing redraws the list, whose paint
    // comes back here.
    if (m_pageDivisor != 0 && info.nPage != page) {
        info.fMask = SIF_PAGE;
        info.nPage = page;
        ::SetScrollInfo(m_list, SB_VERT, &info, TRUE);
        info = ReadScrollInfo(m_list);
    }
    Trace(L"[OVRA] [Dezozi2] [UpdateThumbPosition] GetScrollPos = %d \n", info.nPos);
    m_thumbPosition = ScrollThumb(BarHeight(), m_thumbHeight)
                          .FromScroll(info.nPos, ScrollThumb::ScrollRange(info.nMax, static_cast<int>(info.nPage)));
    LimitThumbPosition();
    Repaint();
}

void CSkinVerticleScrollbar::LimitThumbPosition()
{
    ScrollThumb thumb(BarHeight(), m_thumbHeight);
    m_thumbPosition = thumb.Limit(m_thumbPosition);
    // The list's own position: the owner's rows then always are the list's,
    // whatever the thumb's pixels can stand for.
    const int first = ReadScrollInfo(m_list).nPos;
    SendToListParent(kMsgScrollFirstRow, static_cast<WPARAM>(first > 0 ? first : 0));
}

bool CSkinVerticleScrollbar::OnLButtonDown(UINT, POINT pt)
{
    ::SetCapture(m_hWnd);
    if (ScrollThumb(BarHeight(), m_thumbHeight).InThumb(pt.x, pt.y, m_thumbPosition))
        m_dragging = true;
    return true;
}

bool CSkinVerticleScrollbar::OnMouseMove(UINT, POINT pt)
{
    if (m_dragging) {
        ScrollThumb thumb(BarHeight(), m_thumbHeight);
        m_thumbPosition = thumb.DragPosition(pt.y);
        SCROLLINFO info = ReadScrollInfo(m_list);
        Trace(L"[OVRA] [Dezozi2] [OnMouseMove] nPos = %d nMax = %d \n", info.nPos, info.nMax);
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        int rowHeight = ::SendMessageW(m_list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)) ? row.bottom - row.top : 0;
        int rows = thumb.DragRows(thumb.Limit(m_thumbPosition), info.nPos,
                                  ScrollThumb::ScrollRange(info.nMax, static_cast<int>(info.nPage)));
        if (rows != 0 && rowHeight > 0)
            ::SendMessageW(m_list, LVM_SCROLL, 0, static_cast<LPARAM>(rowHeight) * rows);
        LimitThumbPosition();
        Repaint();
    } else {
        SendToListParent(kMsgScrollHover, 0);
    }
    if (!m_hovering && m_leave.Track(m_hWnd)) {
        m_hovering = true;
        Repaint();
    }
    return true;
}

bool CSkinVerticleScrollbar::OnMouseLeave()
{
    m_leave.Left();
    m_hovering = false;
    Repaint();
    SendToListParent(kMsgScrollHover, 0);
    return true;
}

bool CSkinVerticleScrollbar::OnLButtonUp(UINT, POINT pt)
{
    ::ReleaseCapture();
    if (!m_dragging && !ScrollThumb(BarHeight(), m_thumbHeight).InThumb(pt.x, pt.y, m_thumbPosition)) {
        ::SendMessageW(m_list, WM_VSCROLL, pt.y > m_thumbPosition ? SB_PAGEDOWN : SB_PAGEUP, 0);
        UpdateThumbPosition();
    }
    m_dragging = false;
    return true;
}

bool CSkinVerticleScrollbar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    SIZE size = ClientSize();
    CMemDC canvas(dc, size);
    Paint(canvas, size.cy);
    return true;
}

void CSkinVerticleScrollbar::Paint(HDC dc, int height) const
{
    RECT all{0, 0, ScrollThumb::kWidth, height};
    CBrush back(::CreateSolidBrush(RGB(74, 82, 107)));
    ::FillRect(dc, &all, back);
    const int p = m_thumbPosition;
    const int h = m_thumbHeight;
    const wchar_t* hover = m_hovering ? L"_s" : L"";
    StretchTopRow(dc, m_imageFolder + L"VerticleScrollBarSpan.png", 0, 0, ScrollThumb::kWidth, height);
    CopyPiece(dc, m_imageFolder + L"VerticleScrollBarThumbUp" + hover + L".png", 2, p + 3, 5, 3);
    CopyPiece(dc, m_imageFolder + L"VerticleScrollBarThumbDown" + hover + L".png", 2, p + h - 15, 12, 3);
    if (ReadScrollInfo(m_list).nMax != 0)
        StretchTopRow(dc, m_imageFolder + L"VerticleScrollBarThumbSpan" + hover + L".png", 2, p + 6,
                      ScrollThumb::kWidth, h - 21);
}
