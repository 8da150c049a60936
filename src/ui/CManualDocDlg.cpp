#include "ui/CManualDocDlg.h"

#include <commctrl.h>

#include "config/CController.h"
#include "config/CLanguage.h"
#include "log/Logger.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/CHighlightDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/manual/ManualLayout.h"
#include "ui/skin/CListComponentDlg.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr const wchar_t* kSection = L"LISTDLG";
constexpr UINT kTipDelayMs = 600;

RECT ToRect(const ManualLayout::Box& box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

} // namespace

CManualDocDlg::CManualDocDlg() : CDialogEx(IDD_MANUALDOC_DLG) {}

CManualDocDlg::~CManualDocDlg() = default;

BOOL CManualDocDlg::OnInitDialog()
{
    // A child: the borderless helper would make it a pop-up without a parent.
    CDialogEx::OnInitDialog();
    m_controller = AppContext::Controller();
    // Clicks on the highlight are clicks on the row under it.
    m_highlight = CHighlightDlg::CreateForRows(this, true);
    m_tooltip = CreateModeless<CTooltipDlg>(this);
    BuildRows();
    CreateScrollComponent();
    LoadImages();
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

void CManualDocDlg::ApplyHighlightLook(bool pressed)
{
    if (m_highlight)
        m_highlight->ApplyRowLook(pressed);
}

void CManualDocDlg::BuildRows()
{
    std::vector<ManualRows::Source> sources;
    m_descriptions.clear();
    std::vector<std::wstring> titles;
    const int tab = m_controller ? m_controller->CurrentTab.load() : -1;
    if (m_controller) {
        for (const auto& sw : m_controller->Items.Items()) {
            const SetupItem& item = sw->Item();
            sources.push_back(ManualRows::Source{item.ItemNo, item.TabIndex, item.TabSubIndex});
            titles.push_back(item.Title);
            m_descriptions.push_back(item.Description);
        }
    }
    m_rows.Build(sources, tab);
    m_texts.assign(static_cast<size_t>(m_rows.Count()), std::wstring());
    for (int i = 0; i < m_rows.Count(); ++i) {
        const ManualRows::Row row = m_rows.At(i);
        if (row.kind == ManualRows::Kind::Header)
            m_texts[static_cast<size_t>(i)] = HeaderText(row.section);
        else if (row.kind == ManualRows::Kind::Item && row.source < static_cast<int>(titles.size()))
            m_texts[static_cast<size_t>(i)] = titles[static_cast<size_t>(row.source)];
    }
    LogDebug(m_log, L"[BuildRows] tab %d: %d rows", tab, m_rows.Count());
}

std::wstring CManualDocDlg::HeaderText(int section) const
{
    switch (section) {
    case 0:
        if (m_tool)
            return Translate(m_controller ? m_controller->GetTabName(L"Tool") : std::wstring(L"Tool"));
        return Translate(L"Driver");
    case 1:
        return Translate(L"Utilities");
    default:
        return Translate(L"Motherboard");
    }
}

void CManualDocDlg::CreateScrollComponent()
{
    if (m_scroll) {
        m_scroll->PostMessage(WM_CLOSE);
        m_fade.SetWindows(nullptr, nullptr);
        m_scroll.reset();
    }
    WindowPtr<CListComponentDlg> scroll(new CListComponentDlg());
    constexpr ManualLayout::Box area = ManualLayout::kRowsArea;
    scroll->m_hostHeight = area.bottom - area.top;
    scroll->m_pageDivisor = ManualLayout::kVisibleRows;
    if (!scroll->Create(this)) {
        LogError(m_log, L"[CreateScrollComponent] not created");
        return;
    }
    if (StyleSheet* style = AppContext::Style())
        scroll->SetBackgroundColor(style->GetColor(kSection, L"List_Highlight_Color"));
    m_scroll = std::move(scroll);
    m_fade.SetWindows(m_hWnd, m_scroll->m_hWnd);
    m_fade.Hide();

    HWND list = m_scroll->List().m_hWnd;
    const std::wstring column = Translate(L"Discription");
    for (int section = 0; section < ManualRows::kSections; ++section) {
        if (m_rows.SectionCount(section) == 0)
            continue;
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 100;
        col.pszText = const_cast<wchar_t*>(column.c_str());
        ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(section), reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < m_rows.Count(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(m_texts[static_cast<size_t>(i)].c_str());
        ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    m_scroll->List().UpdateThumbs();
    PlaceScrollComponent();
    m_scroll->m_ownerWindow = m_hWnd;
}

void CManualDocDlg::PlaceScrollComponent()
{
    PlaceScroll(ManualLayout::kScrollTop, ManualLayout::kScrollExtra);
}

void CManualDocDlg::PlaceScroll(int top, int extraHeight)
{
    if (!m_scroll)
        return;
    RECT window{};
    GetWindowRect(&window);
    RECT client{};
    m_scroll->List().GetClientRect(&client);
    m_scroll->SetWindowPos(nullptr, window.left + ManualLayout::kScrollLeft, window.top + top,
                           ManualLayout::kScrollWidth, client.bottom - client.top + extraHeight,
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

void CManualDocDlg::LoadImages()
{
    StyleSheet* style = AppContext::Style();
    const std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    m_background.Reset(LoadPngBitmap(folder + L"singlelist_bg.png"));
    const wchar_t* icons[ManualRows::kSections] = {m_tool ? L"manual_tool.png" : L"manual_driver.png",
                                                   L"manual_utilities.png", L"manual_mb.png"};
    for (size_t i = 0; i < m_icons.size(); ++i)
        m_icons[i].Reset(LoadPngBitmap(folder + icons[i]));
    if (style) {
        LOGFONTW font = SkinFont(m_hWnd, style->GetInt(kSection, L"List_Title_Font_Size"));
        m_titleFont.Reset(::CreateFontIndirectW(&font));
        font = SkinFont(m_hWnd, style->GetInt(kSection, L"List_text_Font_Size"));
        m_textFont.Reset(::CreateFontIndirectW(&font));
    }
}

void CManualDocDlg::OnDeferredInit()
{
    if (m_scroll)
        m_scroll->ShowWindow(m_rows.Count() > ManualLayout::kVisibleRows ? SW_SHOWNA : SW_HIDE);
}

bool CManualDocDlg::OnPaint()
{
    CPaintDC paint(m_hWnd);
    SIZE size = m_background.Size();
    if (size.cx <= 0 || size.cy <= 0)
        size = ClientSize();
    CMemDC canvas(paint, size);
    if (m_background)
        canvas.Draw(m_background, 0, 0);
    DrawRows(canvas);
    return true;
}

void CManualDocDlg::DrawRows(HDC dc) const
{
    const int painted = ManualLayout::PaintedRows(m_firstVisible, m_rows.Count());
    for (int i = 0; i < painted; ++i) {
        const ManualRows::Row row = m_rows.At(m_firstVisible + i);
        if (row.kind == ManualRows::Kind::Header && row.section >= 0 && row.section < ManualRows::kSections) {
            const ManualLayout::Box place = ManualLayout::IconPlace(i);
            m_icons[static_cast<size_t>(row.section)].Draw(dc, place.left, place.top);
        }
    }
    StyleSheet* style = AppContext::Style();
    ::SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < painted; ++i) {
        const int index = m_firstVisible + i;
        const bool header = m_rows.At(index).kind == ManualRows::Kind::Header;
        const std::wstring& text = m_texts[static_cast<size_t>(index)];
        if (text.empty())
            continue;
        CSelectObject font(dc, header ? m_titleFont : m_textFont);
        if (style)
            ::SetTextColor(dc, style->GetColor(kSection, header ? L"List_Title_Color" : L"List_text_Color"));
        RECT rect = ToRect(ManualLayout::TextRect(i, header));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

bool CManualDocDlg::OnMouseMove(UINT, POINT pt)
{
    const int visible = ManualLayout::HoverRow(pt.x, pt.y, m_firstVisible, m_rows.Count());
    const int index = visible >= 0 ? m_firstVisible + visible : -1;
    const ManualRows::Row row = m_rows.At(index);
    if (row.kind == ManualRows::Kind::Item) {
        m_hovered = index;
        RECT bar = ToRect(ManualLayout::HighlightRect(visible));
        ClientToScreen(&bar);
        if (m_highlight)
            m_highlight->SetWindowPos(nullptr, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                                      SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        if (m_tooltip) {
            m_tooltip->ShowWindow(SW_HIDE);
            const size_t source = static_cast<size_t>(row.source);
            m_tooltip->SetTipText(source < m_descriptions.size() ? m_descriptions[source] : std::wstring());
            RECT window{};
            GetWindowRect(&window);
            const int height = m_tooltip->TipHeight();
            const int top = bar.top - height / 4;
            m_tipRect = RECT{window.left + ManualLayout::kTipLeft, top, window.left + ManualLayout::kTipRight,
                             top + height};
        }
        SetTimer(kTipTimer, kTipDelayMs);
    } else {
        HideHighlightAndTip();
    }
    m_fade.Track(ManualLayout::KeepsScrollShown(pt.x, pt.y));
    return false;
}

void CManualDocDlg::HideHighlightAndTip()
{
    m_hovered = -1;
    KillTimer(kTipTimer);
    if (m_highlight)
        m_highlight->ShowWindow(SW_HIDE);
    if (m_tooltip)
        m_tooltip->ShowWindow(SW_HIDE);
}

void CManualDocDlg::HideHoverPopups()
{
    HideHighlightAndTip();
    m_fade.Hide();
}

bool CManualDocDlg::OnLButtonDown(UINT, POINT)
{
    ApplyHighlightLook(true);
    return false;
}

bool CManualDocDlg::OnLButtonUp(UINT, POINT)
{
    const int itemNo = m_rows.ItemNoAt(m_hovered);
    if (itemNo >= 0) {
        LogInfo(m_log, L"[OnLButtonUp] run item %d", itemNo);
        ::PostMessageW(GetParent(), MSG_INSTALL_SINGLE, static_cast<WPARAM>(itemNo), 0);
    }
    ApplyHighlightLook(false);
    return false;
}

bool CManualDocDlg::OnTimer(UINT_PTR id)
{
    if (id == kTipTimer) {
        KillTimer(kTipTimer);
        ShowTip();
        return true;
    }
    return m_fade.OnTimer(id);
}

void CManualDocDlg::ShowTip()
{
    if (!m_tooltip || m_hovered < 0)
        return;
    m_tooltip->SetWindowPos(nullptr, m_tipRect.left, m_tipRect.top, m_tipRect.right - m_tipRect.left,
                            m_tipRect.bottom - m_tipRect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CManualDocDlg::OnFirstRowChanged(int firstRow)
{
    // A stale notification may name a row the list no longer has.
    if (firstRow < 0 || firstRow >= m_rows.Count())
        firstRow = 0;
    m_firstVisible = firstRow;
    HideHighlightAndTip();
    RECT area = ToRect(ManualLayout::kRowsArea);
    InvalidateRect(area, FALSE);
    UpdateWindow();
}

void CManualDocDlg::MovePopupsBy(int dx, int dy)
{
    CWnd* popups[] = {m_scroll.get(), m_highlight.get(), m_tooltip.get()};
    for (CWnd* popup : popups) {
        RECT rect{};
        if (popup && popup->m_hWnd && popup->GetWindowRect(&rect))
            popup->SetWindowPos(nullptr, rect.left + dx, rect.top + dy, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_tipRect.left += dx;
    m_tipRect.right += dx;
    m_tipRect.top += dy;
    m_tipRect.bottom += dy;
}

void CManualDocDlg::PlacePopupsAfterResolution()
{
    HideHighlightAndTip();
    PlaceScroll(ManualLayout::kScrollTopReplaced, ManualLayout::kScrollExtraReplaced);
}

LRESULT CManualDocDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case MSG_DEFERRED_INIT:
        OnDeferredInit();
        return 0;
    case kMsgScrollFirstRow:
        OnFirstRowChanged(static_cast<int>(wParam));
        return 0;
    case kMsgScrollHover:
        HideHighlightAndTip();
        return 0;
    case MSG_PASS_FOCUS:
        if (m_tooltip)
            ::SetFocus(m_tooltip->m_hWnd);
        return 0;
    case MSG_MOVE_POPUPS:
        MovePopupsBy(MoveDeltaX(lParam), MoveDeltaY(lParam));
        return 0;
    default:
        break;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

bool CManualDocDlg::OnDestroy()
{
    KillTimer(kTipTimer);
    m_fade.SetWindows(nullptr, nullptr);
    m_scroll.reset();
    m_tooltip.reset();
    m_highlight.reset();
    return false;
}
