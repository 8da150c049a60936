#pragma once

// Where the items of a component list sit among its rows. An automatic list
// with offer items: row 0 the "Special Offers" heading, rows 1..n the
// offers, row n + 1 the tab heading, the normal items after it. Without
// offers: row 0 the tab heading, the items after it. A manual list: the
// items from row 0, no heading. A group without items has no rows at all.
class RowModel {
public:
    enum class Group { None, Offer, Normal };
    struct Slot {
        Group group = Group::None;
        int index = -1;
    };

    RowModel() = default;
    RowModel(bool automatic, int offerCount, int normalCount);

    int OfferCount() const { return m_offers; }
    int NormalCount() const { return m_normals; }
    bool Automatic() const { return m_automatic; }
    // -1 when the list has no such heading row.
    int OfferHeadingRow() const { return m_offerHeading; }
    int NormalHeadingRow() const { return m_normalHeading; }
    // Rows of the list, headings included.
    int TotalRows() const { return m_total; }
    bool HasRow(int row) const { return row >= 0 && row < m_total; }
    bool IsHeading(int row) const { return HasRow(row) && (row == m_offerHeading || row == m_normalHeading); }
    // The item a row shows; Group::None for headings and rows that do not exist.
    Slot SlotOf(int row) const;
    int RowOf(Group group, int index) const;
    // The rows of a heading's group, [first, last]; empty (first > last) for other rows.
    void GroupRows(int headingRow, int& first, int& last) const;

    int HiddenRows(int rowsPerPage) const { return m_total - rowsPerPage; }
    // Height of the scroll thumb for a row area of that height.
    int ThumbHeight(int rowAreaHeight, int rowsPerPage, bool lowerList) const;
    // The scroll host shows only when there is something to scroll.
    bool HostShown(int rowsPerPage) const { return m_total > rowsPerPage; }

private:
    bool m_automatic = true;
    int m_offers = 0;
    int m_normals = 0;
    int m_offerHeading = -1;
    int m_normalHeading = -1;
    int m_total = 0;
};
