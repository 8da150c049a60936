#include "engine/CDetectFinishProcessPro.h"

#include <windows.h>

#include "config/SetupItem.h"
#include "log/CInfoTracker.h"

CDetectFinishProcessPro::CDetectFinishProcessPro(int direction, bool)
    : m_log(CInfoTracker::Instance().GetLogger(L"CDetectFinishProcessPro")),
      m_direction(direction)
{
}

CDetectFinishProcessPro::~CDetectFinishProcessPro()
{
    m_watcher.Stop();
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void* CDetectFinishProcessPro::StartDetect()
{
    LogDebug(m_log, L"[StartDetect] Enter [5]");
    m_stopped = false;
    HANDLE process = m_item ? static_cast<HANDLE>(m_item->ProcessHandle) : nullptr;
    void* thread = m_watcher.Start([process](void* stop) {
        if (!process)
            return;
        HANDLE waits[] = {process, static_cast<HANDLE>(stop)};
        WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    });
    if (!thread)
        LogDebug(m_log, L"[StartDetect] Can not create thread");
    return thread;
}

void CDetectFinishProcessPro::StopDetect()
{
    m_stopped = true;
    m_watcher.Stop();
}
