#pragma once
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/framework/MouseLeaveTracker.h"

// The installing dialog's progress bar: stripes that move to the right
// over a dark track, filled up to 6 pixels a percent.
class CProgressClipDlg : public CDialogEx {
public:
    CProgressClipDlg();

    // Before Create: who hears of the pointer.
    void SetNotifyWindow(HWND window) { m_notify = window; }
    void SetPercent(int percent);
    int Percent() const { return m_percent; }
    int Phase() const { return m_phase; }

    enum : UINT_PTR { kAnimationTimer = 4 };
    static constexpr UINT kAnimationMs = 100;

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseLeave() override;
    bool OnDestroy() override;

private:
    CBitmap m_bar;
    HWND m_notify = nullptr;
    int m_percent = 0;
    int m_phase = 0;
    MouseLeaveTracker m_leave;
};
