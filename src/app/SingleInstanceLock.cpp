#include "app/SingleInstanceLock.h"

SingleInstanceLock::Result SingleInstanceLock::Acquire(const wchar_t* name)
{
    Release();
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, name);
    if (!mutex)
        return Result::Failed;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::ReleaseMutex(mutex); // not owned: fails harmlessly
        ::CloseHandle(mutex);
        return Result::AlreadyRunning;
    }
    m_mutex = mutex;
    return Result::Acquired;
}

void SingleInstanceLock::Release()
{
    if (!m_mutex)
        return;
    ::ReleaseMutex(m_mutex);
    ::CloseHandle(m_mutex);
    m_mutex = nullptr;
}
