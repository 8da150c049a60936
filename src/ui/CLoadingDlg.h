#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "log/ScopedLogger.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/LoadingFrames.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/SkinImages.h"

class CController;

// The loading picture over the main window's content area while start-up
// work runs: the empty list background with a small animation in its middle.
// The animation's timer runs only while the window is shown.
class CLoadingDlg : public CSkinOverlayDlg {
public:
    explicit CLoadingDlg(CWnd* parent = nullptr);

    // How the frames are blended over the background; the creator sets it.
    void SetBlend(const BLENDFUNCTION& blend);

    int FrameIndex() const { return m_frameIndex; }
    bool Animating() const { return m_animating; }

    enum : UINT_PTR { kFrameTimer = 8 };
    static constexpr UINT kFramePeriodMs = 32;
    // Where the frame is drawn in the window.
    static constexpr RECT kFrameRect{383, 262, 463, 295};

protected:
    void OnInitOverlay() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    bool OnWindowPosChanged(const WINDOWPOS& pos) override;
    bool OnDestroy() override;

private:
    void StartAnimation();
    void StopAnimation();
    // Frame index, decoded when first drawn: the window shows at once and
    // the decoding spreads over the animation's first round.
    CContourBitmap& Frame(int index);

    ScopedLogger m_log{L"CLoadingDlg"};
    CController* m_controller = nullptr;
    CBitmap m_background;
    std::wstring m_folder;
    std::array<CContourBitmap, LoadingFrames::kCount> m_frames;
    std::array<bool, LoadingFrames::kCount> m_frameRead{};
    int m_frameIndex = 0;
    bool m_animating = false;
    BLENDFUNCTION m_blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};
