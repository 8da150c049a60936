#pragma once
// The two functions of the disc's task library "OvTaskSched.dll", exported
// undecorated. Both take wide-character buffers of 260 characters and use the
// Windows calling convention (__stdcall on 32-bit Windows).
#include <windows.h>

#define OVTASKSCHED_DLL L"OvTaskSched.dll"
#define OVTASKSCHED_BUFFER 260

// Registers (or replaces) a task that runs program with arguments at the next
// log-on with the highest privileges. S_OK; S_FALSE when the task is
// registered but the system could not give it its log-on trigger or its
// highest run level (Wine); an error HRESULT when nothing was registered.
typedef HRESULT(WINAPI* RegisterScheduledTaskFn)(wchar_t* taskName, wchar_t* program, wchar_t* arguments);

// Deletes the task; S_OK also when there is no such task.
typedef HRESULT(WINAPI* DeleteScheduleTaskFn)(wchar_t* taskName);
