#include "ui/CPopupListDlg.h"

#include <commctrl.h>

#include "config/CController.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/PopupLayout.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

RECT AsRect(const PopupLayout::Box& box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

} // namespace

CPopupListDlg::CPopupListDlg(CWnd* parent) : CDialogEx(IDD_POPUPLIST_DLG, parent) {}

CPopupListDlg::~CPopupListDlg() = default;

BOOL CPopupListDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    MakeBorderless();
    m_controller = AppContext::Controller();
    m_rowArea = RECT{8, 37, 707, 161};
    m_visibleRows = PopupLayout::kVisibleRows;
    m_buttons.Bind(this);

    m_highlight = CHighlightDlg::CreateForRows(this, true);
    CreateRowHost();
    const StyleSheet* style = AppContext::Style();
    m_frame.Load(style ? style->LayoutFolder() : std::wstring());
    SetUp();
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

void CPopupListDlg::ColourHighlight(bool pressed)
{
    if (m_highlight)
        m_highlight->ApplyRowLook(pressed);
}

void CPopupListDlg::CreateRowHost()
{
    // The host only holds the rows' texts in its list; it is never shown.
    if (m_rowHost) {
        m_rowHost->PostMessage(WM_CLOSE);
        m_rowHost.reset();
    }
    m_rowHost.reset(new CListComponentDlg());
    m_rowHost->m_hostHeight = m_rowArea.bottom - m_rowArea.top;
    m_rowHost->m_pageDivisor = m_visibleRows;
    if (!m_rowHost->Create(this)) {
        m_rowHost.reset();
    } else {
        const StyleSheet* style = AppContext::Style();
        if (style)
            m_rowHost->SetBackgroundColor(style->GetColor(L"LISTDLG", L"List_Highlight_Color"));
        LayeredWindow::SetConstantAlpha(*m_rowHost, 0);
        RECT window{};
        GetWindowRect(&window);
        RECT list{};
        m_rowHost->List().GetClientRect(&list);
        m_rowHost->MoveWindow(window.left + 830, window.top + 52, 9, list.bottom + 10, TRUE);
        m_rowHost->m_ownerWindow = m_hWnd;
        std::wstring column = Translate(L"Discription");
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_WIDTH;
        header.cx = 100;
        header.pszText = column.data();
        m_rowHost->List().SendMessage(LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&header));
    }

    m_rows.clear();
    if (!m_controller)
        return;
    for (const auto& item : m_controller->Items.Items()) {
        if (item->Item().TabIndex != kVideoTab)
            continue;
        m_rows.push_back(item.get());
        if (!m_rowHost)
            continue;
        std::wstring title = item->Item().Title;
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(m_rows.size()) - 1;
        row.pszText = title.data();
        m_rowHost->List().SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
}

void CPopupListDlg::SetUp()
{
    MoveWindow(::GetSystemMetrics(SM_CXSCREEN) / 2 - 362, ::GetSystemMetrics(SM_CYSCREEN) / 2 - 118,
               PopupLayout::kListWidth, PopupLayout::kListHeight, FALSE);
    // Both answers share the place of the pop-ups' negative button.
    const PopupLayout::Box answer = PopupLayout::NegativeButton(PopupLayout::kListWidth, PopupLayout::kListHeight);
    m_buttons.Arrange(m_frame, m_hWnd, PopupLayout::kListWidth, PopupLayout::kListHeight, answer);
    const StyleSheet* style = AppContext::Style();
    if (style) {
        m_rowFont.CreateFontIndirect(SkinFont(m_hWnd, style->GetInt(L"EULADLG", L"Eula_text_Font_Size")));
        m_titleFont.CreateFontIndirect(SkinFont(m_hWnd, style->GetInt(L"POPUPDLG", L"Popup_Title_text_Font_Size")));
    }
    m_buttons.ok.SetWindowText(Translate(L"Yes"));
    m_buttons.ok.ShowWindow(SW_HIDE);
    m_buttons.cancel.SetWindowText(Translate(L"Close"));
    HWND title = GetDlgItem(IDC_POPUPLIST_TITLE);
    ::MoveWindow(title, 10, 5, 670, 25, TRUE);
    ::SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.Get()), FALSE);
    ::SetWindowTextW(title, Translate(L"Video").c_str());
    m_shadow.Show(*this);
}

LRESULT CPopupListDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_DEFERRED_INIT) {
        m_shadow.Remember(*this);
        SetTimer(kFollowTimer, kFollowPeriodMs);
        // The hidden Yes was first in line; the keyboard starts on Close.
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_buttons.cancel.m_hWnd), TRUE);
        return 0;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

BOOL CPopupListDlg::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        EndDialog(IDOK);
        return TRUE;
    case IDCANCEL:
    case IDC_POPUP_CLOSE:
        EndDialog(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

bool CPopupListDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const SIZE client = ClientSize();
    CMemDC mem(dc, client);
    mem.SetBkMode(TRANSPARENT);
    const StyleSheet* style = AppContext::Style();
    m_frame.Paint(mem, client, style ? style->GetColor(L"POPUPDLG", L"Popup_bg_Color") : 0);
    CSelectObject font(mem, m_rowFont);
    mem.SetTextColor(style ? style->GetColor(L"EULADLG", L"Eula_text_Color") : 0);
    const int shown = PopupLayout::VisibleRows(static_cast<int>(m_rows.size()));
    for (int i = 0; i < shown; ++i) {
        RECT text = AsRect(PopupLayout::RowText(i));
        mem.DrawText(m_rows[static_cast<size_t>(i)]->Item().Title.c_str(), &text,
                     DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    return true;
}

HBRUSH CPopupListDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    if (::GetDlgCtrlID(child) != IDC_POPUPLIST_TITLE)
        return CDialogEx::OnCtlColor(dc, child, type);
    const StyleSheet* style = AppContext::Style();
    ::SelectObject(dc, m_titleFont.Get());
    ::SetTextColor(dc, style ? style->GetColor(L"POPUPDLG", L"Popup_Title_text_Color") : 0);
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

bool CPopupListDlg::OnMouseMove(UINT, POINT pt)
{
    m_hoveredRow = PopupLayout::RowAt(pt.x, pt.y, static_cast<int>(m_rows.size()));
    if (m_hoveredRow < 0) {
        HideHighlight();
        return true;
    }
    if (!m_highlight)
        return true;
    RECT row = AsRect(PopupLayout::RowHighlight(m_hoveredRow));
    ClientToScreen(&row);
    m_highlight->MoveWindow(row, TRUE);
    m_highlight->SetWindowPos(nullptr, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return true;
}

void CPopupListDlg::HideHighlight()
{
    if (m_highlight)
        m_highlight->ShowWindow(SW_HIDE);
}

bool CPopupListDlg::OnLButtonDown(UINT, POINT pt)
{
    // (0, 0) is the highlight passing its press on.
    if (pt.x == 0 && pt.y == 0) {
        ColourHighlight(true);
    } else if (pt.y < 41) {
        POINT screen = pt;
        ::ClientToScreen(m_hWnd, &screen);
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    }
    return true;
}

bool CPopupListDlg::OnLButtonUp(UINT, POINT)
{
    if (m_hoveredRow >= 0 && m_hoveredRow < static_cast<int>(m_rows.size())) {
        // The item's setup runs on the main window's single-item worker.
        const int itemNo = m_rows[static_cast<size_t>(m_hoveredRow)]->Item().ItemNo;
        HWND main = m_controller ? m_controller->MainWnd.load() : nullptr;
        if (!main || !::PostMessageW(main, MSG_INSTALL_SINGLE, static_cast<WPARAM>(itemNo), 0))
            LogError(m_log, L"[OnLButtonUp] MSG_INSTALL_SINGLE for item %d not posted", itemNo);
    }
    ColourHighlight(false);
    return true;
}

bool CPopupListDlg::OnMoving(RECT* proposed)
{
    m_shadow.OnMoving(*this, proposed);
    HideHighlight();
    return true;
}

bool CPopupListDlg::OnTimer(UINT_PTR id)
{
    if (id != kFollowTimer)
        return false;
    if (m_shadow.Follow(*this))
        HideHighlight();
    return true;
}

bool CPopupListDlg::OnDestroy()
{
    KillTimer(kFollowTimer);
    return false;
}
