// The disc's task library: one Task Scheduler 2.0 task that runs a program at
// the next log-on with the highest privileges, and its deletion.
#include <windows.h>

#include <oleauto.h>
#include <taskschd.h>

#include <cwchar>
#include <string>

#include "services/OvTaskSchedApi.h"

namespace {

// Reads at most the buffer's 260 characters, also when the caller forgot the end.
std::wstring FromBuffer(const wchar_t* buffer)
{
    if (buffer == nullptr)
        return std::wstring();
    return std::wstring(buffer, wcsnlen(buffer, OVTASKSCHED_BUFFER));
}

template <typename T> void Release(T*& p)
{
    if (p != nullptr) {
        p->Release();
        p = nullptr;
    }
}

// COM for the calling thread for the length of one call; a thread already in
// an apartment keeps it.
class ComScope {
public:
    ComScope() : m_hr(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(m_hr) || m_hr == RPC_E_CHANGED_MODE; }
    HRESULT Result() const { return m_hr; }

private:
    HRESULT m_hr;
};

class Bstr {
public:
    explicit Bstr(const std::wstring& text) : m_b(SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(m_b); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return m_b; }
    bool Ok() const { return m_b != nullptr; }

private:
    BSTR m_b;
};

HRESULT ConnectRoot(ITaskService*& service, ITaskFolder*& root)
{
    HRESULT hr = CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                  reinterpret_cast<void**>(&service));
    if (FAILED(hr))
        return hr;
    VARIANT empty;
    VariantInit(&empty);
    hr = service->Connect(empty, empty, empty, empty);
    if (FAILED(hr))
        return hr;
    Bstr rootPath(L"\\");
    return service->GetFolder(rootPath, &root);
}

// complete becomes false when the system could not take the trigger or the run level.
HRESULT FillDefinition(ITaskDefinition* task, const std::wstring& program, const std::wstring& arguments,
                       bool& complete)
{
    IRegistrationInfo* info = nullptr;
    if (SUCCEEDED(task->get_RegistrationInfo(&info))) {
        Bstr author(L"Dezozi2");
        Bstr description(L"Continues the installation of the support disc after a restart.");
        info->put_Author(author);
        info->put_Description(description);
        Release(info);
    }

    IPrincipal* principal = nullptr;
    HRESULT hr = task->get_Principal(&principal);
    if (FAILED(hr))
        return hr;
    principal->put_LogonType(TASK_LOGON_INTERACTIVE_TOKEN);
    hr = principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST);
    Release(principal);
    // A system without run levels (Wine) still gets the task.
    if (hr == E_NOTIMPL)
        complete = false;
    else if (FAILED(hr))
        return hr;

    ITaskSettings* settings = nullptr;
    if (SUCCEEDED(task->get_Settings(&settings))) {
        settings->put_StartWhenAvailable(VARIANT_TRUE);
        settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE);
        settings->put_StopIfGoingOnBatteries(VARIANT_FALSE);
        Bstr unlimited(L"PT0S");
        settings->put_ExecutionTimeLimit(unlimited);
        Release(settings);
    }

    // Some systems cannot make a log-on trigger; the task is still registered,
    // so that it can be found and removed again.
    ITriggerCollection* triggers = nullptr;
    bool triggerMade = false;
    if (SUCCEEDED(task->get_Triggers(&triggers))) {
        ITrigger* trigger = nullptr;
        if (SUCCEEDED(triggers->Create(TASK_TRIGGER_LOGON, &trigger)) && trigger != nullptr) {
            triggerMade = true;
            Release(trigger);
        }
        Release(triggers);
    }
    if (!triggerMade)
        complete = false;

    IActionCollection* actions = nullptr;
    hr = task->get_Actions(&actions);
    if (FAILED(hr))
        return hr;
    IAction* action = nullptr;
    hr = actions->Create(TASK_ACTION_EXEC, &action);
    Release(actions);
    if (FAILED(hr))
        return hr;
    IExecAction* exec = nullptr;
    hr = action->QueryInterface(IID_IExecAction, reinterpret_cast<void**>(&exec));
    Release(action);
    if (FAILED(hr))
        return hr;
    Bstr path(program);
    hr = exec->put_Path(path);
    if (SUCCEEDED(hr) && !arguments.empty()) {
        Bstr args(arguments);
        hr = exec->put_Arguments(args);
    }
    const size_t sep = program.find_last_of(L"\\/");
    if (SUCCEEDED(hr) && sep != std::wstring::npos) {
        Bstr folder(program.substr(0, sep));
        exec->put_WorkingDirectory(folder);
    }
    Release(exec);
    return hr;
}

} // namespace

extern "C" HRESULT WINAPI RegisterScheduledTask(wchar_t* taskName, wchar_t* program, wchar_t* arguments)
{
    const std::wstring name = FromBuffer(taskName);
    const std::wstring path = FromBuffer(program);
    const std::wstring args = FromBuffer(arguments);
    if (name.empty() || path.empty())
        return E_INVALIDARG;
    ComScope com;
    if (!com.Usable())
        return com.Result();

    ITaskService* service = nullptr;
    ITaskFolder* root = nullptr;
    ITaskDefinition* task = nullptr;
    IRegisteredTask* registered = nullptr;
    bool complete = true;
    HRESULT hr = ConnectRoot(service, root);
    if (SUCCEEDED(hr))
        hr = service->NewTask(0, &task);
    if (SUCCEEDED(hr))
        hr = FillDefinition(task, path, args, complete);
    if (SUCCEEDED(hr)) {
        VARIANT empty;
        VariantInit(&empty);
        Bstr bname(name);
        hr = root->RegisterTaskDefinition(bname, task, TASK_CREATE_OR_UPDATE, empty, empty,
                                          TASK_LOGON_INTERACTIVE_TOKEN, empty, &registered);
    }
    Release(registered);
    Release(task);
    Release(root);
    Release(service);
    if (FAILED(hr)) {
        wchar_t line[128];
        swprintf(line, 128, L"OvTaskSched: registering the task failed, 0x%08lX\n", static_cast<unsigned long>(hr));
        OutputDebugStringW(line);
        return hr;
    }
    return complete ? S_OK : S_FALSE;
}

extern "C" HRESULT WINAPI DeleteScheduleTask(wchar_t* taskName)
{
    const std::wstring name = FromBuffer(taskName);
    if (name.empty())
        return E_INVALIDARG;
    ComScope com;
    if (!com.Usable())
        return com.Result();
    ITaskService* service = nullptr;
    ITaskFolder* root = nullptr;
    HRESULT hr = ConnectRoot(service, root);
    if (SUCCEEDED(hr)) {
        Bstr bname(name);
        hr = root->DeleteTask(bname, 0);
        if (hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) || hr == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND))
            hr = S_OK;
    }
    Release(root);
    Release(service);
    return hr;
}
