#include "ui/CDezozi2Dlg.h"

#include <shellapi.h>

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "log/CInfoTracker.h"
#include "probes/CMonitor.h"
#include "probes/ExeFolder.h"
#include "probes/MinimumResolution.h"
#include "resource.h"
#include "services/FileExists.h"
#include "ui/AppContext.h"
#include "ui/CGoogleEulaDlg.h"
#include "ui/CHighlightDlg.h"
#include "ui/CInstallBgDlg.h"
#include "ui/LinkOpener.h"
#include "ui/CLoadingDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CPopupDlg.h"
#include "ui/CPopupListDlg.h"
#include "ui/CManualDocDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/CSingleListDlg.h"
#include "ui/OfferTabDlg.h"
#include "ui/PictureMaskDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/main/TermsOfUseStep.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr COLORREF kColorKey = RGB(255, 0, 255);
constexpr wchar_t kSection[] = L"MAINDLG";
// The vendor's support page, opened by the contact button.
constexpr wchar_t kContactAddress[] = L"https://www.dezozi.com/support/contact";

constexpr std::array<int, MainLayout::kTabCount> kTabIds{IDC_MAIN_TAB1, IDC_MAIN_TAB2, IDC_MAIN_TAB3, IDC_MAIN_TAB4,
                                                         IDC_MAIN_TAB5};
constexpr std::array<const wchar_t*, MainLayout::kTabCount> kTabKeys{L"Driver", L"Utilities", L"Manual", L"Special",
                                                                     L"Tool"};
// Image stems in tab-index order (Special is the fourth picture set).
constexpr std::array<const wchar_t*, MainLayout::kTabCount> kTabStems{L"main_tabBtn1", L"main_tabBtn2",
                                                                      L"main_tabBtn3", L"main_tabBtn4",
                                                                      L"main_tabBtn5"};

RECT ToRect(const MainLayout::Box& box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

HICON IconFromImage(const std::wstring& path)
{
    CBitmap colour(LoadPngBitmap(path));
    if (!colour)
        return nullptr;
    SIZE size = colour.Size();
    CBitmap mask(::CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask, colour};
    return ::CreateIconIndirect(&info);
}

} // namespace

CDezozi2Dlg::CDezozi2Dlg(CWnd* parent)
    : CDialogEx(IDD_DEZOZI2_DIALOG, parent)
    , m_controller(AppContext::Controller())
    , m_log(CInfoTracker::Instance().GetLogger(L"CDezozi2Dlg"))
{
    for (auto& tab : m_tabs)
        tab = std::make_unique<CxSkinButton>(this);
}

CDezozi2Dlg::~CDezozi2Dlg()
{
    // The start-up thread must be gone before what it works on.
    m_startup.reset();
    if (m_bigIcon)
        ::DestroyIcon(m_bigIcon);
    if (m_smallIcon)
        ::DestroyIcon(m_smallIcon);
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

RECT CDezozi2Dlg::CentredRect(int screenWidth, int screenHeight)
{
    MainLayout::Point origin = MainLayout::CentredOrigin(screenWidth, screenHeight);
    return RECT{origin.x, origin.y, origin.x + kWidth, origin.y + kHeight};
}

bool CDezozi2Dlg::ToolEnabled() const
{
    return m_controller && m_controller->Tool != 0;
}

RECT CDezozi2Dlg::ScreenRect(const MainLayout::Box& box) const
{
    RECT rect = ToRect(box);
    ClientToScreen(&rect);
    return rect;
}

void CDezozi2Dlg::DoDataExchange()
{
    for (int tab : {MainLayout::kDriver, MainLayout::kUtilities, MainLayout::kManual, MainLayout::kSpecial,
                    MainLayout::kTool})
        TabButton(tab).SubclassDlgItem(kTabIds[static_cast<size_t>(tab)], this);
    m_close.SubclassDlgItem(IDCANCEL, this);
    m_minimize.SubclassDlgItem(IDC_MAIN_MINIMIZE, this);
    m_contact.SubclassDlgItem(IDC_MAIN_CONTACT, this);
    m_fileList.SubclassDlgItem(IDC_MAIN_FILELIST, this);
    m_video.SubclassDlgItem(IDC_MAIN_VIDEO, this);
}

BOOL CDezozi2Dlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (m_controller)
        m_controller->MainWnd = m_hWnd;
    LogDebug(m_log, L"[OnInitDialog] Enter");
    // A resume task runs once: whatever the mode, this start removes it.
    if (m_controller)
        m_controller->DeleteResumeTaskMeanwhile();
    MakeBorderless();
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    SetWindowIcons();
    if (!m_slideTimerRunning)
        m_slideTimerRunning = SetTimer(kSlideTimer, 10) != 0;
    LayeredWindow::SetColorKey(m_hWnd, kColorKey);
    BindLanguage(ExeFolder() + L"LangFiles");
    LoadImages();
    BuildControls();
    EnableMainButtons(false);
    if (m_controller && m_controller->TermsOfUse != 0)
        ShowTermsOfUse();
    for (int attempt = 0; attempt < 3 && !VerifyMainPlacement(); ++attempt)
        ::OutputDebugStringW(L"========Reload UI Dialog========\n");
    if (m_controller)
        m_session = std::make_unique<InstallSession>(*m_controller, *this, m_log);
    // Drags during loading move the pop-ups from here.
    RECT placed{};
    GetWindowRect(&placed);
    m_lastPosition = POINT{placed.left, placed.top};
    StartStartupWorker();
    int width = 0;
    int height = 0;
    const bool read = CMonitor::Primary().resolution(width, height);
    m_resolutionWatch.Start(read, width, height);
    SetTimer(kResolutionTimer, 100);
    return TRUE;
}

void CDezozi2Dlg::SetWindowIcons()
{
    StyleSheet* style = AppContext::Style();
    if (!style)
        return;
    m_bigIcon = IconFromImage(style->LayoutFolder() + L"ovra_icon_b.ico");
    if (m_bigIcon)
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
    m_smallIcon = IconFromImage(style->LayoutFolder() + L"ovra_icon_s.ico");
    if (m_smallIcon)
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
}

void CDezozi2Dlg::LoadImages()
{
    StyleSheet* style = AppContext::Style();
    std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    m_background.Reset(LoadPngBitmap(folder + L"install_bg.png"));
    m_logo.Reset(LoadPngBitmap(folder + L"logo.png"));
    if (FileExists(folder + L"install_single_bg.png"))
        m_buttonBackground.Reset(LoadPngBitmap(folder + L"install_single_bg.png"));
}

void CDezozi2Dlg::BuildControls()
{
    RECT centred = CentredRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (!SetWindowPos(nullptr, centred.left, centred.top, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE))
        LogError(m_log, L"[OnInitDialog] SetWindowPos failed: %u", ::GetLastError());
    StyleSheet* style = AppContext::Style();
    if (style)
        m_tabFont.Reset(MakeFont(style->GetInt(kSection, L"Btn_tab_text_Font_Size")));
    BuildTabButtons();
    SkinSmallButton(m_close, MainLayout::kClose, L"close", nullptr);
    SkinSmallButton(m_minimize, MainLayout::kMinimize, L"minimize", nullptr);
    SkinSmallButton(m_contact, MainLayout::kContact, L"contact", L"Contact");
    SkinSmallButton(m_fileList, MainLayout::kFileList, L"readme", L"Browse the file list of the support CD");
    SkinSmallButton(m_video, MainLayout::kVideo, L"video", L"Video");
    m_video.ShowWindow(SW_HIDE);
    PlaceTitle();
    CreatePopups();
}

void CDezozi2Dlg::BuildTabButtons()
{
    for (int tab : {MainLayout::kDriver, MainLayout::kUtilities, MainLayout::kManual, MainLayout::kTool,
                    MainLayout::kSpecial}) {
        CxSkinButton& button = TabButton(tab);
        if (!button.m_hWnd)
            continue;
        button.MoveWindow(ToRect(MainLayout::TabButton(tab, ToolEnabled())));
        SkinTab(tab, false);
        button.SetWindowText(Translate(m_controller ? m_controller->GetTabName(kTabKeys[static_cast<size_t>(tab)])
                                                    : std::wstring(kTabKeys[static_cast<size_t>(tab)])));
        if (tab == MainLayout::kTool && !ToolEnabled())
            button.ShowWindow(SW_HIDE);
    }
}

void CDezozi2Dlg::SkinTab(int tab, bool selected)
{
    StyleSheet* style = AppContext::Style();
    CxSkinButton& button = TabButton(tab);
    if (!style || !button.m_hWnd)
        return;
    std::wstring stem = kTabStems[static_cast<size_t>(tab)];
    if (selected) {
        std::wstring pressed = stem + L"_s.png";
        button.SetSkin(pressed, pressed, pressed, pressed, style->LayoutFolder());
        COLORREF select = style->GetColor(kSection, L"Btn_tab_text_Color_Select");
        button.SetTextColors(select, select, select, select);
    } else {
        button.SetSkin(stem + L"_n.png", stem + L"_s.png", stem + L"_f.png", stem + L"_d.png", style->LayoutFolder());
        button.SetTextColors(style->GetColor(kSection, L"Btn_tab_text_Color_Normal"),
                             style->GetColor(kSection, L"Btn_tab_text_Color_Select"),
                             style->GetColor(kSection, L"Btn_tab_text_Color_Focus"),
                             style->GetColor(kSection, L"Btn_tab_text_Color_Disable"));
    }
    LOGFONTW font{};
    if (CFont::GetLogFont(m_tabFont, &font))
        button.SetTextFont(font);
    button.Invalidate(FALSE);
}

void CDezozi2Dlg::SkinSmallButton(CxSkinButton& button, const MainLayout::Box& box, const wchar_t* stem,
                                  const wchar_t* toolTip)
{
    StyleSheet* style = AppContext::Style();
    if (!button.m_hWnd)
        return;
    button.MoveWindow(ToRect(box));
    std::wstring name = stem;
    if (style)
        button.SetSkin(name + L"_n.png", name + L"_s.png", name + L"_f.png", name + L"_d.png", style->LayoutFolder());
    if (m_buttonBackground)
        button.SetBackgroundPiece(CropBitmap(m_buttonBackground, box.left, box.top, box.Width(), box.Height()));
    if (toolTip)
        button.SetToolTipText(Translate(toolTip));
}

void CDezozi2Dlg::PlaceTitle()
{
    HWND title = GetDlgItem(IDC_MAIN_TITLE);
    if (!title)
        return;
    MainLayout::Box box = MainLayout::TitleText(m_logo ? m_logo.Size().cx : 0);
    ::MoveWindow(title, box.left, box.top, box.Width(), box.Height(), TRUE);
    ::SetWindowTextW(title, Translate(m_controller ? m_controller->CdTitle : std::wstring()).c_str());
    StyleSheet* style = AppContext::Style();
    if (style && !m_titleFont)
        m_titleFont.Reset(MakeFont(style->GetInt(kSection, L"Title_text_Font_Size")));
}

HBRUSH CDezozi2Dlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    if (type != CTLCOLOR_STATIC || child != GetDlgItem(IDC_MAIN_TITLE))
        return CDialogEx::OnCtlColor(dc, child, type);
    StyleSheet* style = AppContext::Style();
    if (m_titleFont)
        ::SelectObject(dc, m_titleFont);
    if (style)
        ::SetTextColor(dc, style->GetColor(kSection, L"Title_text_Color"));
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

void CDezozi2Dlg::CreatePopups()
{
    if (!m_dlgLoading)
        m_dlgLoading = CreateModeless<CLoadingDlg>(this);
    if (!m_dlgMainHighlight) {
        m_dlgMainHighlight.reset(new CHighlightDlg());
        if (m_dlgMainHighlight->Create(this)) {
            if (StyleSheet* style = AppContext::Style())
                m_dlgMainHighlight->SetBackgroundColor(style->GetColor(kSection, L"Highlight_Color"));
            m_highlightTarget = HighlightRectFor(MainLayout::kSpecial);
            m_dlgMainHighlight->MoveWindow(m_highlightTarget);
        } else {
            m_dlgMainHighlight.reset();
        }
    }
    if (!m_dlgSpecialMask)
        m_dlgSpecialMask = CreateModeless<CSpecialMaskDlg>(this);
    LayoutChildren();
    if (!m_dlgShadow)
        m_dlgShadow = CreateModeless<CShadowDlg>(this);
    LayoutChildren();
    if (m_dlgShadow)
        m_dlgShadow->PostMessage(WM_PAINT);
}

RECT CDezozi2Dlg::HighlightRectFor(int tab) const
{
    RECT window{};
    GetWindowRect(&window);
    RECT button{};
    HWND handle = m_tabs[static_cast<size_t>(tab)]->m_hWnd;
    if (handle)
        ::GetWindowRect(handle, &button);
    return ToRect(MainLayout::HighlightBar(window.left, button.top, button.bottom));
}

void CDezozi2Dlg::EnableMainButtons(bool on, bool keepCloseDisabled)
{
    for (CxSkinButton* button : {&m_contact, &m_fileList, &m_video})
        button->EnableWindow(on);
    // Unattended runs cannot be closed or minimised by hand.
    for (CxSkinButton* button : {&m_close, &m_minimize})
        button->EnableWindow(on && !keepCloseDisabled);
    // Tabs last: once they are all enabled, so is everything else.
    for (auto& tab : m_tabs)
        tab->EnableWindow(on);
}

void CDezozi2Dlg::StartStartupWorker()
{
    StartupWorker::Windows windows;
    windows.main = m_hWnd;
    windows.loading = m_dlgLoading ? m_dlgLoading->m_hWnd : nullptr;
    windows.shadow = m_dlgShadow ? m_dlgShadow->m_hWnd : nullptr;
    for (int tab = 0; tab < MainLayout::kTabCount; ++tab)
        windows.tabs[static_cast<size_t>(tab)] = m_tabs[static_cast<size_t>(tab)]->m_hWnd;
    m_startup = std::make_unique<StartupWorker>(m_controller, windows, &m_mayShow);
    m_startup->Start();
}

void CDezozi2Dlg::OnDeferredInit()
{
    LogDebug(m_log, L"[OnDeferredInit] Enter");
    if (HWND loader = ::FindWindowW(L"Dezozi2Load", nullptr)) {
        ::ShowWindow(loader, SW_HIDE);
        ::PostMessageW(loader, WM_CLOSE, 0, 0);
    }
    if (m_controller)
        m_controller->InstallState = -1;
    const StartupWorker::Outcome outcome = m_startup ? m_startup->Result() : StartupWorker::Outcome{};
    if (m_dlgMainHighlight)
        m_dlgMainHighlight->ShowWindow(SW_SHOWNA);
    if (m_dlgLoading)
        m_dlgLoading->ShowWindow(SW_HIDE);
    // The title first and the recovery exception in the same step: the
    // enabled buttons tell the user (and a watching script) it is ready.
    PlaceTitle();
    const uint32_t mode = m_controller ? m_controller->RunMode.load() : 0;
    EnableMainButtons(true, (mode & MODE_RECOVERY) != 0);
    if (!outcome.catalogueRead && Unattended() && m_session) {
        LogError(m_log, L"[OnDeferredInit] The setup catalogue could not be read: nothing is installed");
        m_session->OnNotStarted(L"catalogue");
        return;
    }
    SetTimer(kFollowTimer, 100);
    MainLayout::FirstTab first = MainLayout::ChooseFirstTab(mode, outcome.hasSpecialAds, outcome.hasItems);
    SelectTab(first.tab);
    if (first.autoStart && (mode & MODE_CONTD))
        PostMessage(MSG_START_INSTALL, 0);
    else if (first.autoStart && m_lists.Upper())
        m_lists.Upper()->PressInstall();
    if (mode & MODE_FINISH)
        ShowPopupMessage(Translate(L"The installation is complete."), 0);
    ApplyMinimumResolution();
}

void CDezozi2Dlg::ApplyMinimumResolution()
{
    const bool recovery = m_controller && (m_controller->RunMode & MODE_RECOVERY) != 0;
    if (MinimumResolution(m_log).Apply(recovery) == MinimumResolutionRule::Action::Message)
        ShowPopupMessage(Translate(MinimumResolution::kMessage), 0);
}

void CDezozi2Dlg::SelectTab(int tab)
{
    if (tab < 0 || tab >= MainLayout::kTabCount)
        return;
    m_highlightTarget = HighlightRectFor(tab);
    m_highlightSliding = true;
    if (!m_slideTimerRunning)
        m_slideTimerRunning = SetTimer(kSlideTimer, 10) != 0;
    // The others already wear their normal look: only the last one
    // selected needs it back.
    if (m_selectedTab >= 0 && m_selectedTab != tab)
        SkinTab(m_selectedTab, false);
    SkinTab(tab, true);
    m_selectedTab = tab;
    if (m_controller)
        m_controller->CurrentTab = tab;
    OpenSubDialog(tab + 1);
}

void CDezozi2Dlg::OpenSubDialog(int type)
{
    LogDebug(m_log, L"[OpenSubDialog] Enter");
    m_subDialogType = type;
    m_lists.Close();
    m_listMode = -1;
    if (m_manualView) {
        m_manualView->ShowWindow(SW_HIDE);
        m_manualView.reset();
    }
    if ((type == 1 || type == 2) && m_controller) {
        m_listMode = m_controller->GetListMode();
        m_lists.Open(this, m_listMode);
        LogInfo(m_log, L"[OpenSubDialog] list mode %d, lists %d", m_listMode,
                (m_lists.Upper() ? 1 : 0) + (m_lists.Lower() ? 1 : 0));
    }
    if (type == 3 || type == 5) {
        m_manualView.reset(new CManualDocDlg());
        m_manualView->SetTool(type == 5);
        if (!m_manualView->Create(this))
            m_manualView.reset();
    }
    if (m_specialView) {
        KillTimer(kRevealSpecialTimer);
        m_specialView->ShowWindow(SW_HIDE);
        m_specialView.reset();
    }
    if (type == 4) {
        m_specialView.reset(new CSpecialDlg());
        if (m_specialView->Create(this))
            SetTimer(kRevealSpecialTimer, kRevealSpecialMs);
        else {
            LogError(m_log, L"[OpenSubDialog] The special view was not created");
            m_specialView.reset();
        }
    }
    if (type >= 1 && type <= 5 && m_dlgSpecialMask)
        m_dlgSpecialMask->ShowWindow(type == 4 ? SW_SHOWNA : SW_HIDE);
    LayoutChildren();
    if (m_manualView) {
        m_manualView->PlaceScrollComponent();
        m_manualView->ShowWindow(SW_SHOW);
    }
    LogDebug(m_log, L"[OpenSubDialog] End");
}

void CDezozi2Dlg::LayoutChildren()
{
    m_lists.Layout(m_listMode);
    if (m_manualView) {
        const MainLayout::Box& area = MainLayout::kContentArea;
        m_manualView->MoveWindow(area.left, area.top, area.Width(), area.Height());
    }
    if (m_dlgLoading)
        m_dlgLoading->MoveWindow(ScreenRect(MainLayout::kLoading));
    if (m_dlgShadow)
        m_dlgShadow->MoveWindow(ScreenRect(MainLayout::Box{0, 0, kWidth, kHeight}));
    if (m_dlgSpecialMask)
        m_dlgSpecialMask->MoveWindow(ScreenRect(MainLayout::kSpecialMask));
    if (m_specialView)
        m_specialView->MoveWindow(MainLayout::kContentArea.left, MainLayout::kContentArea.top,
                                  MainLayout::kContentArea.Width(), MainLayout::kContentArea.Height(), TRUE);
}

bool CDezozi2Dlg::VerifyMainPlacement()
{
    RECT window{};
    GetWindowRect(&window);
    RECT centred = CentredRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (!SameRect(window, centred)) {
        MoveWindow(centred);
        return false;
    }
    RECT rect{};
    if (m_dlgLoading && m_dlgLoading->GetWindowRect(&rect) && !SameRect(rect, ScreenRect(MainLayout::kLoading))) {
        LayoutChildren();
        return false;
    }
    if (m_dlgShadow && m_dlgShadow->GetWindowRect(&rect) && !SameRect(rect, window)) {
        m_dlgShadow->MoveWindow(window);
        return false;
    }
    return true;
}

bool CDezozi2Dlg::VerifyInstallPlacement()
{
    bool placed = true;
    RECT rect{};
    if (InstallMask && InstallMask->GetWindowRect(&rect) && !SameRect(rect, ScreenRect(MainLayout::kInstallMask))) {
        InstallMask->MoveWindow(ScreenRect(MainLayout::kInstallMask));
        placed = false;
    }
    const RECT background = ScreenRect(MainLayout::kInstallBackground);
    if (m_dlgInstallBg && m_dlgInstallBg->GetWindowRect(&rect) && !SameRect(rect, background)) {
        m_dlgInstallBg->MoveWindow(background);
        placed = false;
    }
    return placed;
}

void CDezozi2Dlg::FollowMainWindow()
{
    RECT window{};
    GetWindowRect(&window);
    if (window.right - window.left != kWidth && window.bottom - window.top != kHeight)
        MoveWindow(CentredRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    GetWindowRect(&window);
    m_lastPosition = POINT{window.left, window.top};
    RECT rect{};
    RECT wanted = ScreenRect(MainLayout::kSpecialMask);
    if (m_dlgSpecialMask && m_dlgSpecialMask->GetWindowRect(&rect) && (rect.left != wanted.left || rect.top != wanted.top)) {
        ::OutputDebugStringW(L"m_dlgSpecialMask: Position change\n");
        m_dlgSpecialMask->MoveWindow(wanted);
        if (m_specialView)
            m_specialView->PlaceOfferPopups();
    }
    if (m_dlgShadow && m_dlgShadow->GetWindowRect(&rect) && (rect.left != window.left || rect.top != window.top)) {
        ::OutputDebugStringW(L"m_dlgShadow: Position change\n");
        m_dlgShadow->MoveWindow(window);
    }
    const int tab = m_controller ? m_controller->CurrentTab.load() : -1;
    if (!m_highlightSliding && m_dlgMainHighlight && tab >= 0 && tab < MainLayout::kTabCount) {
        RECT bar = HighlightRectFor(tab);
        if (m_dlgMainHighlight->GetWindowRect(&rect) && (rect.left != bar.left || rect.top != bar.top)) {
            ::OutputDebugStringW(L"m_dlgMainHighlight: Position change\n");
            m_dlgMainHighlight->MoveWindow(bar);
        }
    }
    wanted = ScreenRect(MainLayout::kLoading);
    if (m_dlgLoading && m_dlgLoading->GetWindowRect(&rect) && (rect.left != wanted.left || rect.top != wanted.top)) {
        ::OutputDebugStringW(L"m_dlgLoading: Position change\n");
        m_dlgLoading->MoveWindow(wanted);
    }
    VerifyInstallPlacement();
}

void CDezozi2Dlg::SlideHighlight()
{
    if (!m_dlgMainHighlight)
        return;
    RECT bar{};
    m_dlgMainHighlight->GetWindowRect(&bar);
    int top = MainLayout::SlideStep(bar.top, m_highlightTarget.top);
    if (top != bar.top)
        m_dlgMainHighlight->SetWindowPos(nullptr, m_highlightTarget.left, top, 0, 0,
                                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Arrived: the window may be dragged from now on, not one tick later.
    if (top == m_highlightTarget.top || top == bar.top) {
        m_highlightSliding = false;
        KillTimer(kSlideTimer);
        m_slideTimerRunning = false;
    }
}

bool CDezozi2Dlg::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kSlideTimer:
        SlideHighlight();
        return true;
    case kFollowTimer:
        FollowMainWindow();
        return true;
    case kResolutionTimer:
        WatchResolution();
        return true;
    case kRevealSpecialTimer:
        KillTimer(kRevealSpecialTimer);
        if (m_specialView)
            m_specialView->Reveal();
        return true;
    default:
        return false;
    }
}

void CDezozi2Dlg::WatchResolution()
{
    std::string report;
    // The screen's size, not the maximised size: that one is the work area,
    // which a moved or resized task bar changes without a new resolution.
    if (m_resolutionWatch.Observe(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), report)) {
        ::OutputDebugStringA(report.c_str());
        RelayoutForResolution();
    }
}

void CDezozi2Dlg::RelayoutForResolution()
{
    // Centred on the new screen: a window placed for the old one would stay
    // in its corner (or off a smaller screen).
    RECT window = CentredRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(nullptr, window.left, window.top, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(&window);
    m_lastPosition = POINT{window.left, window.top};
    LayoutChildren();
    // Where the follow timer wants it too, so the two never fight.
    if (InstallMask)
        InstallMask->MoveWindow(ScreenRect(MainLayout::kInstallMask));
    PlaceViewPopups();
    const int tab = m_controller ? m_controller->CurrentTab.load() : -1;
    if (m_dlgMainHighlight && tab >= 0 && tab < MainLayout::kTabCount) {
        m_highlightTarget = HighlightRectFor(tab);
        m_dlgMainHighlight->MoveWindow(m_highlightTarget);
    }
}

void CDezozi2Dlg::PlaceViewPopups()
{
    // Each open view re-places its own pop-ups.
    for (CSingleListDlg* list : {m_lists.Upper(), m_lists.Lower()}) {
        if (list)
            list->PlaceScrollHost();
    }
    if (m_manualView)
        m_manualView->PlacePopupsAfterResolution();
    if (m_dlgInstallBg)
        m_dlgInstallBg->Reposition(true);
    if (m_specialView)
        m_specialView->PlaceOfferPopups();
}

void CDezozi2Dlg::MovePopupsBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    CWnd* popups[] = {m_dlgMainHighlight.get(), InstallMask.get(), m_dlgInstallBg.get(), m_dlgLoading.get(),
                      m_dlgSpecialMask.get(), m_dlgShadow.get()};
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(std::size(popups)));
    for (CWnd* popup : popups) {
        RECT rect{};
        if (!popup || !popup->m_hWnd || !popup->GetWindowRect(&rect))
            continue;
        if (batch)
            batch = ::DeferWindowPos(batch, popup->m_hWnd, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            popup->SetWindowPos(nullptr, rect.left + dx, rect.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch)
        ::EndDeferWindowPos(batch);
    m_lists.MovePopupsBy(dx, dy);
    if (m_manualView)
        m_manualView->PostMessage(MSG_MOVE_POPUPS, 0, MakeMoveDelta(dx, dy));
    if (m_specialView)
        m_specialView->PostMessage(MSG_MOVE_POPUPS, 0, MakeMoveDelta(dx, dy));
}

bool CDezozi2Dlg::OnMoving(RECT* proposed)
{
    if (!proposed)
        return false;
    RECT window{};
    GetWindowRect(&window);
    // Also a proposed top above the screen: a drag whose last step goes there
    // would otherwise leave the window above the edge.
    if (window.top < 0 || proposed->top < 0) {
        int height = proposed->bottom - proposed->top;
        proposed->top = 0;
        proposed->bottom = height;
        SetWindowPos(nullptr, proposed->left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int dx = proposed->left - m_lastPosition.x;
    const int dy = proposed->top - m_lastPosition.y;
    MovePopupsBy(dx, dy);
    m_lastPosition = POINT{proposed->left, proposed->top};
    return false;
}

bool CDezozi2Dlg::OnMouseMove(UINT, POINT)
{
    // The views' hover pop-ups go once the pointer is off them.
    if (m_installing)
        return false;
    m_lists.HideHoverPopups();
    if (m_manualView)
        m_manualView->HideHoverPopups();
    return false;
}

bool CDezozi2Dlg::OnLButtonDown(UINT, POINT pt)
{
    if (pt.y > MainLayout::kDragBandHeight || m_highlightSliding)
        return false;
    // As if the caption had been pressed: the system runs the drag.
    ::ReleaseCapture();
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return true;
}

bool CDezozi2Dlg::OnPaint()
{
    if (::IsIconic(m_hWnd))
        return false;
    CPaintDC dc(m_hWnd);
    SIZE size = m_background ? m_background.Size() : ClientSize();
    CMemDC canvas(dc, size);
    if (!m_background)
        canvas.FillSolidRect(RECT{0, 0, size.cx, size.cy}, kColorKey);
    canvas.Draw(m_background, 0, 0);
    StyleSheet* style = AppContext::Style();
    CContourBitmap logo(m_logo.Get());
    logo.Draw(canvas, 17, style ? style->GetInt(kSection, L"Logo_Top_Offset") : 0);
    logo.Detach();
    return true;
}

bool CDezozi2Dlg::Unattended() const
{
    return m_controller && (m_controller->RunMode & MODE_RECOVERY) != 0;
}

int CDezozi2Dlg::ShowPopupMessage(const std::wstring& text, int type)
{
    // Nobody is there to answer: the message goes to the log, and the run
    // goes on as after its first button.
    if (Unattended()) {
        LogError(m_log, L"[ShowPopupMessage] %s", text.c_str());
        return 1;
    }
    WindowPtr<CMaskDlg> mask(new CMaskDlg());
    mask->SetOpacity(1);
    if (mask->Create(this)) {
        mask->MoveWindow(ScreenRect(MainLayout::kMessageMask));
        mask->ShowWindow(SW_SHOWNA);
    }
    CPopupDlg popup(this);
    popup.m_message = text;
    popup.m_type = type;
    CPopupDlg* outer = m_openMessage;
    m_openMessage = &popup;
    INT_PTR answer = popup.DoModal();
    m_openMessage = outer;
    mask->PostMessage(WM_CLOSE);
    return answer == 1 || answer == 2 ? static_cast<int>(answer) : 0;
}

void CDezozi2Dlg::OpenInstallingView()
{
    // A new chain each time: the last view's windows are gone.
    m_zOrderKeeper.Clear();
    InstallMask.reset(new CMaskDlg());
    InstallMask->SetOpacity(55);
    if (InstallMask->Create(this)) {
        InstallMask->MoveWindow(ScreenRect(MainLayout::kInstallMask));
    } else {
        // Undimmed rather than no view: without it the run never ends visibly.
        LogError(m_log, L"[OpenInstallingView] The mask was not created (%u): the view opens without it",
                 ::GetLastError());
        InstallMask.reset();
    }
    CInstallBgDlg::Retire(std::move(m_dlgInstallBg));
    m_dlgInstallBg = CreateModeless<CInstallBgDlg>(this);
    if (m_dlgInstallBg)
        m_dlgInstallBg->MoveWindow(ScreenRect(MainLayout::kInstallBackground));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (VerifyInstallPlacement()) {
            if (InstallMask)
                InstallMask->ShowWindow(SW_SHOWNA);
            if (m_dlgInstallBg)
                m_dlgInstallBg->ShowWindow(SW_SHOWNA);
            break;
        }
        ::OutputDebugStringW(L"========Reload Installbg Dialog========\n");
    }
    // Bottom to top (the list itself is a child: stacked with this window).
    CWnd* chain[] = {m_dlgMainHighlight.get(), m_lists.Upper() ? m_lists.Upper()->Highlight() : nullptr,
                     InstallMask.get(), m_dlgInstallBg.get()};
    for (CWnd* window : chain) {
        if (window && window->m_hWnd)
            m_zOrderKeeper.Add(window->m_hWnd);
    }
    m_zOrderKeeper.Start();
}

void CDezozi2Dlg::CloseInstallingView()
{
    m_zOrderKeeper.Stop();
    if (InstallMask)
        InstallMask->PostMessage(WM_CLOSE);
    InstallMask.reset();
    if (m_dlgInstallBg) {
        m_dlgInstallBg->Stop();
        m_dlgInstallBg->PostMessage(WM_CLOSE);
    }
    CInstallBgDlg::Retire(std::move(m_dlgInstallBg));
}

BOOL CDezozi2Dlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialogEx::OnCommand(wParam, lParam);
    const int id = LOWORD(wParam);
    for (int tab = 0; tab < MainLayout::kTabCount; ++tab) {
        if (id == kTabIds[static_cast<size_t>(tab)]) {
            SelectTab(tab);
            return TRUE;
        }
    }
    switch (id) {
    case IDC_MAIN_MINIMIZE:
        ShowWindow(SW_MINIMIZE);
        return TRUE;
    case IDC_MAIN_CONTACT:
        OpenAddress(kContactAddress);
        return TRUE;
    case IDC_MAIN_FILELIST:
        OpenAddress(m_controller ? m_controller->FileListPath : std::wstring());
        return TRUE;
    case IDC_MAIN_VIDEO:
        OpenVideoList();
        return TRUE;
    default:
        return CDialogEx::OnCommand(wParam, lParam);
    }
}

void CDezozi2Dlg::OpenAddress(const std::wstring& address)
{
    if (address.empty() || !LinkOpener::OpenLink(address))
        LogError(m_log, L"[OnCommand] open fail: %s", address.c_str());
}

HFONT CDezozi2Dlg::MakeFont(int height) const
{
    LOGFONTW font = SkinFont(m_hWnd, height);
    return ::CreateFontIndirectW(&font);
}

void CDezozi2Dlg::OpenVideoList()
{
    CPopupListDlg videos(this);
    videos.DoModal();
}

void CDezozi2Dlg::ShowTermsOfUse()
{
    // The terms wait for a person's answer.
    if (Unattended()) {
        LogInfo(m_log, L"[ShowTermsOfUse] Left out in a run without a person");
        return;
    }
    std::wstring text = TermsOfUseStep::Run(ExeFolder(), m_log);
    if (!text.empty())
        ShowPopupMessage(Translate(text), 0);
}

void CDezozi2Dlg::OnCancel()
{
    LogDebug(m_log, L"[OnCancel] close");
    if (m_controller && m_controller->InstallState == 0) {
        int answer = ShowPopupMessage(Translate(L"Setup program is still running, closing this window can NOT stop "
                                                L"the program. Are you sure to close the window?"),
                                      1);
        if (answer == 2)
            return;
    }
    m_closing = true;
    // Not kept waiting for a pre-check that takes long: it ends on its own.
    if (m_startup)
        m_startup->RequestStop();
    CloseInstallingView();
    CDialogEx::OnCancel();
}

void CDezozi2Dlg::OnOK()
{
    // Enter on the window itself: only Esc and the close button end it.
    LogDebug(m_log, L"[OnOK] Enter is not a close");
}

void CDezozi2Dlg::DispatchToSession(UINT msg, int value)
{
    switch (msg) {
    case MSG_START_INSTALL:
        LogInfo(m_log, L"[MSG_START_INSTALL] install requested (%d)", value);
        m_session->OnStartInstall(value);
        break;
    case MSG_INSTALL_SINGLE:
        LogInfo(m_log, L"[MSG_INSTALL_SINGLE] item %d", value);
        m_session->OnInstallSingle(value);
        break;
    case MSG_ITEM_BEGIN:
        m_session->OnItemBegin(value);
        break;
    case MSG_ITEM_END:
        m_session->OnItemEnd(value);
        break;
    case MSG_RESTART_REQUIRED:
        m_session->OnRestartRequired();
        break;
    case MSG_CHECK_INSTALLED:
        m_session->OnCheckInstalled();
        break;
    default:
        m_session->OnInstallingViewClosed();
        break;
    }
}

int CDezozi2Dlg::AskOfferConsent(int offerKind)
{
    // Only an explicit agreement lets the offers in; a dialog that could
    // not be shown counts as "Back".
    CGoogleEulaDlg consent(offerKind, this);
    return consent.DoModal() == 1 ? 1 : 2;
}

bool CDezozi2Dlg::HasUpperList() const
{
    return m_lists.Upper() != nullptr;
}

void CDezozi2Dlg::SyncUpperTicks()
{
    if (CSingleListDlg* upper = m_lists.Upper())
        upper->SyncTicksWithSelection();
}

void CDezozi2Dlg::MarkUpperPreparing()
{
    if (CSingleListDlg* upper = m_lists.Upper())
        upper->MarkPreparing();
}

void CDezozi2Dlg::MarkUpperInstalling(int itemNo)
{
    if (CSingleListDlg* upper = m_lists.Upper())
        upper->MarkInstalling(itemNo);
}

void CDezozi2Dlg::RefreshListItem(int itemNo)
{
    for (CSingleListDlg* list : {m_lists.Upper(), m_lists.Lower()}) {
        if (list)
            list->RefreshItemStatus(itemNo);
    }
}

int CDezozi2Dlg::RebuildUpperList(bool resetRunFlags)
{
    CSingleListDlg* upper = m_lists.Upper();
    if (!upper)
        return 0;
    return resetRunFlags ? upper->BuildRows() : upper->RebuildRows();
}

void CDezozi2Dlg::ShowUpperInstallButton(bool show)
{
    if (CSingleListDlg* upper = m_lists.Upper())
        upper->InstallButton().ShowWindow(show ? SW_SHOWNA : SW_HIDE);
}

void CDezozi2Dlg::HideUpperToolTip()
{
    m_lists.HideUpperTip();
}

bool CDezozi2Dlg::OnDestroy()
{
    m_closing = true;
    if (m_session)
        m_exitCode = m_session->ExitCode();
    KillTimer(kSlideTimer);
    KillTimer(kFollowTimer);
    KillTimer(kResolutionTimer);
    KillTimer(kRevealSpecialTimer);
    m_specialView.reset();
    m_startup.reset();
    m_zOrderKeeper.Clear();
    m_lists.Close();
    m_dlgMainHighlight.reset();
    m_dlgLoading.reset();
    m_dlgSpecialMask.reset();
    m_dlgShadow.reset();
    m_manualView.reset();
    InstallMask.reset();
    CInstallBgDlg::Retire(std::move(m_dlgInstallBg));
    return false;
}

LRESULT CDezozi2Dlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_WINDOWPOSCHANGING:
        // Hidden until the start-up worker allows the window to appear.
        if (!m_mayShow && lParam)
            reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
        break;
    case MSG_DEFERRED_INIT:
        // A start-up that ends while the window closes (the wait for the
        // worker dispatches messages) must not bring up the first tab or a
        // question nobody will answer.
        if (!m_closing)
            OnDeferredInit();
        return 0;
    case MSG_QUIT_APP:
        if (Unattended() && m_session)
            m_session->OnNotStarted(L"unsupported-system");
        else
            ::PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        // An Esc that reaches this window under its open message answers
        // the message, as an Esc on the message itself would.
        if (wParam == VK_ESCAPE && m_openMessage && m_openMessage->m_hWnd) {
            m_openMessage->PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return 0;
        }
        break;
    case MSG_LIST_HOVER:
        m_lists.OnListHover(static_cast<int>(wParam));
        return 0;
    case MSG_INSTALL_TICK:
        m_lists.HideUpperTip();
        if (m_session)
            m_session->OnInstallTick();
        return 0;
    case MSG_START_INSTALL:
    case MSG_INSTALL_SINGLE:
    case MSG_ITEM_BEGIN:
    case MSG_ITEM_END:
    case MSG_RESTART_REQUIRED:
    case MSG_CHECK_INSTALLED:
    case MSG_INSTALLDLG_CLOSE:
        if (m_session)
            DispatchToSession(msg, static_cast<int>(wParam));
        return 0;
    case WM_NCDESTROY:
        // Workers must not post to a handle that may be reused.
        if (m_controller && m_controller->MainWnd == m_hWnd)
            m_controller->MainWnd = nullptr;
        break;
    default:
        break;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}
