#include "ListViewReader.h"

#include <commctrl.h>

namespace uiprobe {

ListViewReader::ListViewReader(HWND list) : m_list(list)
{
    DWORD pid = 0;
    if (!list || !GetWindowThreadProcessId(list, &pid))
        return;
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                            FALSE, pid);
    if (m_process)
        m_remote = VirtualAllocEx(m_process, nullptr, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

ListViewReader::~ListViewReader()
{
    if (m_remote)
        VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
    if (m_process)
        CloseHandle(m_process);
}

int ListViewReader::Count() const
{
    return static_cast<int>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListViewReader::Text(int row, int column) const
{
    if (!m_remote)
        return std::wstring();
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(m_remote) + sizeof(LVITEMW));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = remoteText;
    item.cchTextMax = static_cast<int>(kTextChars);
    const wchar_t empty = L'\0';
    if (!WriteProcessMemory(m_process, m_remote, &item, sizeof(item), nullptr) ||
        !WriteProcessMemory(m_process, remoteText, &empty, sizeof(empty), nullptr))
        return std::wstring();
    const LRESULT length = SendMessageW(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(m_remote));
    wchar_t text[kTextChars] = {};
    if (length <= 0 || !ReadProcessMemory(m_process, remoteText, text, sizeof(text), nullptr))
        return std::wstring();
    return std::wstring(text, static_cast<size_t>(length < static_cast<LRESULT>(kTextChars) ? length : kTextChars - 1));
}

bool ListViewReader::Checked(int row) const
{
    const LRESULT state = SendMessageW(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

std::vector<ListViewReader::Row> ListViewReader::Rows(int columns) const
{
    std::vector<Row> rows;
    const int count = Count();
    for (int r = 0; r < count; ++r) {
        Row row;
        for (int c = 0; c < columns; ++c)
            row.cells.push_back(Text(r, c));
        row.checked = Checked(r);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace uiprobe
