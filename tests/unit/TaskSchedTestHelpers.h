#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <oleauto.h>
#include <taskschd.h>

#include <string>

// Whether the root folder holds the task, asked of the Task Scheduler itself
// (COM must be initialised on the calling thread). A scheduler that cannot be
// asked fails the test: "no task" would then mean nothing.
inline bool TaskExists(const std::wstring& name)
{
    ITaskService* service = nullptr;
    const HRESULT created = CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                             reinterpret_cast<void**>(&service));
    if (FAILED(created)) {
        ADD_FAILURE() << "the task service cannot be created: 0x" << std::hex << created;
        return false;
    }
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
    } else {
        ADD_FAILURE() << "the task service answers no questions";
    }
    SysFreeString(rootPath);
    SysFreeString(taskName);
    service->Release();
    return found;
}
