#pragma once
#include <windows.h>

#include <vector>

#include "log/ScopedLogger.h"
#include "ui/CHighlightDlg.h"
#include "ui/PopupButtons.h"
#include "ui/PopupFrame.h"
#include "ui/PopupShadow.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/CListComponentDlg.h"

class CController;
class CSoftwareCtl;

// The video list: a modal pop-up in the message pop-ups' frame that lists
// the setup items of the Special tab (index 3). Clicking a row asks the
// main window to run that item (MSG_INSTALL_SINGLE); the list itself never
// runs a setup, so it stays responsive.
class CPopupListDlg : public CDialogEx {
public:
    explicit CPopupListDlg(CWnd* parent = nullptr);
    ~CPopupListDlg() override;

    const std::vector<CSoftwareCtl*>& Rows() const { return m_rows; }
    int HoveredRow() const { return m_hoveredRow; }
    CHighlightDlg* Highlight() const { return m_highlight.get(); }
    CListComponentDlg* RowHost() const { return m_rowHost.get(); }
    CShadowDlg* Shadow() const { return m_shadow.Window(); }

    enum : UINT_PTR { kFollowTimer = 11 };
    static constexpr UINT kFollowPeriodMs = 100;
    static constexpr int kVideoTab = 3;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;
    bool OnMoving(RECT* proposed) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDestroy() override;

private:
    void CreateRowHost();
    void SetUp();
    // The highlight in its resting or its pressed look.
    void ColourHighlight(bool pressed);
    void HideHighlight();

    ScopedLogger m_log{L"CPopupListDlg"};
    CController* m_controller = nullptr;
    PopupFrame m_frame;
    PopupButtons m_buttons{this};
    RECT m_rowArea{8, 37, 707, 161};
    int m_visibleRows = 4;
    std::vector<CSoftwareCtl*> m_rows;
    int m_hoveredRow = -1;
    WindowPtr<CHighlightDlg> m_highlight;
    WindowPtr<CListComponentDlg> m_rowHost;
    PopupShadow m_shadow;
    CFont m_rowFont;
    CFont m_titleFont;
};
