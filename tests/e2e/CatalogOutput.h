#pragma once
#include <map>
#include <string>
#include <vector>

class DiscFolder;

// The catalogue as the check tool prints it ("Dezozi2Check.exe catalog"):
// one row per item in the program's order, by column name.
using CatalogRow = std::map<std::wstring, std::wstring>;

// Empty when the tool failed. catalogue: a path of the disc's catalogue source.
std::vector<CatalogRow> ReadCatalog(const DiscFolder& disc, const std::wstring& catalogue);
const CatalogRow* FindTitle(const std::vector<CatalogRow>& rows, const std::wstring& title);
