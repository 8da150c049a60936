#include "engine/CDetectFinishTimeOut.h"

#include <windows.h>

#include "config/SetupItem.h"
#include "engine/ItemKey.h"
#include "engine/NotifyCallBack.h"
#include "engine/RunRules.h"
#include "log/CInfoTracker.h"
#include "services/IniFile.h"

CDetectFinishTimeOut::CDetectFinishTimeOut(int direction, bool recovery)
    : m_log(CInfoTracker::Instance().GetLogger(L"CDetectFinishTimeOut")),
      m_recovery(recovery),
      m_direction(direction)
{
}

CDetectFinishTimeOut::~CDetectFinishTimeOut()
{
    m_watcher.Stop();
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

bool CDetectFinishTimeOut::GetTimeoutValue(const SetupItem& item, int& seconds)
{
    LogDebug(m_log, L"[GetTimeoutValue] Enter");
    IniFile ini;
    if (!ini.Open(item.CatalogPath)) {
        LogError(m_log, L"[GetTimeoutValue] Open ini fail");
        return false;
    }
    const wchar_t* key =
        m_direction == DIRECTION_INSTALL ? L"InstallFinishTimeOutSecond" : L"UninstallFinishTimeOutSecond";
    int read = kCatalogMissing;
    ini.GetInt(L"SETUP_ITEM", ItemKey(item.ItemNo, key), kCatalogMissing, read);
    seconds = RunRules::TimeoutSeconds(read, m_recovery);
    LogDebug(m_log, L"[GetTimeoutValue] Software:%s, TimeoutValue:%d", item.Title.c_str(), seconds);
    LogDebug(m_log, L"[GetTimeoutValue] End");
    return true;
}

void* CDetectFinishTimeOut::StartDetect()
{
    LogDebug(m_log, L"[StartDetect] Enter [4]");
    if (!m_item || !GetTimeoutValue(*m_item, m_timeout))
        m_timeout = 120;
    // Negative values wait no time; the wait itself is bounded by the DWORD range.
    const DWORD wait = m_timeout <= 0 ? 0
                       : static_cast<unsigned long long>(m_timeout) * 1000ull >= INFINITE
                           ? INFINITE - 1
                           : static_cast<DWORD>(m_timeout) * 1000u;
    void* thread = m_watcher.Start([wait](void* stop) { WaitForSingleObject(static_cast<HANDLE>(stop), wait); });
    if (!thread)
        LogDebug(m_log, L"[StartDetect] Can not create thread");
    return thread;
}

void CDetectFinishTimeOut::StopDetect()
{
    m_watcher.Stop();
}
