#include "ui/OfferTabDlg.h"

#include <windows.h>

#include "config/AdCatalog.h"
#include "config/CController.h"
#include "resource.h"
#include "services/ProgramLaunch.h"
#include "ui/AppContext.h"
#include "ui/OfferInstallOverlayDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/CWebBroswerDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/StyleSheet.h"
#include "ui/offers/OfferPages.h"

namespace {

const wchar_t* const kPageSkin[] = {L"pa_n.png", L"pa_s.png", L"pa_f.png", L"pa_d.png"};

} // namespace

CSpecialDlg::CSpecialDlg() : CDialogEx(IDD_SPECIAL_DLG) {}

CSpecialDlg::~CSpecialDlg() = default;

BOOL CSpecialDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_controller = AppContext::Controller();
    if (const StyleSheet* style = AppContext::Style()) {
        const std::wstring path = style->LayoutFolder() + L"singlelist_bg.png";
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            LoadImageFile(path, m_background);
        m_picture.Reset(LoadPngBitmap(path));
    }
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

RECT CSpecialDlg::ScreenRectOf(int left, int top, int right, int bottom) const
{
    RECT rect{left, top, right, bottom};
    ClientToScreen(&rect);
    return rect;
}

void CSpecialDlg::DeferredInit()
{
    m_overlay = CreateModeless<CTransparentViewDlg>(this);
    if (m_overlay) {
        m_overlay->SetTarget(m_hWnd);
        m_overlay->MoveWindow(ScreenRectOf(688, 511, 830, 545));
    }
    m_browser = CreateModeless<CWebBroswerDlg>(this);
    if (m_browser)
        m_browser->MoveWindow(10, 10, 826, 542);

    m_entries = m_controller ? AdCatalog(*m_controller).GetAdPathList(L"Special") : std::vector<AdEntry>();
    LogInfo(m_log, L"[OnDeferredInit] %d pages", static_cast<int>(m_entries.size()));
    if (!m_entries.empty()) {
        if (!OfferPages::EntryAt(m_entries, m_pageIndex))
            m_pageIndex = 0;
        Navigate(OfferPages::EntryAt(m_entries, m_pageIndex));
        if (m_browser)
            m_browser->ShowWindow(SW_SHOW);
    } else {
        if (m_browser)
            m_browser->ShowWindow(SW_HIDE);
        if (m_overlay)
            m_overlay->ShowWindow(SW_HIDE);
    }

    m_optIn = CreateModeless<CSpecialGoogleMaskDlg>(this);
    if (m_optIn) {
        m_optIn->SetTarget(m_hWnd);
        m_optIn->MoveWindow(ScreenRectOf(12, 380, 832, 498));
    }
    CreatePageButtons();
    DrawPageSelection(0);
    if (OfferPages::EntryAt(m_entries, m_pageIndex)) {
        SetTimer(kFirstPageTimer, kFirstPageDelayMs);
        StartPageTimer();
    }
}

void CSpecialDlg::CreatePageButtons()
{
    m_pageButtons.clear();
    const int count = static_cast<int>(m_entries.size());
    const StyleSheet* style = AppContext::Style();
    const std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    for (int i = 0; i < count; ++i) {
        const int x = OfferPages::PageButtonLeft(i, count);
        HWND hwnd = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_PUSHBUTTON, x, OfferPages::kButtonTop,
                                      OfferPages::kButtonSize, OfferPages::kButtonSize, m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(OfferPages::kFirstPageCommand + i)),
                                      ::GetModuleHandleW(nullptr), nullptr);
        auto button = std::make_unique<CxSkinButton>(this);
        if (!hwnd || !button->SubclassWindow(hwnd)) {
            LogError(m_log, L"[OnDeferredInit] Page button %d was not created", i);
            if (hwnd)
                ::DestroyWindow(hwnd);
            continue;
        }
        button->SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
        button->SetSkin(kPageSkin[0], kPageSkin[1], kPageSkin[2], kPageSkin[3], folder);
        if (m_background)
            button->SetBackgroundPiece(CropBitmap(m_background.Get(), x, OfferPages::kButtonTop,
                                                  OfferPages::kButtonSize, OfferPages::kButtonSize));
        if (OfferPages::PageButtonVisible(count))
            button->ShowWindow(SW_SHOW);
        m_pageButtons.push_back(std::move(button));
    }
}

void CSpecialDlg::DrawPageSelection(int page)
{
    const StyleSheet* style = AppContext::Style();
    const std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    for (auto& button : m_pageButtons) {
        button->SetSkin(kPageSkin[0], kPageSkin[1], kPageSkin[2], kPageSkin[3], folder);
        button->Invalidate();
    }
    if (page >= 0 && static_cast<size_t>(page) < m_pageButtons.size()) {
        CxSkinButton& current = *m_pageButtons[static_cast<size_t>(page)];
        current.SetSkin(kPageSkin[1], kPageSkin[1], kPageSkin[1], kPageSkin[1], folder);
        current.Invalidate();
    }
}

void CSpecialDlg::Navigate(const AdEntry* entry)
{
    if (entry && m_browser)
        m_browser->Navigate(entry->ImagePath);
}

void CSpecialDlg::StartPageTimer()
{
    KillTimer(kPageTimer);
    const AdEntry* entry = OfferPages::EntryAt(m_entries, m_pageIndex);
    if (entry && OfferPages::Rotates(*entry))
        SetTimer(kPageTimer, static_cast<UINT>(entry->DisplayTime));
}

void CSpecialDlg::ShowPagePopups(const AdEntry& entry)
{
    const OfferPages::PageLook look =
        OfferPages::LookOf(entry, m_optIn && m_optIn->Ticked());
    if (m_optIn)
        m_optIn->ShowWindow(look.optInPanel ? SW_SHOWNA : SW_HIDE);
    EnableInstall(look.installEnabled);
    if (m_overlay)
        m_overlay->ShowWindow(look.installOverlay ? SW_SHOWNA : SW_HIDE);
}

void CSpecialDlg::Reveal()
{
    ShowWindow(SW_SHOW);
    if (!OfferPages::EntryAt(m_entries, m_pageIndex))
        m_pageIndex = 0;
    if (const AdEntry* entry = OfferPages::EntryAt(m_entries, m_pageIndex))
        ShowPagePopups(*entry);
}

void CSpecialDlg::ShowPage(int page)
{
    DrawPageSelection(page);
    m_pageIndex = page;
    // The catalogue may have changed on disk since the last page.
    m_entries = m_controller ? AdCatalog(*m_controller).GetAdPathList(L"Special") : std::vector<AdEntry>();
    const AdEntry* entry = OfferPages::EntryAt(m_entries, page);
    Navigate(entry);
    if (entry)
        ShowPagePopups(*entry);
    StartPageTimer();
}

void CSpecialDlg::EnableInstall(bool enable)
{
    if (m_overlay)
        m_overlay->Button().EnableWindow(enable ? TRUE : FALSE);
}

void CSpecialDlg::StartInstaller()
{
    const AdEntry* entry = OfferPages::EntryAt(m_entries, m_pageIndex);
    if (!entry)
        return;
    const ProgramLaunch::Result run = ProgramLaunch::Start(entry->SetupPath, entry->Param, std::wstring(), false);
    if (!run.started)
        LogError(m_log, L"[MSG_VIEW_OK] %ls could not be started: %ls", entry->SetupPath.c_str(),
                 ProgramLaunch::ErrorText(run.error, entry->SetupPath).c_str());
}

void CSpecialDlg::MovePopupsBy(int dx, int dy)
{
    for (CWnd* popup : {static_cast<CWnd*>(m_overlay.get()), static_cast<CWnd*>(m_optIn.get())}) {
        RECT rect{};
        if (popup && popup->GetWindowRect(&rect)) {
            ::OffsetRect(&rect, dx, dy);
            popup->MoveWindow(rect, TRUE);
        }
    }
}

void CSpecialDlg::PlaceOfferPopups()
{
    if (m_overlay) {
        m_overlay->SetTarget(m_hWnd);
        m_overlay->MoveWindow(ScreenRectOf(688, 511, 830, 545));
    }
    if (m_optIn)
        m_optIn->MoveWindow(ScreenRectOf(12, 380, 832, 498));
}

LRESULT CSpecialDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case MSG_DEFERRED_INIT:
        DeferredInit();
        return 0;
    case MSG_VIEW_OK:
        StartInstaller();
        EnableInstall(wParam == 1);
        return 0;
    case MSG_OFFER_CHECKED:
        EnableInstall(wParam == 1);
        return 0;
    case MSG_MOVE_POPUPS:
        // Not WM_MOVE: the system's own one, sent when the view itself is
        // placed, carries a position that would be taken for a delta.
        MovePopupsBy(MoveDeltaX(lParam), MoveDeltaY(lParam));
        return 0;
    default:
        break;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

BOOL CSpecialDlg::OnCommand(WPARAM wParam, LPARAM)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || !OfferPages::IsClickablePageCommand(id))
        return FALSE;
    if (OfferPages::EntryAt(m_entries, id - OfferPages::kFirstPageCommand))
        ShowPage(id - OfferPages::kFirstPageCommand);
    return TRUE;
}

bool CSpecialDlg::OnTimer(UINT_PTR id)
{
    if (id == kPageTimer) {
        KillTimer(kPageTimer);
        const int next = OfferPages::NextPage(m_pageIndex, static_cast<int>(m_entries.size()));
        if (next >= 0)
            ShowPage(next);
        return true;
    }
    if (id == kFirstPageTimer) {
        KillTimer(kFirstPageTimer);
        Navigate(OfferPages::EntryAt(m_entries, 0));
        return true;
    }
    return false;
}

bool CSpecialDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CMemDC canvas(dc, ClientSize());
    m_picture.Draw(canvas, 0, 0);
    return true;
}

bool CSpecialDlg::OnShowWindow(BOOL show, UINT)
{
    if (m_overlay)
        m_overlay->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    return false;
}

bool CSpecialDlg::OnDestroy()
{
    KillTimer(kPageTimer);
    KillTimer(kFirstPageTimer);
    m_optIn.reset();
    m_overlay.reset();
    m_browser.reset();
    m_pageButtons.clear();
    return false;
}
