#include "engine/CVersionNone.h"

#include "log/CInfoTracker.h"

CVersionNone::CVersionNone()
    : m_log(CInfoTracker::Instance().GetLogger(L"CVersionNone"))
{
}

CVersionNone::~CVersionNone()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

bool CVersionNone::GetCurrentVersion(std::wstring& out)
{
    LogDebug(m_log, L"[GetCurrentVersion] Enter");
    out.clear();
    LogWarn(m_log, L"[GetCurrentVersion] The Software do not set VersionType tag");
    LogDebug(m_log, L"[GetCurrentVersion] End");
    return true;
}

bool CVersionNone::IsVersionExist()
{
    LogDebug(m_log, L"[IsVersionExist] Enter");
    LogWarn(m_log, L"[IsVersionExist] The Software do not set ExistType tag");
    LogDebug(m_log, L"[IsVersionExist] End");
    return true;
}
