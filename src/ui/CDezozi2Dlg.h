#pragma once
#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/list/ListArea.h"
#include "ui/main/MainLayout.h"
#include "ui/main/StartupWorker.h"
#include "probes/ResolutionWatch.h"
#include "probes/ZOrderKeeper.h"
#include "ui/session/InstallSession.h"
#include "ui/skin/CxSkinButton.h"

class CController;
class CHighlightDlg;
class CInstallBgDlg;
class CLoadingDlg;
class CManualDocDlg;
class CMaskDlg;
class CPopupDlg;
class CShadowDlg;
class CSpecialMaskDlg;
class CSpecialDlg;
struct Logger;

// The program's one top-level window: borderless, layered, 1038 x 678,
// centred on the primary screen, with its column of tab buttons, its small
// buttons and the pop-ups that give the skin its effects. It is the hub of
// the program's private messages.
class CDezozi2Dlg : public CDialogEx, public InstallSession::Host {
public:
    explicit CDezozi2Dlg(CWnd* parent = nullptr);
    ~CDezozi2Dlg() override;

    static constexpr int kWidth = MainLayout::kWidth;
    static constexpr int kHeight = MainLayout::kHeight;
    // The window's rectangle on a primary screen of this size.
    static RECT CentredRect(int screenWidth, int screenHeight);

    // The program's modal message: 1 for the first button, 2 for the
    // second, 0 when the pop-up could not be shown.
    int ShowPopupMessage(const std::wstring& text, int type) override;
    void EnableMainButtons(bool on, bool keepCloseDisabled = false);
    void OpenInstallingView() override;
    void CloseInstallingView() override;
    void SelectTab(int tab);
    int ListMode() const override { return m_listMode; }
    const ListArea& Lists() const { return m_lists; }
    // The process's exit code once the window is gone (0 outside recovery).
    int ExitCode() const { return m_exitCode; }

    // Timer ids.
    enum : UINT_PTR { kSlideTimer = 2, kResolutionTimer = 10, kFollowTimer = 11, kRevealSpecialTimer = 12 };
    static constexpr UINT kRevealSpecialMs = 800;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    void OnOK() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMoving(RECT* proposed) override;
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnDestroy() override;
    // The rest of start-up, on the user-interface thread.
    virtual void OnDeferredInit();

    CController* m_controller = nullptr;
    Logger* m_log = nullptr;

private:
    bool Unattended() const;
    int m_exitCode = 0;
    friend class StartupWorker;

    // The install session's view of the window.
    int AskOfferConsent(int offerKind) override;
    bool HasUpperList() const override;
    void SyncUpperTicks() override;
    void MarkUpperPreparing() override;
    void MarkUpperInstalling(int itemNo) override;
    void RefreshListItem(int itemNo) override;
    int RebuildUpperList(bool resetRunFlags) override;
    void ShowUpperInstallButton(bool show) override;
    void HideUpperToolTip() override;
    void SetInstalling(bool installing) override { m_installing = installing; }
    void PostQuit(int exitCode) override { ::PostQuitMessage(exitCode); }

    void SetWindowIcons();
    void LoadImages();
    void BuildControls();
    void BuildTabButtons();
    void SkinTab(int tab, bool selected);
    void SkinSmallButton(CxSkinButton& button, const MainLayout::Box& box, const wchar_t* stem,
                         const wchar_t* toolTip);
    void PlaceTitle();
    void CreatePopups();
    void OpenSubDialog(int type);
    void LayoutChildren();
    bool VerifyMainPlacement();
    bool VerifyInstallPlacement();
    void FollowMainWindow();
    void SlideHighlight();
    void RevealSpecialView();
    void MovePopupsBy(int dx, int dy);
    // Timer 10: a new screen size re-centres the window and re-lays it out.
    void WatchResolution();
    void RelayoutForResolution();
    // Where each open view (lists, manual, special, installing) re-places
    // its own pop-ups after the screen changed.
    void PlaceViewPopups();
    void ApplyMinimumResolution();
    void StartStartupWorker();
    void ShowTermsOfUse();
    void OpenAddress(const std::wstring& address);
    HFONT MakeFont(int height) const;
    void OpenVideoList();
    void DispatchToSession(UINT msg, int value);
    RECT HighlightRectFor(int tab) const;
    RECT ScreenRect(const MainLayout::Box& box) const;
    CxSkinButton& TabButton(int tab) { return *m_tabs[static_cast<size_t>(tab)]; }
    bool ToolEnabled() const;

    std::array<std::unique_ptr<CxSkinButton>, MainLayout::kTabCount> m_tabs;
    CxSkinButton m_close{this};
    CxSkinButton m_minimize{this};
    CxSkinButton m_contact{this};
    CxSkinButton m_fileList{this};
    CxSkinButton m_video{this};

    WindowPtr<CHighlightDlg> m_dlgMainHighlight;
    WindowPtr<CLoadingDlg> m_dlgLoading;
    WindowPtr<CSpecialMaskDlg> m_dlgSpecialMask;
    WindowPtr<CSpecialDlg> m_specialView;
    WindowPtr<CShadowDlg> m_dlgShadow;
    WindowPtr<CManualDocDlg> m_manualView;
    WindowPtr<CMaskDlg> InstallMask;
    WindowPtr<CInstallBgDlg> m_dlgInstallBg;
    // The component lists of the Driver and Utilities tabs.
    ListArea m_lists;

    CBitmap m_background;
    CBitmap m_logo;
    CBitmap m_buttonBackground;
    CFont m_tabFont;
    CFont m_titleFont;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;

    std::atomic<bool> m_mayShow{false};
    bool m_installing = false;
    bool m_closing = false;
    // The message ShowPopupMessage has open, while it is open.
    CPopupDlg* m_openMessage = nullptr;
    int m_subDialogType = 0;
    int m_listMode = -1;
    int m_selectedTab = -1;
    bool m_highlightSliding = false;
    RECT m_highlightTarget{};
    bool m_slideTimerRunning = false;
    POINT m_lastPosition{};
    ResolutionWatch m_resolutionWatch;
    ZOrderKeeper m_zOrderKeeper;
    std::unique_ptr<StartupWorker> m_startup;
    std::unique_ptr<InstallSession> m_session;
};
