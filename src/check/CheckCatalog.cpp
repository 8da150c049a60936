#include "check/CheckCatalog.h"

#include <windows.h>

#include "check/CheckOutput.h"
#include "config/CController.h"
#include "config/SetupCatalog.h"
#include "services/SystemFolders.h"
#include "session/ProgressRecord.h"

CheckCatalog::CheckCatalog()
{
    wchar_t temp[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    if (GetTempPathW(MAX_PATH, temp) && GetTempFileNameW(temp, L"dzc", 0, file))
        m_recordPath = file;
    if (!m_recordPath.empty())
        CopyFileW(ProgressRecord::DefaultPath().c_str(), m_recordPath.c_str(), FALSE);
}

CheckCatalog::~CheckCatalog()
{
    if (!m_recordPath.empty())
        DeleteFileW(m_recordPath.c_str());
}

int CheckCatalog::Load(CController& controller, const std::wstring& path)
{
    if (m_recordPath.empty()) {
        CheckErr(L"no temporary file for the progress record");
        return 2;
    }
    controller.SetProgressRecordPath(m_recordPath);
    SetupCatalog catalog(controller);
    if (!catalog.GetSetupSettings(path.empty() ? SystemFolders::WindowsDirectory() + L"\\Ovcd_tmp.ini" : path)) {
        CheckErr(catalog.FailureText());
        return 2;
    }
    return 0;
}
