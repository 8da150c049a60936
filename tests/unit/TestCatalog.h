#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "TestPaths.h"
#include "config/SetupItem.h"

// A setup catalogue file of the test's own: "(n)Key=value" lines in section
// SETUP_ITEM, written when asked, removed with its folder afterwards.
class TestCatalog {
public:
    explicit TestCatalog(const std::wstring& name) : m_folder(FreshTempFolder(name)), m_path(m_folder + L"Ovcd_tmp.ini") {}
    ~TestCatalog()
    {
        DeleteFileW(m_path.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    TestCatalog(const TestCatalog&) = delete;
    TestCatalog& operator=(const TestCatalog&) = delete;

    TestCatalog& Set(int itemNo, const std::wstring& key, const std::wstring& value)
    {
        m_lines.emplace_back(L"(" + std::to_wstring(itemNo) + L")" + key, value);
        return *this;
    }
    bool Write() const
    {
        std::wstring text = L"[SETUP_ITEM]\r\n";
        for (const auto& [key, value] : m_lines)
            text += key + L"=" + value + L"\r\n";
        return WriteUnicodeTestFile(m_path, text);
    }
    // A record of item n as the catalogue reader hands it to the engine.
    SetupItem Item(int itemNo, int versionFile = 0) const
    {
        SetupItem item;
        item.ItemNo = itemNo;
        item.CatalogPath = m_path;
        item.VersionFile = versionFile;
        return item;
    }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_folder;
    std::wstring m_path;
    std::vector<std::pair<std::wstring, std::wstring>> m_lines;
};
