#include "engine/CRebootNone.h"

#include "log/CInfoTracker.h"

CRebootNone::CRebootNone()
    : m_log(CInfoTracker::Instance().GetLogger(L"CRebootNone"))
{
}

CRebootNone::~CRebootNone()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CRebootNone::ExecReboot()
{
    LogDebug(m_log, L"[ExecReboot] Enter");
    LogDebug(m_log, L"[ExecReboot] End");
}
