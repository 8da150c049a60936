#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "config/AdEntry.h"
#include "log/ScopedLogger.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/CWnd.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/SkinImages.h"

class CController;
class CSpecialGoogleMaskDlg;
class CTransparentViewDlg;
class CWebBroswerDlg;

// The Special tab: the "Special" advertisement pages one at a time in a
// browser, page buttons under them, pages turning after their display time,
// an "Install Now" button on its own pop-up and, under offer pages, the
// opt-in panel.
class CSpecialDlg : public CDialogEx {
public:
    CSpecialDlg();
    ~CSpecialDlg() override;

    int PageIndex() const { return m_pageIndex; }
    void SetPageIndex(int index) { m_pageIndex = index; }
    const std::vector<AdEntry>& Entries() const { return m_entries; }
    CSpecialGoogleMaskDlg* OptInPanel() const { return m_optIn.get(); }
    CTransparentViewDlg* InstallOverlay() const { return m_overlay.get(); }
    CWebBroswerDlg* Browser() const { return m_browser.get(); }
    size_t PageButtonCount() const { return m_pageButtons.size(); }
    HWND PageButton(size_t i) const { return i < m_pageButtons.size() ? m_pageButtons[i]->m_hWnd : nullptr; }

    // Shows the view with its current page's pop-ups (the main window, a
    // moment after opening the tab).
    void Reveal();
    // The main window's resolution watch and move checks put the pop-ups back.
    void PlaceOfferPopups();
    // Shows the page's overlay and opt-in panel as the page asks (the main
    // window's reveal and every page change).
    void ShowPagePopups(const AdEntry& entry);

    enum : UINT_PTR { kPageTimer = 9, kFirstPageTimer = 14 };
    static constexpr UINT kFirstPageDelayMs = 500;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    bool OnShowWindow(BOOL show, UINT status) override;
    bool OnDestroy() override;

private:
    void DeferredInit();
    void CreatePageButtons();
    void DrawPageSelection(int page);
    void ShowPage(int page);
    void Navigate(const AdEntry* entry);
    void StartPageTimer();
    void StartInstaller();
    void EnableInstall(bool enable);
    void MovePopupsBy(int dx, int dy);
    RECT ScreenRectOf(int left, int top, int right, int bottom) const;

    ScopedLogger m_log{L"CSpecialDlg"};
    CController* m_controller = nullptr;
    CBitmap m_background;
    CContourBitmap m_picture;
    WindowPtr<CWebBroswerDlg> m_browser;
    std::vector<std::unique_ptr<CxSkinButton>> m_pageButtons;
    int m_pageIndex = 0;
    WindowPtr<CTransparentViewDlg> m_overlay;
    WindowPtr<CSpecialGoogleMaskDlg> m_optIn;
    std::vector<AdEntry> m_entries;
};
