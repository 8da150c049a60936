#pragma once
#include "log/ScopedLogger.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/framework/MouseLeaveTracker.h"

// A black translucent sheet that dims what lies under it and takes every
// click meant for it. With a target it reports the pointer's comings and
// goings (MSG_MOUSE_ENTER, MSG_MOUSE_LEAVE).
class CMaskDlg : public CSkinOverlayDlg {
public:
    CMaskDlg();

    // Before Create: opacity in percent (default 1) and the target.
    void SetOpacity(int percent) { m_opacity = percent; }
    void SetTarget(HWND target) { m_target = target; }
    int Opacity() const { return m_opacity; }

protected:
    void OnInitOverlay() override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseLeave() override;

private:
    ScopedLogger m_log{L"CMaskDlg"};
    int m_opacity = 1;
    HWND m_target = nullptr;
    MouseLeaveTracker m_leave;
};
