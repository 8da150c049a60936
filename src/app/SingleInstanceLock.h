#pragma once
#include <windows.h>

// The named mutex that keeps a second copy of the program from running.
class SingleInstanceLock {
public:
    enum class Result { Acquired, AlreadyRunning, Failed };

    SingleInstanceLock() = default;
    ~SingleInstanceLock() { Release(); }
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Creates the mutex with initial ownership. When it already existed the
    // handle is released and closed again at once.
    Result Acquire(const wchar_t* name);
    void Release();
    bool IsHeld() const { return m_mutex != nullptr; }

private:
    HANDLE m_mutex = nullptr;
};
