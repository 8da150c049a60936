#include "engine/WatcherThread.h"

#include <windows.h>

void* WatcherThread::Start(std::function<void(void* stopEvent)> body)
{
    Stop();
    m_stop = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!m_stop)
        return nullptr;
    m_body = std::move(body);
    m_thread = CreateThread(nullptr, 0, &WatcherThread::Run, this, CREATE_SUSPENDED, nullptr);
    if (!m_thread) {
        CloseHandle(m_stop);
        m_stop = nullptr;
        return nullptr;
    }
    ResumeThread(m_thread);
    return m_thread;
}

void WatcherThread::Stop()
{
    if (m_stop)
        SetEvent(m_stop);
    if (m_thread) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    if (m_stop) {
        CloseHandle(m_stop);
        m_stop = nullptr;
    }
}

unsigned long __stdcall WatcherThread::Run(void* self)
{
    auto* watcher = static_cast<WatcherThread*>(self);
    watcher->m_body(watcher->m_stop);
    return 0;
}
