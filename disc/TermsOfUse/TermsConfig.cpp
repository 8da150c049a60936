#include "TermsOfUse/TermsConfig.h"

#include "services/IniFile.h"
#include "ui/skin/ColorText.h"

namespace {

void ReadText(const IniFile& ini, const wchar_t* key, std::wstring& value)
{
    std::wstring read;
    ini.GetString(L"Terms", key, value, read);
    value = read;
}

void ReadColor(const IniFile& ini, const wchar_t* key, COLORREF& value)
{
    std::wstring read;
    ini.GetString(L"Look", key, L"", read);
    if (!read.empty())
        value = ColorText::Parse(read);
}

} // namespace

TermsConfig TermsConfig::Load(const std::wstring& iniPath)
{
    TermsConfig config;
    if (GetFileAttributesW(iniPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return config;
    IniFile ini;
    if (!ini.Open(iniPath))
        return config;
    ReadText(ini, L"Folder", config.folder);
    ReadText(ini, L"File", config.file);
    ReadText(ini, L"Title", config.title);
    ReadText(ini, L"Accept", config.acceptText);
    ReadText(ini, L"Decline", config.declineText);
    ReadText(ini, L"AcceptedNotice", config.acceptedNotice);
    ReadText(ini, L"DeclinedNotice", config.declinedNotice);
    ReadColor(ini, L"Background", config.background);
    ReadColor(ini, L"Panel", config.panel);
    ReadColor(ini, L"Text", config.text);
    ReadColor(ini, L"Title", config.titleColor);
    ReadColor(ini, L"Accent", config.accent);
    ReadColor(ini, L"ButtonText", config.buttonText);
    ini.Close();
    return config;
}
