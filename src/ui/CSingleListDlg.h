#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "log/ScopedLogger.h"
#include "ui/framework/CDialogEx.h"
#include "ui/list/ListKind.h"
#include "ui/list/ListPainter.h"
#include "ui/list/ListRowStore.h"
#include "ui/list/RowModel.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/ScrollFade.h"

class CController;
class CHighlightDlg;
class CListComponentDlg;
class CPopupDlg;
class CSoftwareCtl;
class CTooltipDlg;

// The list view of the Driver and Utilities tabs: the tab's items with
// status, versions and restart column, tick boxes (automatic lists) or
// manual-install buttons (manual lists), heading rows, and the Install
// button that hands the ticked items to the main window. The rows live in
// the scroll host's list control; the list draws them itself.
class CSingleListDlg : public CDialogEx {
public:
    explicit CSingleListDlg(int kind);
    ~CSingleListDlg() override;

    const ListKind& Kind() const { return m_kind; }

    // Rebuilds the rows after clearing every item's selection and done
    // flags (memory and progress record) unless the run is continued.
    int BuildRows();
    // Rebuilds the rows from the items as they are, resetting nothing;
    // returns the count of rows needing install.
    int RebuildRows();
    int RowsNeedingInstall() const { return m_needInstall; }

    void MarkInstalling(int itemNo);
    void RefreshItemStatus(int itemNo);
    void SyncTicksWithSelection();
    void MarkPreparing();
    void HideHoverPopups();
    void PlaceScrollHost();
    // What the Install button does (also the automatic start of "-i").
    void PressInstall();

    CxSkinButton& InstallButton() { return m_install; }
    CHighlightDlg* Highlight() const { return m_highlight.get(); }
    CTooltipDlg* Tooltip() const { return m_tooltip.get(); }
    CListComponentDlg* ScrollHost() const { return m_host.get(); }
    const RowModel& Rows() const { return m_rows; }
    int FirstVisibleRow() const { return m_firstVisible; }

    // Timer ids.
    enum : UINT_PTR { kTipTimer = 1, kFadeTimer = 3 };
    static constexpr UINT kFadePeriodMs = 5;
    static constexpr int kFadeStep = 5;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseWheel(UINT keys, short delta, POINT pt) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;
    bool OnKeyDown(UINT key, UINT flags) override;
    bool OnSetFocus(HWND previous) override;
    bool OnDestroy() override;

private:
    void CreatePopups();
    void SetUpTexts();
    void SetUpHeaderTips();
    void SetUpInstallButton();
    void ResetSelection();
    void SortItems();
    void CreateScrollHost();
    void OnDeferredInit();
    void OnFirstRow(int row);
    void OnMovePopups(int dx, int dy);

    CSoftwareCtl* ItemOfRow(int row) const;
    int RowOfItemNo(int itemNo) const;
    int PageRows() const;
    void RepaintRows();
    // Hover: highlight and tip for the visible row under the pointer.
    void HoverRow(int visible, int x);
    void ShowHighlightAt(int visible);
    void HideHighlightAndTip();
    void UpdateFade(POINT pt);
    void UpdateHotBox(POINT pt);
    // A click or Space on a row: groups, dependencies, the Install button.
    void ToggleRow(int row);
    void TickFollowers(const CSoftwareCtl& sw);
    // False when the user keeps the row ticked after all.
    bool ConfirmUntick(const CSoftwareCtl& sw);
    void FinishTickChange();
    void StartSingleInstall(int row);
    void MoveKeyRow(int step);
    // Scrolls the host's list by rows (negative: up).
    void ScrollHostLines(int lines);
    // Shows rows from this one on, the host's list moved with them.
    void ScrollFirstRowTo(int first);
    // The first row that shows the last full page.
    int LastFirstRow() const;
    std::vector<const struct SetupItem*> NormalRecords() const;

    ListKind m_kind;
    ScopedLogger m_log{L"CSingleListDlg"};
    CController* m_controller = nullptr;
    std::vector<CSoftwareCtl*> m_offerItems;
    std::vector<CSoftwareCtl*> m_normalItems;
    RowModel m_rows;
    ListRowStore m_store;
    ListPainter m_painter;
    int m_firstVisible = 0;
    int m_hoverRow = 0;  // 1-based visible row whose box is under the pointer
    int m_keyRow = -1;   // the row the keyboard highlights
    int m_tipRow = -1;   // the row the tool tip was last filled for
    int m_needInstall = 0;
    ScrollFade m_fade{kFadeTimer, kFadePeriodMs, kFadeStep};
    RECT m_tipRect{};
    WindowPtr<CListComponentDlg> m_host;
    WindowPtr<CHighlightDlg> m_highlight;
    WindowPtr<CTooltipDlg> m_tooltip;
    CxSkinButton m_install{this};
    std::array<HWND, 5> m_headerTips{};
    CFont m_titleFont;
    CFont m_headerFont;
    CPopupDlg* m_pendingPopup = nullptr;
};
