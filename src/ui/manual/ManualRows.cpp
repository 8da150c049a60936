#include "ui/manual/ManualRows.h"

#include <cstddef>

void ManualRows::Build(const std::vector<Source>& sources, int tab)
{
    m_rows.clear();
    m_sources = sources;
    m_counts.fill(0);
    m_headers.fill(-1);
    for (int section = 0; section < kSections; ++section) {
        std::vector<Row> items;
        for (size_t i = 0; i < m_sources.size(); ++i) {
            if (m_sources[i].tab == tab && m_sources[i].section == section)
                items.push_back(Row{Kind::Item, section, static_cast<int>(i)});
        }
        m_counts[static_cast<size_t>(section)] = static_cast<int>(items.size());
        if (items.empty())
            continue;
        m_headers[static_cast<size_t>(section)] = Count();
        m_rows.push_back(Row{Kind::Header, section, -1});
        m_rows.insert(m_rows.end(), items.begin(), items.end());
        if (section < kSections - 1)
            m_rows.push_back(Row{Kind::Blank, -1, -1});
    }
}

ManualRows::Row ManualRows::At(int index) const
{
    if (index < 0 || index >= Count())
        return Row{};
    return m_rows[static_cast<size_t>(index)];
}

int ManualRows::ItemNoAt(int index) const
{
    const Row row = At(index);
    if (row.kind != Kind::Item || row.source < 0 || row.source >= static_cast<int>(m_sources.size()))
        return -1;
    return m_sources[static_cast<size_t>(row.source)].itemNo;
}

int ManualRows::SectionCount(int section) const
{
    return section >= 0 && section < kSections ? m_counts[static_cast<size_t>(section)] : 0;
}

int ManualRows::HeaderRow(int section) const
{
    return section >= 0 && section < kSections ? m_headers[static_cast<size_t>(section)] : -1;
}
