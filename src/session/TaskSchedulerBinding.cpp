#include "session/TaskSchedulerBinding.h"

#include <objbase.h>

#include <cwchar>

#include "services/DiscLibrary.h"

namespace {

struct Buffer {
    explicit Buffer(const std::wstring& text)
    {
        wcsncpy(chars, text.c_str(), OVTASKSCHED_BUFFER - 1);
        chars[OVTASKSCHED_BUFFER - 1] = 0;
    }
    wchar_t chars[OVTASKSCHED_BUFFER] = {};
};

template <typename Fn> Fn Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

TaskSchedulerBinding::~TaskSchedulerBinding()
{
    Release();
}

bool TaskSchedulerBinding::BindTaskScheduler(const std::wstring& folder)
{
    Release();
    // A thread already in an apartment keeps it; only our own start is undone.
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    m_module = LoadDiscLibrary(folder.empty() ? std::wstring() : folder + OVTASKSCHED_DLL);
    if (!m_module)
        return false;
    m_register = Lookup<RegisterScheduledTaskFn>(m_module, "RegisterScheduledTask");
    m_delete = Lookup<DeleteScheduleTaskFn>(m_module, "DeleteScheduleTask");
    return Bound();
}

void TaskSchedulerBinding::Release()
{
    m_register = nullptr;
    m_delete = nullptr;
    if (m_module) {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
    if (m_comInitialised) {
        CoUninitialize();
        m_comInitialised = false;
    }
}

HRESULT TaskSchedulerBinding::RegisterScheduledTask(const std::wstring& name, const std::wstring& program,
                                                    const std::wstring& arguments)
{
    if (!m_register)
        return E_POINTER;
    Buffer taskName(name);
    Buffer taskProgram(program);
    Buffer taskArguments(arguments);
    return m_register(taskName.chars, taskProgram.chars, taskArguments.chars);
}

HRESULT TaskSchedulerBinding::DeleteScheduleTask(const std::wstring& name)
{
    if (!m_delete)
        return E_POINTER;
    Buffer taskName(name);
    return m_delete(taskName.chars);
}
