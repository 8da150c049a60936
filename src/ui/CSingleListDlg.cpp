#include "ui/CSingleListDlg.h"

#include <commctrl.h>

#include <cstdarg>
#include <cwchar>

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "engine/CSoftwareCtl.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/CHighlightDlg.h"
#include "ui/CPopupDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/list/ListItems.h"
#include "ui/list/TickRules.h"
#include "ui/skin/CListComponentDlg.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr wchar_t kSection[] = L"LISTDLG";
constexpr UINT kTipDelayMs = 600;

struct HeaderPlace {
    int id;
    int x, y, width, height;
    const wchar_t* text;
};
constexpr HeaderPlace kHeaders[] = {{1017, 18, 30, 337, 18, nullptr},
                                    {1018, 356, 30, 109, 18, L"Status"},
                                    {1019, 466, 30, 139, 18, L"Available Version"},
                                    {1020, 606, 30, 139, 18, L"Installed Version"},
                                    {1021, 746, 30, 95, 18, L"Restart"}};

// A line for the debugger's output, as the install traces are read there.
void Trace(const wchar_t* format, ...)
{
    wchar_t line[600];
    va_list args;
    va_start(args, format);
    const int written = std::vswprintf(line, std::size(line), format, args);
    va_end(args);
    if (written > 0)
        ::OutputDebugStringW(line);
}

bool NeedsInstall(ItemStatus status)
{
    return status == ItemStatus::Outdated || status == ItemStatus::NotInstalled;
}

// One size smaller, whichever way the style sheet gives the height.
int SmallerFont(int height)
{
    return height > 0 ? height - 1 : height < 0 ? height + 1 : height;
}

} // namespace

CSingleListDlg::CSingleListDlg(int kind) : CDialogEx(IDD_SINGLELIST_DLG), m_kind(ListKind::Of(kind)) {}

CSingleListDlg::~CSingleListDlg() = default;

BOOL CSingleListDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_controller = AppContext::Controller();
    m_install.SubclassDlgItem(IDC_SINGLELIST_INSTALL, this);
    CreatePopups();
    StyleSheet* style = AppContext::Style();
    m_painter.Load(style ? style->LayoutFolder() : std::wstring(), m_kind, m_hWnd, style);
    SetUpTexts();
    SetUpHeaderTips();
    SetUpInstallButton();
    BuildRows();
    return TRUE;
}

void CSingleListDlg::CreatePopups()
{
    m_highlight = CHighlightDlg::CreateForRows(this, false);
    m_tooltip = CreateModeless<CTooltipDlg>(this);
}

void CSingleListDlg::SetUpTexts()
{
    StyleSheet* style = AppContext::Style();
    if (style) {
        LOGFONTW font = SkinFont(m_hWnd, style->GetInt(kSection, L"List_Title_Font_Size"));
        m_titleFont.Reset(::CreateFontIndirectW(&font));
        int header = style->GetInt(kSection, L"List_Header_Font_Size");
        const std::wstring language = GetLanguageName();
        if (language == L"Russian" || language == L"Japanese")
            header = SmallerFont(header);
        font = SkinFont(m_hWnd, header);
        m_headerFont.Reset(::CreateFontIndirectW(&font));
    }
    HWND title = GetDlgItem(IDC_SINGLELIST_TITLE);
    ::MoveWindow(title, 17, 5, 600, 22, TRUE);
    ::SetWindowTextW(title, Translate(m_kind.manual ? L"Manual Installation" : L"Automatic Installation").c_str());
    const int tab = m_controller ? m_controller->CurrentTab.load() : -1;
    for (const HeaderPlace& place : kHeaders) {
        HWND header = GetDlgItem(place.id);
        ::MoveWindow(header, place.x, place.y, place.width, place.height, TRUE);
        const std::wstring text = place.text ? Translate(place.text) : ItemRowTexts::TabHeading(tab);
        if (!text.empty())
            ::SetWindowTextW(header, text.c_str());
        if (!m_kind.headers)
            ::ShowWindow(header, SW_HIDE);
    }
}

void CSingleListDlg::SetUpHeaderTips()
{
    if (!m_kind.headers)
        return;
    for (size_t i = 0; i < m_headerTips.size(); ++i) {
        HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     m_hWnd, nullptr, nullptr, nullptr);
        if (!tip)
            continue;
        m_headerTips[i] = tip;
        HWND header = GetDlgItem(kHeaders[i].id);
        wchar_t buffer[128] = {};
        ::GetWindowTextW(header, buffer, static_cast<int>(std::size(buffer)));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_hWnd;
        tool.uId = i + 1;
        tool.rect = RECT{kHeaders[i].x, kHeaders[i].y, kHeaders[i].x + kHeaders[i].width,
                         kHeaders[i].y + kHeaders[i].height};
        tool.lpszText = buffer;
        ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
    }
}

void CSingleListDlg::SetUpInstallButton()
{
    if (!m_install.m_hWnd)
        return;
    const int top = m_kind.InstallButtonTop();
    m_install.MoveWindow(692, top, 142, 34);
    StyleSheet* style = AppContext::Style();
    if (style) {
        m_install.SetSkin(L"bluebutton_n.png", L"bluebutton_s.png", L"bluebutton_f.png", L"bluebutton_d.png",
                          style->LayoutFolder());
        m_install.SetTextColors(style->GetColor(kSection, L"List_Btn_text_Color_Normal"),
                                style->GetColor(kSection, L"List_Btn_text_Color_Select"),
                                style->GetColor(kSection, L"List_Btn_text_Color_Focus"),
                                style->GetColor(kSection, L"List_Btn_text_Color_Disable"));
        m_install.SetTextFont(SkinFont(m_hWnd, style->GetInt(kSection, L"List_Btn_text_Font_Size")));
    }
    if (m_painter.PlainBackground())
        m_install.SetBackgroundPiece(CropBitmap(m_painter.PlainBackground(), 692, top, 142, 34));
    m_install.SetWindowText(Translate(L"Install"));
    if (!m_kind.installButton)
        m_install.ShowWindow(SW_HIDE);
}

int CSingleListDlg::BuildRows()
{
    ResetSelection();
    return RebuildRows();
}

void CSingleListDlg::ResetSelection()
{
    if (!m_controller || (m_controller->RunMode & MODE_CONTD))
        return;
    m_controller->ClearRunFlags();
}

void CSingleListDlg::SortItems()
{
    m_offerItems.clear();
    m_normalItems.clear();
    if (!m_controller)
        return;
    const auto& items = m_controller->Items.Items();
    std::vector<const SetupItem*> records;
    records.reserve(items.size());
    for (const auto& sw : items)
        records.push_back(&sw->Item());
    const ListItems sorted = ListItems::Sort(records, m_controller->CurrentTab, m_kind);
    for (size_t i : sorted.offers)
        m_offerItems.push_back(items[i].get());
    for (size_t i : sorted.normals)
        m_normalItems.push_back(items[i].get());
}

int CSingleListDlg::RebuildRows()
{
    SortItems();
    m_rows = RowModel(m_kind.Automatic(), static_cast<int>(m_offerItems.size()),
                      static_cast<int>(m_normalItems.size()));
    CreateScrollHost();
    m_store = ListRowStore(m_host ? m_host->List().m_hWnd : nullptr);
    m_store.Reset();
    // One scroll-bar update for the whole set, not one per row.
    if (m_host)
        m_host->List().SendMessage(WM_SETREDRAW, FALSE);
    m_needInstall = 0;
    const uint32_t mode = m_controller ? m_controller->RunMode.load() : 0;
    const int tab = m_controller ? m_controller->CurrentTab.load() : -1;
    for (int row = 0; row < m_rows.TotalRows(); ++row) {
        if (m_rows.IsHeading(row)) {
            const bool offers = row == m_rows.OfferHeadingRow();
            m_store.Append({offers ? Translate(L"Special Offers") : ItemRowTexts::TabHeading(tab)}, false);
            continue;
        }
        CSoftwareCtl* sw = ItemOfRow(row);
        if (!sw)
            continue;
        bool ticked = false;
        if (m_kind.Automatic()) {
            const bool needs = NeedsInstall(sw->GetItemStatus(0));
            const bool forced = (mode & MODE_RECOVERY) && sw->Item().ForceInstall;
            ticked = forced || needs;
            if (needs)
                ++m_needInstall;
        }
        m_store.Append(ItemRowTexts::Of(*sw), ticked);
    }
    if (m_host) {
        m_host->List().SendMessage(WM_SETREDRAW, TRUE);
        m_host->List().UpdateThumbs();
    }
    LogInfo(m_log, L"[BuildRows] kind %d: %d rows, %d needing install", static_cast<int>(m_kind.id),
            m_rows.TotalRows(), m_needInstall);
    m_firstVisible = 0;
    m_keyRow = -1;
    m_tipRow = -1;
    m_fade.Hide();
    RepaintRows();
    PlaceScrollHost();
    PostMessage(MSG_DEFERRED_INIT);
    return m_needInstall;
}

void CSingleListDlg::CreateScrollHost()
{
    if (m_host) {
        m_host->PostMessage(WM_CLOSE);
        m_fade.SetWindows(nullptr, nullptr);
        m_host.reset();
    }
    WindowPtr<CListComponentDlg> host(new CListComponentDlg());
    host->m_hostHeight = m_kind.RowAreaHeight();
    host->m_pageDivisor = m_kind.rowsPerPage;
    host->m_thumbHeight =
        m_rows.ThumbHeight(m_kind.RowAreaHeight(), m_kind.rowsPerPage, m_kind.id == ListKindId::Lower);
    if (!host->Create(this)) {
        LogError(m_log, L"[BuildRows] scroll host not created");
        return;
    }
    if (StyleSheet* style = AppContext::Style())
        host->SetBackgroundColor(style->GetColor(kSection, L"List_Highlight_Color"));
    host->m_ownerWindow = m_hWnd;
    m_host = std::move(host);
    m_fade.SetWindows(m_hWnd, m_host->m_hWnd);
}

void CSingleListDlg::PlaceScrollHost()
{
    HideHighlightAndTip();
    KillTimer(kTipTimer);
    if (!m_host)
        return;
    RECT window{};
    GetWindowRect(&window);
    RECT list{};
    m_host->List().GetClientRect(&list);
    m_host->SetWindowPos(nullptr, window.left + ListKind::kHostLeft, window.top + m_kind.HostTop(),
                         ListKind::kHostWidth, list.bottom - list.top + 3, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSingleListDlg::OnDeferredInit()
{
    TickRules::Ticks ticks = m_store.ReadTicks();
    TickRules::DeriveHeadings(m_rows, ticks);
    m_store.WriteTicks(ticks);
    FinishTickChange();
    if (m_host)
        m_host->ShowWindow(m_rows.HostShown(m_kind.rowsPerPage) ? SW_SHOWNA : SW_HIDE);
}

CSoftwareCtl* CSingleListDlg::ItemOfRow(int row) const
{
    const RowModel::Slot slot = m_rows.SlotOf(row);
    const auto& group = slot.group == RowModel::Group::Offer ? m_offerItems : m_normalItems;
    if (slot.group == RowModel::Group::None || slot.index < 0 || static_cast<size_t>(slot.index) >= group.size())
        return nullptr;
    return group[static_cast<size_t>(slot.index)];
}

int CSingleListDlg::RowOfItemNo(int itemNo) const
{
    for (size_t i = 0; i < m_offerItems.size(); ++i) {
        if (m_offerItems[i]->Item().ItemNo == itemNo)
            return m_rows.RowOf(RowModel::Group::Offer, static_cast<int>(i));
    }
    for (size_t j = 0; j < m_normalItems.size(); ++j) {
        if (m_normalItems[j]->Item().ItemNo == itemNo)
            return m_rows.RowOf(RowModel::Group::Normal, static_cast<int>(j));
    }
    return -1;
}

std::vector<const SetupItem*> CSingleListDlg::NormalRecords() const
{
    std::vector<const SetupItem*> records;
    for (CSoftwareCtl* sw : m_normalItems)
        records.push_back(&sw->Item());
    return records;
}

int CSingleListDlg::PageRows() const
{
    const int left = m_rows.TotalRows() - m_firstVisible;
    return left < m_kind.rowsPerPage ? (left > 0 ? left : 0) : m_kind.rowsPerPage;
}

void CSingleListDlg::RepaintRows()
{
    const RECT area{ListKind::kRowLeft, m_kind.RowAreaTop(), ListKind::kRowRight, m_kind.RowAreaBottom()};
    InvalidateRect(area, FALSE);
}

bool CSingleListDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    std::vector<ListPainter::VisibleRow> rows(static_cast<size_t>(PageRows()));
    for (size_t k = 0; k < rows.size(); ++k) {
        const int row = m_firstVisible + static_cast<int>(k);
        ListPainter::VisibleRow& shown = rows[k];
        for (int c = 0; c < ItemRowTexts::kColumns; ++c)
            shown.cells[static_cast<size_t>(c)] = m_store.Text(row, c);
        shown.heading = m_rows.IsHeading(row);
        shown.ticked = m_store.Ticked(row);
        shown.hot = static_cast<int>(k) + 1 == m_hoverRow;
    }
    m_painter.Paint(dc, ClientSize(), rows);
    return true;
}

HBRUSH CSingleListDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    const int id = ::GetDlgCtrlID(child);
    const bool title = id == IDC_SINGLELIST_TITLE;
    const bool header = id >= IDC_SINGLELIST_HEADER1 && id <= IDC_SINGLELIST_HEADER5;
    if (type != CTLCOLOR_STATIC || (!title && !header))
        return CDialogEx::OnCtlColor(dc, child, type);
    if (HFONT font = title ? m_titleFont.Get() : m_headerFont.Get())
        ::SelectObject(dc, font);
    if (StyleSheet* style = AppContext::Style())
        ::SetTextColor(dc, style->GetColor(kSection, title ? L"List_Title_Color" : L"List_Header_Color"));
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

// --- Pointer ---

bool CSingleListDlg::OnMouseMove(UINT, POINT pt)
{
    ::PostMessageW(GetParent(), MSG_LIST_HOVER, static_cast<WPARAM>(m_kind.id), 0);
    if (::GetFocus() != m_hWnd)
        ::SetFocus(m_hWnd);
    const bool across = pt.x >= ListKind::kHoverLeft && pt.x <= ListKind::kHoverRight;
    HoverRow(across ? m_kind.VisibleRowAt(pt.y) : -1, pt.x);
    UpdateFade(pt);
    UpdateHotBox(pt);
    return true;
}

void CSingleListDlg::HoverRow(int visible, int)
{
    const int row = visible >= 0 ? m_firstVisible + visible : -1;
    CSoftwareCtl* sw = ItemOfRow(row);
    if (!sw) {
        HideHighlightAndTip();
        KillTimer(kTipTimer);
        return;
    }
    m_keyRow = row;
    ShowHighlightAt(visible);
    if (!m_tooltip)
        return;
    m_tooltip->ShowWindow(SW_HIDE);
    // The licence lookup behind the link is read once per row, not per move.
    if (row != m_tipRow) {
        m_tooltip->SetTipText(sw->Item().Description);
        if (m_kind.Automatic())
            m_tooltip->SetTipLink(sw->Item().Path, true);
        else
            m_tooltip->SetTipLink(std::wstring(), false);
        m_tipRow = row;
    }
    RECT window{};
    GetWindowRect(&window);
    RECT bar{};
    if (m_highlight)
        m_highlight->GetWindowRect(&bar);
    const int height = m_tooltip->TipHeight();
    const int top = bar.top - height / 4;
    m_tipRect = RECT{window.left + 372, top, window.left + 702, top + height};
    SetTimer(kTipTimer, kTipDelayMs);
}

void CSingleListDlg::ShowHighlightAt(int visible)
{
    if (!m_highlight)
        return;
    RECT rect{m_kind.HighlightLeft(), m_kind.RowAreaTop() + ListKind::kRowHeight * visible,
              ListKind::kHighlightRight, m_kind.RowAreaTop() + ListKind::kRowHeight * (visible + 1)};
    ClientToScreen(&rect);
    m_highlight->SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CSingleListDlg::HideHighlightAndTip()
{
    if (m_highlight)
        m_highlight->ShowWindow(SW_HIDE);
    if (m_tooltip)
        m_tooltip->ShowWindow(SW_HIDE);
}

void CSingleListDlg::UpdateFade(POINT pt)
{
    m_fade.Track(pt.x > ListKind::kOpaqueFromX && m_kind.VisibleRowAt(pt.y) >= 0);
}

void CSingleListDlg::UpdateHotBox(POINT pt)
{
    const int visible = m_kind.VisibleRowAt(pt.y);
    const int row = visible >= 0 ? m_firstVisible + visible : -1;
    const bool inside = m_rows.HasRow(row) && ListKind::InHotZone(pt.x, m_rows.IsHeading(row) || m_kind.manual);
    const int hover = inside ? visible + 1 : 0;
    bool changed = hover != m_hoverRow;
    m_hoverRow = hover;
    if (!inside && m_kind.manual) {
        TickRules::Ticks ticks = m_store.ReadTicks();
        if (TickRules::AnyTicked(ticks)) {
            m_store.WriteTicks(TickRules::Ticks(ticks.size(), false));
            changed = true;
        }
    }
    if (changed)
        RepaintRows();
}

bool CSingleListDlg::OnMouseWheel(UINT, short delta, POINT)
{
    if (!m_host || !m_host->IsWindowVisible())
        return true;
    ScrollHostLines(-(delta / WHEEL_DELTA));
    return true;
}

void CSingleListDlg::ScrollHostLines(int lines)
{
    if (!m_host || lines == 0)
        return;
    const WPARAM code = lines < 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < (lines < 0 ? -lines : lines); ++i)
        m_host->List().SendMessage(WM_VSCROLL, code, 0);
    m_host->List().VerticalBar().UpdateThumbPosition();
}

int CSingleListDlg::LastFirstRow() const
{
    const int last = m_rows.TotalRows() - m_kind.rowsPerPage;
    return last > 0 ? last : 0;
}

void CSingleListDlg::ScrollFirstRowTo(int first)
{
    // The host's list is the scroll model: moved along, so that its bar and
    // its next report agree with the rows shown.
    first = first < 0 ? 0 : first > LastFirstRow() ? LastFirstRow() : first;
    const int lines = first - m_firstVisible;
    m_firstVisible = first;
    ScrollHostLines(lines);
}

bool CSingleListDlg::OnLButtonDown(UINT, POINT pt)
{
    const int visible = m_kind.VisibleRowAt(pt.y);
    const int row = visible >= 0 ? m_firstVisible + visible : -1;
    // Every row index is checked against the rows, not only the visible one.
    if (!m_rows.HasRow(row) || !ListKind::InHotZone(pt.x, m_rows.IsHeading(row) || m_kind.manual))
        return true;
    ToggleRow(row);
    return true;
}

bool CSingleListDlg::OnLButtonUp(UINT, POINT pt)
{
    if (!m_kind.manual || pt.x < 15 || pt.x > 41 || m_kind.VisibleRowAt(pt.y) < 0)
        return false;
    m_store.WriteTicks(TickRules::Ticks(static_cast<size_t>(m_store.Count()), false));
    RepaintRows();
    StartSingleInstall(m_firstVisible + m_kind.VisibleRowAt(pt.y));
    return true;
}

void CSingleListDlg::StartSingleInstall(int row)
{
    CSoftwareCtl* sw = ItemOfRow(row);
    if (!sw)
        return;
    Trace(L"Software: %d name:%ls\n", row, sw->Item().Title.c_str());
    ::PostMessageW(GetParent(), MSG_INSTALL_SINGLE, static_cast<WPARAM>(sw->Item().ItemNo), 0);
}

// --- Ticks ---

void CSingleListDlg::ToggleRow(int row)
{
    TickRules::Ticks ticks = m_store.ReadTicks();
    if (!TickRules::Click(m_rows, ticks, row))
        return;
    const bool ticked = ticks[static_cast<size_t>(row)];
    m_store.WriteTicks(ticks);
    const RowModel::Slot slot = m_rows.SlotOf(row);
    CSoftwareCtl* sw = ItemOfRow(row);
    if (slot.group == RowModel::Group::Normal && sw) {
        if (ticked) {
            TickFollowers(*sw);
        } else if (!ConfirmUntick(*sw)) {
            ticks = m_store.ReadTicks();
            TickRules::SetRow(m_rows, ticks, row, true);
            m_store.WriteTicks(ticks);
        }
    }
    FinishTickChange();
}

void CSingleListDlg::TickFollowers(const CSoftwareCtl& sw)
{
    CController* controller = m_controller;
    const auto needsInstall = [controller](int itemNo) {
        CSoftwareCtl* follower = controller ? controller->FindItem(itemNo) : nullptr;
        return follower && NeedsInstall(follower->GetItemStatus(1));
    };
    TickRules::Ticks ticks = m_store.ReadTicks();
    for (int row : ListItems::FollowerRows(sw.Item(), NormalRecords(), m_rows, needsInstall))
        TickRules::SetRow(m_rows, ticks, row, true);
    m_store.WriteTicks(ticks);
}

bool CSingleListDlg::ConfirmUntick(const CSoftwareCtl& sw)
{
    CController* controller = m_controller;
    const auto exists = [controller](int itemNo) { return controller && controller->FindItem(itemNo); };
    const std::vector<int> rows =
        ListItems::TickedLeaderRows(sw.Item(), NormalRecords(), m_rows, m_store.ReadTicks(), exists);
    if (rows.empty())
        return true;
    if (m_pendingPopup) {
        ::MessageBoxW(m_hWnd, L"[CSingleListDlg][ShowMessage] error", L"", MB_OK);
        return true;
    }
    std::wstring text = Translate(L"Please install this item before installing the following drivers") + L"\n";
    for (int row : rows) {
        if (CSoftwareCtl* leader = ItemOfRow(row))
            text += leader->Item().Title + L"\n";
    }
    text += L"\n" + Translate(L"Are you sure to cancel this item?");
    CPopupDlg question(text, 1, this);
    m_pendingPopup = &question;
    const INT_PTR answer = question.DoModal();
    m_pendingPopup = nullptr;
    LogInfo(m_log, L"[OnLButtonDown] cancel question answered %d", static_cast<int>(answer));
    return answer == 1;
}

void CSingleListDlg::FinishTickChange()
{
    if (m_install.m_hWnd)
        m_install.EnableWindow(TickRules::AnyTicked(m_store.ReadTicks()));
    RepaintRows();
}

// --- Keyboard ---

bool CSingleListDlg::OnSetFocus(HWND)
{
    // The list itself keeps the focus (a dialog would hand it to its button).
    return true;
}

void CSingleListDlg::MoveKeyRow(int step)
{
    const int total = m_rows.TotalRows();
    if (total == 0)
        return;
    int row = m_keyRow < 0 ? (step > 0 ? m_firstVisible : m_firstVisible + PageRows() - 1) : m_keyRow + step;
    row = row < 0 ? 0 : row >= total ? total - 1 : row;
    m_keyRow = row;
    if (row < m_firstVisible)
        ScrollFirstRowTo(row);
    else if (row >= m_firstVisible + m_kind.rowsPerPage)
        ScrollFirstRowTo(row - m_kind.rowsPerPage + 1);
    if (m_tooltip)
        m_tooltip->ShowWindow(SW_HIDE);
    ShowHighlightAt(row - m_firstVisible);
    RepaintRows();
}

bool CSingleListDlg::OnKeyDown(UINT key, UINT)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        MoveKeyRow(key == VK_UP ? -1 : 1);
        return true;
    case VK_SPACE:
        if (m_kind.Automatic() && m_rows.HasRow(m_keyRow))
            ToggleRow(m_keyRow);
        return true;
    case VK_RETURN:
        if (m_kind.manual)
            StartSingleInstall(m_keyRow);
        return true;
    case VK_TAB:
        if (m_install.IsWindowVisible() && m_install.IsWindowEnabled())
            ::SetFocus(m_install.m_hWnd);
        return true;
    default:
        return false;
    }
}

// --- Install ---

BOOL CSingleListDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_SINGLELIST_INSTALL && HIWORD(wParam) == BN_CLICKED) {
        PressInstall();
        return TRUE;
    }
    return CDialogEx::OnCommand(wParam, lParam);
}

void CSingleListDlg::PressInstall()
{
    for (size_t i = 0; i < m_offerItems.size(); ++i)
        m_offerItems[i]->SetSwSelected(m_store.Ticked(m_rows.RowOf(RowModel::Group::Offer, static_cast<int>(i))));
    for (size_t j = 0; j < m_normalItems.size(); ++j)
        m_normalItems[j]->SetSwSelected(
            m_store.Ticked(m_rows.RowOf(RowModel::Group::Normal, static_cast<int>(j))));
    if (!m_controller)
        return;
    int index = 0;
    for (const auto& sw : m_controller->Items.Items())
        Trace(L"Software: %d name:%ls, Select:%d\n", index++, sw->Item().Title.c_str(), sw->Item().Selected ? 1 : 0);
    const bool nothing = m_offerItems.empty() && m_normalItems.empty();
    const WPARAM request = (m_controller->RunMode & MODE_RECOVERY) && nothing ? 1 : 0;
    ::PostMessageW(GetParent(), MSG_START_INSTALL, request, 0);
}

// --- Run-time updates ---

void CSingleListDlg::SyncTicksWithSelection()
{
    TickRules::Ticks ticks = m_store.ReadTicks();
    const auto pending = [](const CSoftwareCtl* sw) { return sw->Item().Selected != sw->Item().Doned; };
    for (size_t i = 0; i < m_offerItems.size(); ++i)
        TickRules::SetRow(m_rows, ticks, m_rows.RowOf(RowModel::Group::Offer, static_cast<int>(i)),
                          pending(m_offerItems[i]));
    for (size_t j = 0; j < m_normalItems.size(); ++j)
        TickRules::SetRow(m_rows, ticks, m_rows.RowOf(RowModel::Group::Normal, static_cast<int>(j)),
                          pending(m_normalItems[j]));
    m_store.WriteTicks(ticks);
    FinishTickChange();
}

void CSingleListDlg::MarkPreparing()
{
    if (m_kind.manual)
        return;
    TickRules::Ticks ticks = m_store.ReadTicks();
    for (size_t i = 0; i < m_offerItems.size(); ++i)
        TickRules::SetRow(m_rows, ticks, m_rows.RowOf(RowModel::Group::Offer, static_cast<int>(i)),
                          m_offerItems[i]->Item().Selected != 0);
    m_store.WriteTicks(ticks);
    const std::wstring preparing = Translate(L"Preparing for setup");
    for (int row = 0; row < m_rows.TotalRows(); ++row) {
        if (ItemOfRow(row) && m_store.Ticked(row))
            m_store.SetText(row, 1, preparing);
    }
    RepaintRows();
}

void CSingleListDlg::MarkInstalling(int itemNo)
{
    const int row = RowOfItemNo(itemNo);
    if (row < 0)
        return;
    if (row >= m_firstVisible + m_kind.rowsPerPage)
        ScrollFirstRowTo(row - m_kind.rowsPerPage + 1);
    else if (row < m_firstVisible)
        ScrollFirstRowTo(row);
    m_store.SetText(row, 1, Translate(L"Installing"));
    RepaintRows();
    ShowHighlightAt(row - m_firstVisible);
    if (m_highlight)
        m_highlight->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CSingleListDlg::RefreshItemStatus(int itemNo)
{
    const int row = RowOfItemNo(itemNo);
    CSoftwareCtl* sw = ItemOfRow(row);
    if (!sw)
        return;
    const ItemStatus status = sw->GetItemStatus(1);
    if (m_controller)
        m_controller->SetInstalled(*sw, status, m_kind.manual ? 1 : 0);
    m_store.SetText(row, 1, ItemRowTexts::StatusText(status));
    m_store.SetText(row, 3, ItemRowTexts::InstalledText(*sw, 1));
    RepaintRows();
    if (m_highlight)
        m_highlight->ShowWindow(SW_HIDE);
}

void CSingleListDlg::HideHoverPopups()
{
    KillTimer(kTipTimer);
    HideHighlightAndTip();
    m_fade.Hide();
}

// --- Messages ---

void CSingleListDlg::OnFirstRow(int row)
{
    // The bar reports its row at every paint of the host's list; repainting
    // for an unchanged row would bring the next report, without end.
    row = row < 0 ? 0 : row;
    if (row > LastFirstRow()) {
        // The host's list went past the last page (its own page size can
        // differ for a moment): it comes back, and reports again.
        ScrollHostLines(LastFirstRow() - row);
        return;
    }
    if (row == m_firstVisible)
        return;
    m_firstVisible = row;
    HideHighlightAndTip();
    KillTimer(kTipTimer);
    RepaintRows();
}

void CSingleListDlg::OnMovePopups(int dx, int dy)
{
    for (CWnd* popup : {static_cast<CWnd*>(m_host.get()), static_cast<CWnd*>(m_highlight.get()),
                        static_cast<CWnd*>(m_tooltip.get())}) {
        RECT rect{};
        if (popup && popup->m_hWnd && popup->GetWindowRect(&rect))
            popup->SetWindowPos(nullptr, rect.left + dx, rect.top + dy, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_tipRect = RECT{m_tipRect.left + dx, m_tipRect.top + dy, m_tipRect.right + dx, m_tipRect.bottom + dy};
}

bool CSingleListDlg::OnTimer(UINT_PTR id)
{
    if (id == kTipTimer) {
        KillTimer(kTipTimer);
        if (m_tooltip) {
            m_tooltip->SetWindowPos(nullptr, m_tipRect.left, m_tipRect.top, m_tipRect.right - m_tipRect.left,
                                    m_tipRect.bottom - m_tipRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
            m_tooltip->ShowWindow(SW_SHOWNA);
        }
        return true;
    }
    return m_fade.OnTimer(id);
}

bool CSingleListDlg::OnDestroy()
{
    KillTimer(kTipTimer);
    m_fade.SetWindows(nullptr, nullptr);
    for (HWND& tip : m_headerTips) {
        if (tip)
            ::DestroyWindow(tip);
        tip = nullptr;
    }
    m_store = ListRowStore();
    m_host.reset();
    m_highlight.reset();
    m_tooltip.reset();
    return false;
}

LRESULT CSingleListDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        MSG relayed{m_hWnd, msg, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
        relayed.pt = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        for (HWND tip : m_headerTips) {
            if (tip)
                ::SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
    }
    switch (msg) {
    case MSG_DEFERRED_INIT:
        OnDeferredInit();
        return 0;
    case kMsgScrollFirstRow:
        OnFirstRow(static_cast<int>(wParam));
        return 0;
    case kMsgScrollHover:
        HideHighlightAndTip();
        KillTimer(kTipTimer);
        return 0;
    case MSG_PASS_FOCUS:
        if (m_tooltip)
            ::SetFocus(m_tooltip->m_hWnd);
        return 0;
    case MSG_MOVE_POPUPS:
        OnMovePopups(MoveDeltaX(lParam), MoveDeltaY(lParam));
        return 0;
    case WM_GETDLGCODE: {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        const bool ours = message && message->message == WM_KEYDOWN &&
                          (message->wParam == VK_TAB || message->wParam == VK_RETURN || message->wParam == VK_SPACE);
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (ours ? DLGC_WANTMESSAGE : 0);
    }
    default:
        return CDialogEx::WindowProc(msg, wParam, lParam);
    }
}
