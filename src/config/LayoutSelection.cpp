#include "config/LayoutSelection.h"

#include <windows.h>

#include "config/CController.h"
#include "config/LayoutChoice.h"
#include "log/CInfoTracker.h"
#include "probes/BoardIdentification.h"
#include "probes/ExeFolder.h"
#include "services/FileExists.h"
#include "services/IniFile.h"
#include "services/UserNotice.h"
#include "ui/skin/StyleSheet.h"

LayoutSelection::LayoutSelection(CController& controller)
    : m_controller(controller)
    , m_log(CInfoTracker::Instance().GetLogger(L"LayoutSelection"))
{
}

LayoutSelection::~LayoutSelection()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

std::wstring LayoutSelection::ConfigPath()
{
    return ExeFolder() + L"LayoutCfg.ini";
}

std::wstring LayoutSelection::ChooseLayoutName(const std::wstring& current)
{
    if (!LayoutChoice::IsAuto(current)) {
        m_controller.BoardLine = LayoutChoice::BoardLineForName(current);
        return current;
    }
    const int status = GetBoardLineCode();
    LogInfo(m_log, L"[LoadLayoutConfig] Board line status %d", status);
    return LayoutChoice::LayoutForStatus(status, m_controller.BoardLine);
}

void LayoutSelection::Load()
{
    m_controller.m_styleSheet = std::make_unique<StyleSheet>();
    const std::wstring folder = ExeFolder();
    const std::wstring path = folder + L"LayoutCfg.ini";
    if (!FileExists(path)) {
        UserNotice::Current().ShowAndExit(L"Do not find LayoutCfg.ini");
        return;
    }

    IniFile ini;
    if (!ini.Open(path))
        LogError(m_log, L"[LoadLayoutConfig] Open %s fail", path.c_str());

    std::wstring current;
    ini.GetString(L"LayoutPath", L"Current", L"", current);
    std::wstring layoutPath;
    if (current.empty()) {
        UserNotice::Current().Show(L"Do not find current layout in layout config");
    } else {
        const std::wstring name = ChooseLayoutName(current);
        ini.GetString(L"LayoutPath", name, L"", layoutPath);
        if (layoutPath.empty())
            UserNotice::Current().Show(L"Do not find layout path in layout config");
    }

    m_controller.m_styleSheet->SetLayoutFolder(FolderOf(layoutPath));
    m_controller.LayoutPathText = layoutPath;

    ini.GetInt(L"Config", L"ForceManual", 0, m_controller.ForceManual);
    ini.GetInt(L"Config", L"Tool", 0, m_controller.Tool);
    std::wstring fileList;
    ini.GetString(L"Config", L"Filelist", L"", fileList);
    m_controller.FileListPath = folder + fileList;
    ini.GetInt(L"Config", L"TermsOfUse", 0, m_controller.TermsOfUse);
    ini.Close();
}

std::wstring LayoutSelection::FolderOf(const std::wstring& layoutPath)
{
    // Without a layout path the folder is the program folder itself, not
    // the program folder with a second backslash.
    std::wstring layoutFolder = ExeFolder() + layoutPath;
    if (!layoutPath.empty() && layoutPath.back() != L'\\' && layoutPath.back() != L'/')
        layoutFolder += L'\\';
    return layoutFolder;
}

std::wstring LayoutSelection::NamedLayoutFolder(const std::wstring& name)
{
    const std::wstring layoutPath = ConfigValue(L"LayoutPath", name);
    return layoutPath.empty() ? std::wstring() : FolderOf(layoutPath);
}

std::wstring LayoutSelection::TabName(const std::wstring& key)
{
    return ConfigValue(L"TabName", key);
}

std::wstring LayoutSelection::ConfigValue(const std::wstring& section, const std::wstring& key)
{
    IniFile ini;
    std::wstring value;
    if (ini.Open(ConfigPath())) {
        ini.GetString(section, key, L"", value);
        ini.Close();
    }
    return value;
}
