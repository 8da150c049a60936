#pragma once
#include <string>

class SoftwareList;

// The outcome files of the unattended runs: one "title,version,installed"
// line per item of the current tab, appended, in the system's ANSI code page.
class ResultFiles {
public:
    // folder: the Windows directory (no trailing backslash).
    ResultFiles(const SoftwareList& items, int currentTab, const std::wstring& folder)
        : m_items(items), m_tab(currentTab), m_folder(folder)
    {
    }

    // "Pavex_result.log" after a recovery run.
    void WriteResultLog() const { Append(L"\\Pavex_result.log"); }
    // "Ov_Error.tag" in check mode while items are left to install.
    void WriteErrorTag() const { Append(L"\\Ov_Error.tag"); }

    // One line: fields as they stand, unquoted, ended by a line feed.
    static std::wstring Line(const std::wstring& title, const std::wstring& version, const std::wstring& installed);

private:
    void Append(const wchar_t* fileName) const;

    const SoftwareList& m_items;
    int m_tab;
    std::wstring m_folder;
};
