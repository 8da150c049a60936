#include "ui/skin/StyleSheet.h"

#include <windows.h>

#include "services/IniFile.h"
#include "services/UserNotice.h"
#include "ui/skin/ColorText.h"

void StyleSheet::SetLayoutFolder(const std::wstring& folder)
{
    m_layoutFolder = folder;
    m_styleFile = folder + L"Layout.ini";
}

unsigned long StyleSheet::GetColor(const std::wstring& section, const std::wstring& key) const
{
    const DWORD attributes = GetFileAttributesW(m_styleFile.c_str());
    if (m_styleFile.empty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        UserNotice::Current().ShowAndExit(L"Can not find \"" + m_styleFile + L"\"");
        return 0;
    }
    IniFile ini;
    if (!ini.Open(m_styleFile))
        return 0;
    std::wstring value;
    ini.GetString(section, key, L"", value);
    ini.Close();
    return ColorText::Parse(value);
}

int StyleSheet::GetInt(const std::wstring& section, const std::wstring& key) const
{
    int value = 16;
    IniFile ini;
    if (ini.Open(m_styleFile)) {
        ini.GetInt(section, key, 16, value);
        ini.Close();
    }
    return value;
}
