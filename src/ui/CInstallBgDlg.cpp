#include "ui/CInstallBgDlg.h"

#include <memory>

#include "config/AdCatalog.h"
#include "config/CController.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/CInstallingDlg.h"
#include "ui/CProgressClipDlg.h"
#include "ui/CWebBroswerDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/install/InstallLayout.h"

namespace {

constexpr COLORREF kColorKey = RGB(255, 0, 255);
constexpr COLORREF kDark = RGB(18, 20, 25);
constexpr int kPlacementTries = 3;

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Views closed while their Cancel question's handler ran, waiting for it to return.
std::vector<WindowPtr<CInstallBgDlg>>& RetiredViews()
{
    static std::vector<WindowPtr<CInstallBgDlg>> views;
    return views;
}

} // namespace

CInstallBgDlg::CInstallBgDlg() : CSkinOverlayDlg(IDD_INSTALLBG_DLG) {}

CInstallBgDlg::~CInstallBgDlg() = default;

void CInstallBgDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    const int boardLine = m_controller ? m_controller->BoardLine : 0;
    SetBackgroundColor(InstallLayout::BottomStrip(boardLine) ? kDark : kColorKey);
    LayeredWindow::SetColorKey(m_hWnd, kColorKey);
    m_stripOffset = InstallLayout::StripOffset(boardLine);
    PostMessage(MSG_DEFERRED_INIT);
}

LRESULT CInstallBgDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:
        // A retired view still carries an open question: the sweep deletes it
        // once the question is answered, not a close that a modal loop delivers.
        if (m_retired)
            return 0;
        return CSkinOverlayDlg::WindowProc(msg, wParam, lParam);
    case MSG_DEFERRED_INIT:
        OnDeferredInit();
        return 0;
    case MSG_INSTALLDLG_CLOSE:
        Stop();
        if (!m_retired)
            ::PostMessageW(GetParent(), MSG_INSTALLDLG_CLOSE, 0, 0);
        return 0;
    case MSG_MOUSE_ENTER:
        if (m_browser)
            m_browser->ShowWindow(SW_HIDE);
        return 0;
    case MSG_MOUSE_LEAVE:
        if (m_browser && !m_ads.empty())
            m_browser->ShowWindow(SW_SHOWNA);
        return 0;
    default:
        return CSkinOverlayDlg::WindowProc(msg, wParam, lParam);
    }
}

void CInstallBgDlg::OnDeferredInit()
{
    CreateChildren();
    for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        if (!VerifyPlacement())
            continue;
        if (m_browser)
            m_browser->ShowWindow(SW_SHOWNA);
        if (m_installing)
            m_installing->ShowWindow(SW_SHOWNA);
        m_keeper.Clear();
        if (m_browser && m_installing) {
            m_keeper.Add(m_browser->m_hWnd);
            m_keeper.Add(m_installing->m_hWnd);
            m_keeper.Start();
        }
        break;
    }
    SetTimer(kClockStartTimer, kClockStartMs);
    m_elapsed = m_controller ? m_controller->GetSavedTime() : 0;
    if (m_controller) {
        m_controller->ElapsedSeconds = m_elapsed;
        m_controller->SaveCurrentTime(m_elapsed);
    }
    ShowProgress(Estimate(m_elapsed));
    if (m_ads.empty() && m_browser)
        m_browser->ShowWindow(SW_HIDE);
}

void CInstallBgDlg::CreateChildren()
{
    m_browser = CreateModeless<CWebBroswerDlg>(this);
    if (m_browser) {
        const InstallLayout::Box box = InstallLayout::kBrowser;
        m_browser->MoveWindow(box.left, box.top, box.Width(), box.Height());
    } else {
        LogError(m_log, L"[OnDeferredInit] browser not created");
    }
    m_ads = m_controller ? AdCatalog(*m_controller, m_programFolder).GetAdPathList(L"Installing") : std::vector<AdEntry>{};
    std::vector<int> times;
    for (const AdEntry& ad : m_ads)
        times.push_back(ad.DisplayTime);
    m_rotation = AdRotation(std::move(times));
    ShowNextAd();
    m_installing.reset(new CInstallingDlg());
    m_installing->SetQuestionClosedHandler([] { ::SetTimer(nullptr, 0, 0, &CInstallBgDlg::SweepRetired); });
    if (!m_installing->Create(this)) {
        LogError(m_log, L"[OnDeferredInit] installing dialog not created");
        m_installing.reset();
        return;
    }
    m_installing->MoveWindow(ScreenRect(0, m_stripOffset, InstallLayout::kViewWidth, InstallLayout::kViewHeight));
}

void CInstallBgDlg::ShowNextAd()
{
    KillTimer(kAdTimer);
    if (m_rotation.Empty())
        return;
    const AdRotation::Step step = m_rotation.Next();
    if (m_browser)
        m_browser->Navigate(m_ads[step.shown].ImagePath);
    if (step.rearm)
        SetTimer(kAdTimer, static_cast<UINT>(step.periodMs));
}

bool CInstallBgDlg::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kClockStartTimer:
        KillTimer(kClockStartTimer);
        SetTimer(kClockTimer, kClockMs);
        return true;
    case kClockTimer:
        Tick();
        return true;
    case kAdTimer:
        ShowNextAd();
        return true;
    default:
        return false;
    }
}

void CInstallBgDlg::Tick()
{
    const InstallEstimate::Result result = Estimate(m_elapsed + 1);
    m_elapsed = result.elapsed;
    if (m_controller)
        m_controller->ElapsedSeconds = m_elapsed;
    ShowProgress(result);
    ::PostMessageW(GetParent(), MSG_INSTALL_TICK, 0, 0);
    if (result.Finished()) {
        KillTimer(kClockTimer);
        PostMessage(MSG_INSTALLDLG_CLOSE);
    }
}

InstallEstimate::Result CInstallBgDlg::Estimate(int elapsed) const
{
    std::vector<InstallEstimate::Item> items;
    if (m_controller) {
        for (const auto& sw : m_controller->Items.Items()) {
            const SetupItem& item = sw->Item();
            if (item.TabIndex != m_controller->CurrentTab || !item.Selected)
                continue;
            InstallEstimate::Item estimate;
            estimate.known = m_controller->GetHalfTimeoutValue(item, estimate.seconds);
            estimate.done = item.Doned != 0;
            items.push_back(estimate);
        }
    }
    return InstallEstimate::Compute(items, elapsed);
}

void CInstallBgDlg::ShowProgress(const InstallEstimate::Result& result)
{
    m_percent = result.percent;
    if (!m_installing)
        return;
    m_installing->SetProgress(result.Minutes(), result.Percent());
    m_installing->UpdateTexts();
    // The bar agrees with the text from the start (a continued run does not start at 0).
    if (CProgressClipDlg* bar = m_installing->ProgressBar()) {
        bar->SetPercent(result.Percent());
        ::RedrawWindow(bar->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

RECT CInstallBgDlg::ScreenRect(int left, int top, int right, int bottom) const
{
    RECT rect{left, top, right, bottom};
    ClientToScreen(&rect);
    return rect;
}

bool CInstallBgDlg::VerifyPlacement()
{
    bool placed = true;
    RECT rect{};
    const InstallLayout::Box box = InstallLayout::kBrowser;
    if (m_browser && m_browser->GetWindowRect(&rect) &&
        !SameRect(rect, ScreenRect(box.left, box.top, box.right, box.bottom))) {
        m_browser->MoveWindow(box.left, box.top, box.Width(), box.Height());
        placed = false;
    }
    const RECT strip = ScreenRect(0, m_stripOffset, InstallLayout::kViewWidth, InstallLayout::kViewHeight);
    if (m_installing && m_installing->GetWindowRect(&rect) && !SameRect(rect, strip)) {
        m_installing->MoveWindow(strip);
        placed = false;
    }
    return placed;
}

void CInstallBgDlg::Reposition(bool resolutionChanged)
{
    if (m_installing)
        m_installing->MoveWindow(ScreenRect(0, m_stripOffset, InstallLayout::kViewWidth, InstallLayout::kViewHeight));
    const InstallLayout::Box box = InstallLayout::kBrowser;
    if (resolutionChanged && m_browser)
        m_browser->MoveWindow(box.left, box.top, box.Width(), box.Height());
}

bool CInstallBgDlg::OnMove(POINT)
{
    Reposition(false);
    return false;
}

void CInstallBgDlg::Stop()
{
    m_keeper.Stop();
    KillTimer(kClockTimer);
    KillTimer(kClockStartTimer);
    KillTimer(kAdTimer);
    if (m_installing && m_installing->m_hWnd) {
        m_installing->EndQuestion();
        m_installing->PostMessage(WM_CLOSE);
    }
    if (m_browser && m_browser->m_hWnd)
        m_browser->PostMessage(WM_CLOSE);
}

bool CInstallBgDlg::Busy() const
{
    return m_installing && m_installing->QuestionOpen();
}

void CInstallBgDlg::Retire(WindowPtr<CInstallBgDlg> view)
{
    if (!view || !view->Busy())
        return;
    view->m_retired = true;
    view->Stop();
    if (view->m_hWnd)
        view->ShowWindow(SW_HIDE);
    RetiredViews().push_back(std::move(view));
}

void CALLBACK CInstallBgDlg::SweepRetired(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    auto& views = RetiredViews();
    for (auto it = views.begin(); it != views.end();)
        it = (*it)->Busy() ? it + 1 : views.erase(it);
}

bool CInstallBgDlg::OnDestroy()
{
    m_keeper.Stop();
    KillTimer(kClockTimer);
    KillTimer(kClockStartTimer);
    KillTimer(kAdTimer);
    m_installing.reset();
    m_browser.reset();
    return false;
}
