#include "ui/PictureMaskDlg.h"

#include <vector>

#include "config/CController.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/KeyedPixels.h"
#include "ui/skin/StyleSheet.h"

namespace {

// The window's shape: the picture without its magenta parts; null without a picture.
HRGN ShapeOf(HBITMAP picture, SIZE size)
{
    const std::vector<KeyedPixels::Run> runs = KeyedPixels::OpaqueRuns(BitmapPixels(picture, size), size.cx, size.cy,
                                                                       255, 0, 255);
    if (runs.empty())
        return nullptr;
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(runs.size());
    region->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    region->rdh.rcBound = RECT{0, 0, size.cx, size.cy};
    auto* rects = reinterpret_cast<RECT*>(region->Buffer);
    for (size_t i = 0; i < runs.size(); ++i)
        rects[i] = RECT{runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region);
}

} // namespace

CSpecialMaskDlg::CSpecialMaskDlg() : CSkinOverlayDlg(IDD_SPECIALMASK_DLG) {}

void CSpecialMaskDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    if (style)
        m_picture.Reset(LoadPngBitmap(style->LayoutFolder() + L"special_mask.png"));
    // The magenta parts are cut out of the window rather than keyed out: Wine
    // shapes a colour-keyed window from a surface larger than the window,
    // and a compositor then shows stale pixels below the mask, over the
    // view's page buttons. Clicks pass through the cut-out as through a key.
    if (HRGN shape = ShapeOf(m_picture.Get(), m_picture.Size())) {
        if (!::SetWindowRgn(m_hWnd, shape, TRUE))
            ::DeleteObject(shape);
    }
}

bool CSpecialMaskDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CMemDC canvas(dc, m_picture.Size());
    m_picture.Draw(canvas, 0, 0);
    return true;
}
