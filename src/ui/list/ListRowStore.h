#pragma once
#include <windows.h>

#include <string>

#include "ui/list/ItemRowTexts.h"
#include "ui/list/TickRules.h"

// The rows of a component list as they live in the scroll host's list
// control: five text columns and the check box of each row.
class ListRowStore {
public:
    explicit ListRowStore(HWND list = nullptr) : m_list(list) {}

    HWND Handle() const { return m_list; }
    // Columns 0-4 with their (translated) titles and check boxes; no rows.
    void Reset();
    // Appends a row; heading rows have only a name.
    void Append(const ItemRowTexts::Cells& cells, bool ticked);
    int Count() const;
    std::wstring Text(int row, int column) const;
    void SetText(int row, int column, const std::wstring& text) const;
    bool Ticked(int row) const;
    void SetTicked(int row, bool ticked) const;
    TickRules::Ticks ReadTicks() const;
    // Writes the rows whose state differs.
    void WriteTicks(const TickRules::Ticks& ticks) const;

private:
    HWND m_list;
};
