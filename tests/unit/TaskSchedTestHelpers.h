#pragma once
#include <windows.h>

#include <oleauto.h>
#include <taskschd.h>

#include <string>

// Whether the root folder holds the task, asked of the Task Scheduler itself
// (COM must be initialised on the calling thread).
inline bool TaskExists(const std::wstring& name)
{
    ITaskService* service = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                reinterpret_cast<void**>(&service))))
        return false;
    VARIANT empty;
    VariantInit(&empty);
    bool found = false;
    ITaskFolder* root = nullptr;
    BSTR rootPath = SysAllocString(L"\\");
    BSTR taskName = SysAllocString(name.c_str());
    if (SUCCEEDED(service->Connect(empty, empty, empty, empty)) && SUCCEEDED(service->GetFolder(rootPath, &root))) {
        IRegisteredTask* task = nullptr;
        if (SUCCEEDED(root->GetTask(taskName, &task)) && task != nullptr) {
            found = true;
            task->Release();
        }
        root->Release();
    }
    SysFreeString(rootPath);
    SysFreeString(taskName);
    service->Release();
    return found;
}
