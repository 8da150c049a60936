#include "engine/CKillWHQLWarnNone.h"

#include "log/CInfoTracker.h"

CKillWHQLWarnNone::CKillWHQLWarnNone()
    : m_log(CInfoTracker::Instance().GetLogger(L"CKillWHQLWarnNone"))
{
}

CKillWHQLWarnNone::~CKillWHQLWarnNone()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}
