#pragma once
#include <windows.h>

#include "ui/CShadowDlg.h"
#include "ui/framework/CWnd.h"

class CDialogEx;

// The nine-slice shadow of a message pop-up, 8 pixels around it, kept with
// the pop-up while it is dragged; the pop-up's 100 ms timer puts back a
// shadow that was left behind. It also keeps the pop-up from being dragged
// above the screen's top edge.
class PopupShadow {
public:
    // Creates the shadow once, owned by the pop-up, places and shows it.
    void Show(CDialogEx& popup);
    // The pop-up's top-left as last seen.
    void Remember(const CWnd& popup);
    // A drag step with the proposed rectangle (changed when the pop-up
    // stands above the top limit): the shadow moves by the same amount.
    void OnMoving(const CWnd& popup, RECT* proposed);
    // Timer step: true when the shadow was out of place and was put back.
    bool Follow(const CWnd& popup);

    CShadowDlg* Window() const { return m_shadow.get(); }
    POINT LastPosition() const { return m_last; }

    static constexpr int kMargin = 8;

private:
    void Place(const CWnd& popup);

    WindowPtr<CShadowDlg> m_shadow;
    POINT m_last{};
};
