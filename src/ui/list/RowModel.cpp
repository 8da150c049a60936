#include "ui/list/RowModel.h"

#include <algorithm>

RowModel::RowModel(bool automatic, int offerCount, int normalCount)
    : m_automatic(automatic), m_offers(std::max(0, offerCount)), m_normals(std::max(0, normalCount))
{
    if (!m_automatic) {
        // Manual lists never group offers: everything is a normal item.
        m_normals += m_offers;
        m_offers = 0;
        m_total = m_normals;
        return;
    }
    if (m_offers > 0) {
        m_offerHeading = 0;
        m_total = m_offers + 1;
    }
    if (m_normals > 0) {
        m_normalHeading = m_total;
        m_total += m_normals + 1;
    }
}

RowModel::Slot RowModel::SlotOf(int row) const
{
    if (!HasRow(row) || IsHeading(row))
        return Slot{};
    if (!m_automatic)
        return Slot{Group::Normal, row};
    if (m_offerHeading >= 0 && row <= m_offers)
        return Slot{Group::Offer, row - 1};
    return Slot{Group::Normal, row - m_normalHeading - 1};
}

int RowModel::RowOf(Group group, int index) const
{
    if (group == Group::Offer && index >= 0 && index < m_offers)
        return m_offerHeading + 1 + index;
    if (group == Group::Normal && index >= 0 && index < m_normals)
        return m_automatic ? m_normalHeading + 1 + index : index;
    return -1;
}

void RowModel::GroupRows(int headingRow, int& first, int& last) const
{
    first = 0;
    last = -1;
    if (headingRow < 0)
        return;
    if (headingRow == m_offerHeading) {
        first = headingRow + 1;
        last = headingRow + m_offers;
    } else if (headingRow == m_normalHeading) {
        first = headingRow + 1;
        last = headingRow + m_normals;
    }
}

int RowModel::ThumbHeight(int rowAreaHeight, int rowsPerPage, bool lowerList) const
{
    if (lowerList)
        return 50;
    return std::max(150, rowAreaHeight - 31 * HiddenRows(rowsPerPage));
}
