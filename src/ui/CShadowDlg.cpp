#include "ui/CShadowDlg.h"

#include <cstring>
#include <vector>

#include "config/CController.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/StyleSheet.h"

namespace {

// In the order of FramePieces::Piece.
const wchar_t* const kPieceFiles[FramePieces::kPieceCount] = {
    L"shadow_top_left.png",    L"shadow_top_middle.png", L"shadow_top_right.png",
    L"shadow_middle_left.png", L"shadow_middle_right.png", L"shadow_down_left.png",
    L"shadow_down_middle.png", L"shadow_down_right.png",
};

// Copies a picture into a W x H pixel buffer at (x, y), cut at its edges.
void CopyStraight(const std::vector<uint32_t>& source, SIZE sourceSize, DWORD* target, SIZE targetSize, int x, int y)
{
    for (int row = 0; row < sourceSize.cy; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= targetSize.cy)
            continue;
        const int from = x < 0 ? -x : 0;
        const int to = x + sourceSize.cx > targetSize.cx ? targetSize.cx - x : sourceSize.cx;
        if (from >= to)
            continue;
        std::memcpy(target + static_cast<size_t>(ty) * targetSize.cx + x + from,
                    source.data() + static_cast<size_t>(row) * sourceSize.cx + from,
                    static_cast<size_t>(to - from) * sizeof(DWORD));
    }
}

} // namespace

CShadowDlg::CShadowDlg() : CSkinOverlayDlg(IDD_SHADOW_DLG) {}

void CShadowDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    const std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    // Only the pictures of this shadow's kind: the other kind's decoding
    // costs the start-up of every window with a shadow.
    if (m_nineSlice) {
        for (int i = 0; i < FramePieces::kPieceCount; ++i)
            m_pieces[i].Reset(LoadPngBitmap(folder + kPieceFiles[i]));
    } else {
        m_whole.Reset(LoadPngBitmap(folder + L"main_shadow.png"));
    }
    ModifyStyleEx(0, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
}

CBitmap CShadowDlg::BuildFrame(SIZE client) const
{
    void* bits = nullptr;
    CBitmap picture(CBitmap::CreateDib32(client.cx, client.cy, &bits));
    if (!picture || !bits)
        return CBitmap();
    DWORD* target = static_cast<DWORD*>(bits);
    std::memset(target, 0, static_cast<size_t>(client.cx) * static_cast<size_t>(client.cy) * sizeof(DWORD));
    // Read each piece once; most of them are copied hundreds of times.
    std::vector<uint32_t> pixels[FramePieces::kPieceCount];
    SIZE sizes[FramePieces::kPieceCount]{};
    for (int i = 0; i < FramePieces::kPieceCount; ++i) {
        sizes[i] = m_pieces[i].Size();
        if (m_pieces[i])
            pixels[i] = BitmapPixels(m_pieces[i], sizes[i]);
    }
    ::GdiFlush();
    const FramePieces frame(kCornerWidth, kCornerHeight, kEdgeStep);
    for (const FramePieces::Place& place : frame.Places(client.cx, client.cy)) {
        if (!pixels[place.piece].empty())
            CopyStraight(pixels[place.piece], sizes[place.piece], target, client, place.x, place.y);
    }
    return picture;
}

bool CShadowDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CBitmap frame;
    HBITMAP picture = m_whole;
    if (m_nineSlice) {
        frame = BuildFrame(ClientSize());
        picture = frame;
    }
    if (!picture)
        return true;
    const SIZE size = CBitmap::SizeOf(picture);
    if (!LayeredWindow::SetPerPixelContent(m_hWnd, picture, size))
        LogError(m_log, L"[OnPaint] UpdateLayeredWindow failed: %u", ::GetLastError());
    CMemDC copy(dc, size);
    copy.Draw(picture, 0, 0);
    return true;
}
