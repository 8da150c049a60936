#pragma once
#include <windows.h>

#include <string>

#include "services/OvTaskSchedApi.h"

// The two functions of the disc's task library, found by name. COM stays
// initialised for the binding's thread while the binding lives; the library
// is released with the binding. Use on one thread only.
class TaskSchedulerBinding {
public:
    TaskSchedulerBinding() = default;
    ~TaskSchedulerBinding();
    TaskSchedulerBinding(const TaskSchedulerBinding&) = delete;
    TaskSchedulerBinding& operator=(const TaskSchedulerBinding&) = delete;

    // Loads the library from the folder (trailing backslash); true when both functions are there.
    bool BindTaskScheduler(const std::wstring& folder);
    bool Bound() const { return m_register != nullptr && m_delete != nullptr; }
    void Release();

    // The texts are cut to the library's 260-character buffers. The results
    // are the library's; callers do not depend on them.
    HRESULT RegisterScheduledTask(const std::wstring& name, const std::wstring& program,
                                  const std::wstring& arguments);
    HRESULT DeleteScheduleTask(const std::wstring& name);

private:
    HMODULE m_module = nullptr;
    RegisterScheduledTaskFn m_register = nullptr;
    DeleteScheduleTaskFn m_delete = nullptr;
    bool m_comInitialised = false;
};
