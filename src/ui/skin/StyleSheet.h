#pragma once
#include <string>

// Colours and integers of the current layout's "Layout.ini".
class StyleSheet {
public:
    void SetLayoutFolder(const std::wstring& folder);
    const std::wstring& LayoutFolder() const { return m_layoutFolder; }
    const std::wstring& StyleFile() const { return m_styleFile; }

    unsigned long GetColor(const std::wstring& section, const std::wstring& key) const;
    int GetInt(const std::wstring& section, const std::wstring& key) const;

private:
    std::wstring m_layoutFolder;
    std::wstring m_styleFile;
};
