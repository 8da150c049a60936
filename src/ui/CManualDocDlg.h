#pragma once
#include <array>
#include <string>
#include <vector>

#include "log/ScopedLogger.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/manual/ManualLayout.h"
#include "ui/manual/ManualRows.h"
#include "ui/skin/ScrollFade.h"
#include "ui/skin/SkinImages.h"

class CController;
class CHighlightDlg;
class CListComponentDlg;
class CTooltipDlg;

// The Manual and Tool tabs: documents and tools in up to three sections,
// drawn by the view itself; a click runs one item singly through the main
// window. A zero-width list beside the rows serves as its scroll bar and
// fades in while the pointer is over the rows.
class CManualDocDlg : public CDialogEx {
public:
    CManualDocDlg();
    ~CManualDocDlg() override;

    // Before Create: the Tool tab's first section has its own icon and name.
    void SetTool(bool tool) { m_tool = tool; }

    // The main window moved: the pop-ups follow by the same delta.
    void MovePopupsBy(int dx, int dy);
    // The scroll bar at its place beside the rows, once the view is placed.
    void PlaceScrollComponent();
    // After a screen change.
    void PlacePopupsAfterResolution();
    // The pointer is over the main window's own surface.
    void HideHoverPopups();

    const ManualRows& Rows() const { return m_rows; }

    enum : UINT_PTR { kTipTimer = 1, kFadeTimer = 3 };
    static constexpr UINT kFadePeriodMs = 5;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDestroy() override;

private:
    void CreateScrollComponent();
    void PlaceScroll(int top, int extraHeight);
    void LoadImages();
    void BuildRows();
    void OnDeferredInit();
    void OnFirstRowChanged(int firstRow);
    void HideHighlightAndTip();
    void ApplyHighlightLook(bool pressed);
    void ShowTip();
    std::wstring HeaderText(int section) const;
    void DrawRows(HDC dc) const;

    ScopedLogger m_log{L"CManualDocDlg"};
    CController* m_controller = nullptr;
    bool m_tool = false;
    ManualRows m_rows;
    std::vector<std::wstring> m_texts;
    std::vector<std::wstring> m_descriptions;
    int m_firstVisible = 0;
    int m_hovered = -1;
    ScrollFade m_fade{kFadeTimer, kFadePeriodMs, ManualLayout::kFadeStep};
    RECT m_tipRect{};

    WindowPtr<CHighlightDlg> m_highlight;
    WindowPtr<CTooltipDlg> m_tooltip;
    WindowPtr<CListComponentDlg> m_scroll;

    CBitmap m_background;
    std::array<CContourBitmap, ManualRows::kSections> m_icons;
    CFont m_titleFont;
    CFont m_textFont;
};
