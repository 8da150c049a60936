#include "engine/CMethodPure.h"

#include <windows.h>

#include "config/SetupItem.h"
#include "engine/RunRules.h"
#include "log/CInfoTracker.h"
#include "engine/SetupRunResult.h"
#include "probes/ExeFolder.h"
#include "services/ProgramLaunch.h"
#include "services/PathText.h"

CMethodPure::CMethodPure(int kind, bool recovery)
    : m_log(CInfoTracker::Instance().GetLogger(L"CMethodPure")),
      m_kind(kind),
      m_recovery(recovery)
{
}

CMethodPure::~CMethodPure()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

std::wstring CMethodPure::SetupFolder(const std::wstring& exeFolder, const std::wstring& itemPath)
{
    return SingleBackslashes(exeFolder + L"\\" + itemPath);
}

std::wstring CMethodPure::SetupFile(const std::wstring& exeFolder, const std::wstring& itemPath)
{
    return SingleBackslashes(exeFolder + L"\\" + itemPath + L"\\" + L"OvraSetup.exe");
}

bool CMethodPure::RunSetup()
{
    LogDebug(m_log, L"[RunSetup] Enter");
    m_notStarted = SetupRunResult::kNotStarted;
    if (!m_item)
        return false;
    const std::wstring folder = ExeFolder();
    const std::wstring file = SetupFile(folder, m_item->Path);
    const std::wstring directory = SetupFolder(folder, m_item->Path);
    const std::wstring arguments = RunRules::SetupArguments(m_kind, m_recovery);
    LogInfo(m_log, L"[RunSetup] InstallPath:%s %s", file.c_str(), arguments.c_str());
    // The handle of an earlier run of this item is of no use any more.
    if (m_item->ProcessHandle)
        CloseHandle(static_cast<HANDLE>(m_item->ProcessHandle));
    m_item->ProcessHandle = nullptr;
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        LogInfo(m_log, L"[RunSetup] Can not find file");
        m_notStarted = SetupRunResult::kMissing;
        return false;
    }
    const ProgramLaunch::Result launch = ProgramLaunch::Start(file, arguments, directory, true);
    if (!launch.started) {
        LogError(m_log, L"[RunSetup] %s could not be started: %s", file.c_str(),
                 ProgramLaunch::ErrorText(launch.error, file).c_str());
        m_notStarted = SetupRunResult::kNotStarted;
        return false;
    }
    m_notStarted.clear();
    m_item->ProcessHandle = launch.process;
    return true;
}
