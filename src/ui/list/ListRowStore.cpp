#include "ui/list/ListRowStore.h"

#include <commctrl.h>

#include "config/CLanguage.h"

namespace {

constexpr const wchar_t* kColumnTitles[ItemRowTexts::kColumns] = {L"Driver", L"Status", L"Available Version",
                                                                   L"Installed Version", L"Restart"};
constexpr int kColumnWidth = 100;

} // namespace

void ListRowStore::Reset()
{
    if (!m_list)
        return;
    ::SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    HWND header = reinterpret_cast<HWND>(::SendMessageW(m_list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int c = columns - 1; c >= 0; --c)
        ::SendMessageW(m_list, LVM_DELETECOLUMN, static_cast<WPARAM>(c), 0);
    for (int c = 0; c < ItemRowTexts::kColumns; ++c) {
        std::wstring title = Translate(kColumnTitles[c]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = kColumnWidth;
        column.pszText = title.data();
        column.iSubItem = c;
        ::SendMessageW(m_list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
    ::SendMessageW(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

void ListRowStore::Append(const ItemRowTexts::Cells& cells, bool ticked)
{
    if (!m_list)
        return;
    std::wstring name = cells[0];
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = name.data();
    const int row = static_cast<int>(::SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return;
    for (int c = 1; c < ItemRowTexts::kColumns; ++c) {
        if (!cells[static_cast<size_t>(c)].empty())
            SetText(row, c, cells[static_cast<size_t>(c)]);
    }
    if (ticked)
        SetTicked(row, true);
}

int ListRowStore::Count() const
{
    return m_list ? static_cast<int>(::SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring ListRowStore::Text(int row, int column) const
{
    if (!m_list || row < 0 || row >= Count())
        return std::wstring();
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    const LRESULT length =
        ::SendMessageW(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::wstring(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

void ListRowStore::SetText(int row, int column, const std::wstring& text) const
{
    if (!m_list)
        return;
    std::wstring copy = text;
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = copy.data();
    ::SendMessageW(m_list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool ListRowStore::Ticked(int row) const
{
    if (!m_list)
        return false;
    const LRESULT state = ::SendMessageW(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ListRowStore::SetTicked(int row, bool ticked) const
{
    if (!m_list)
        return;
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    ::SendMessageW(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

TickRules::Ticks ListRowStore::ReadTicks() const
{
    const int count = Count();
    TickRules::Ticks ticks(static_cast<size_t>(count), false);
    for (int row = 0; row < count; ++row)
        ticks[static_cast<size_t>(row)] = Ticked(row);
    return ticks;
}

void ListRowStore::WriteTicks(const TickRules::Ticks& ticks) const
{
    const int count = Count();
    for (int row = 0; row < count && static_cast<size_t>(row) < ticks.size(); ++row) {
        if (Ticked(row) != ticks[static_cast<size_t>(row)])
            SetTicked(row, ticks[static_cast<size_t>(row)]);
    }
}
