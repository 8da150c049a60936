#include "ui/skin/CSkinHorizontalScrollbar.h"

#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/SkinImages.h"

namespace {

void StretchPiece(HDC dc, const std::wstring& file, const RECT& to)
{
    CBitmap piece;
    if (to.right <= to.left || !LoadImageFile(file, piece))
        return;
    SIZE size = piece.Size();
    HDC source = ::CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ old = ::SelectObject(source, piece);
    ::StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source, 0, 0, size.cx, size.cy, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

} // namespace

void CSkinHorizontalScrollbar::Attach(HWND list, const std::wstring& imageFolder)
{
    m_list = list;
    m_imageFolder = imageFolder;
}

void CSkinHorizontalScrollbar::UpdateThumbPosition()
{
    if (!m_hWnd || !m_list)
        return;
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    int track = ClientSize().cx - 3 * kArrowWidth;
    if (::GetScrollInfo(m_list, SB_HORZ, &info) && info.nMax > 0 && track > 0)
        m_thumbLeft = kArrowWidth + static_cast<int>(static_cast<long long>(info.nPos) * track / info.nMax);
    else
        m_thumbLeft = kArrowWidth;
    if (::IsWindowVisible(m_hWnd))
        Invalidate(FALSE);
}

bool CSkinHorizontalScrollbar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    SIZE size = ClientSize();
    CMemDC canvas(dc, size);
    StretchPiece(canvas, m_imageFolder + L"HorizontalScrollBarSpan.bmp", RECT{0, 0, size.cx, size.cy});
    StretchPiece(canvas, m_imageFolder + L"HorizontalScrollBarLeftArrow.bmp", RECT{0, 0, kArrowWidth, size.cy});
    StretchPiece(canvas, m_imageFolder + L"HorizontalScrollBarRightArrow.bmp",
                 RECT{size.cx - kArrowWidth, 0, size.cx, size.cy});
    StretchPiece(canvas, m_imageFolder + L"HorizontalScrollBarThumb.bmp",
                 RECT{m_thumbLeft, 0, m_thumbLeft + kArrowWidth, size.cy});
    return true;
}
