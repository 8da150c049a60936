#pragma once
#include "log/ScopedLogger.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/FramePieces.h"

class CController;

// A click-through drop shadow with per-pixel alpha: either the one picture
// "main_shadow.png" (the window takes its size) or a frame of eight pieces
// around the window's own rectangle. It never takes the focus or the mouse.
class CShadowDlg : public CSkinOverlayDlg {
public:
    CShadowDlg();

    // Before Create.
    void SetNineSlice(bool nineSlice) { m_nineSlice = nineSlice; }
    bool NineSlice() const { return m_nineSlice; }

    // The nine-slice picture for a client size: the pieces copied straight
    // (alpha included) into a fully transparent picture.
    CBitmap BuildFrame(SIZE client) const;

    // Corner space of the frame and the step of its edge pieces.
    static constexpr int kCornerWidth = 164;
    static constexpr int kCornerHeight = 88;
    static constexpr int kEdgeStep = 2;

protected:
    void OnInitOverlay() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    ScopedLogger m_log{L"CShadowDlg"};
    CController* m_controller = nullptr;
    bool m_nineSlice = false;
    CBitmap m_whole;
    CBitmap m_pieces[FramePieces::kPieceCount];
};
