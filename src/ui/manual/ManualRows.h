#pragma once
#include <array>
#include <cstddef>
#include <vector>

// The rows of the Manual and Tool tabs: for each of the three sections that
// has items, a header row, the items in catalogue order and, after sections
// 0 and 1, a blank separator row. Reads past the end answer "no row".
class ManualRows {
public:
    enum class Kind { None, Header, Item, Blank };
    struct Source {
        int itemNo = -1;
        int tab = 0;
        int section = 0;
    };
    struct Row {
        Kind kind = Kind::None;
        int section = -1;  // header and item rows
        int source = -1;   // item rows: index into the sources given to Build
    };
    static constexpr int kSections = 3;

    void Build(const std::vector<Source>& sources, int tab);

    int Count() const { return static_cast<int>(m_rows.size()); }
    // Kind::None for an index outside the rows.
    Row At(int index) const;
    bool IsItem(int index) const { return At(index).kind == Kind::Item; }
    // The setup item number of an item row, -1 for any other index.
    int ItemNoAt(int index) const;
    int SectionCount(int section) const;
    // Row index of a section's header, -1 when the section is empty.
    int HeaderRow(int section) const;

private:
    std::vector<Row> m_rows;
    std::vector<Source> m_sources;
    std::array<int, kSections> m_counts{};
    std::array<int, kSections> m_headers{-1, -1, -1};
};
