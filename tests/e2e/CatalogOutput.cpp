#include "CatalogOutput.h"

#include "DiscFolder.h"
#include "ProcessRunner.h"
#include "TextFile.h"

namespace {

std::vector<std::wstring> SplitTabs(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find(L'\t', start)) != std::wstring::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

std::vector<CatalogRow> ReadCatalog(const DiscFolder& disc, const std::wstring& catalogue)
{
    ProcessRunner check;
    std::vector<CatalogRow> rows;
    if (!check.Start(disc.CheckTool(), L"catalog \"" + catalogue + L"\"", disc.Root(), true) ||
        !check.WaitExit(60000) || check.ExitCode() != 0)
        return rows;
    std::vector<std::wstring> lines = TextFile::Lines(check.Output());
    if (lines.empty())
        return rows;
    std::vector<std::wstring> header = SplitTabs(lines[0]);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        std::vector<std::wstring> fields = SplitTabs(lines[i]);
        CatalogRow row;
        for (size_t c = 0; c < header.size() && c < fields.size(); ++c)
            row[header[c]] = fields[c];
        rows.push_back(row);
    }
    return rows;
}

const CatalogRow* FindTitle(const std::vector<CatalogRow>& rows, const std::wstring& title)
{
    for (const CatalogRow& row : rows)
        if (row.at(L"Title") == title)
            return &row;
    return nullptr;
}
