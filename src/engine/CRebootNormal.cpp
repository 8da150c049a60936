#include "engine/CRebootNormal.h"

#include "log/CInfoTracker.h"
#include "services/SystemRestart.h"

CRebootNormal::CRebootNormal()
    : m_log(CInfoTracker::Instance().GetLogger(L"CRebootNormal"))
{
}

CRebootNormal::~CRebootNormal()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CRebootNormal::ExecReboot()
{
    LogInfo(m_log, L"[ExecReboot] Enter");
    SystemRestart::RestartWindows();
    LogDebug(m_log, L"[ExecReboot] End");
}
