#pragma once
#include "ui/CSkinOverlayDlg.h"

// A plain coloured translucent rectangle (the tab marker, the row
// highlight). Its owner gives it its colour (the dialog's background) and
// opacity. It passes the keyboard focus (MSG_PASS_FOCUS) and clicks on to
// the windows named here; clicks arrive there at the point (0, 0), so a
// receiver can tell them from clicks on its own surface.
class CHighlightDlg : public CSkinOverlayDlg {
public:
    CHighlightDlg();

    // A row highlight for owner's list: the focus goes back to owner, and
    // with passClicks the clicks too; list colours. Null if not created.
    static WindowPtr<CHighlightDlg> CreateForRows(CWnd* owner, bool passClicks);
    // The list's highlight colour and opacity, for a pressed row or not.
    void ApplyRowLook(bool pressed);

    void SetFocusOwner(HWND owner) { m_focusOwner = owner; }
    void SetClickTarget(HWND target) { m_clickTarget = target; }
    void SetPassButtonDown(bool pass) { m_passButtonDown = pass; }

protected:
    bool OnSetFocus(HWND previous) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;

private:
    HWND m_focusOwner = nullptr;
    HWND m_clickTarget = nullptr;
    bool m_passButtonDown = false;
};
