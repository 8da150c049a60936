#include "engine/SwRunWorker.h"

#include <windows.h>

#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "engine/RunStop.h"
#include "log/Logger.h"

SwRunWorker::~SwRunWorker()
{
    Stop();
}

void SwRunWorker::Stop()
{
    if (!m_thread)
        return;
    RequestStop();
    Wait(INFINITE);
}

bool SwRunWorker::StartAll(CController& controller)
{
    return Start(controller, 0, false);
}

bool SwRunWorker::StartSingle(CController& controller, int itemNo)
{
    return Start(controller, itemNo, true);
}

bool SwRunWorker::Start(CController& controller, int itemNo, bool single)
{
    if (IsRunning())
        return false;
    m_stop.Clear();
    m_exitCode = 0;
    m_controller = &controller;
    m_itemNo = itemNo;
    m_single = single;
    m_thread = CreateThread(nullptr, 0, &SwRunWorker::Run, this, CREATE_SUSPENDED, nullptr);
    if (!m_thread) {
        LogDebug(controller.GetLog(), L"[SwExecute] Can not create thread");
        return false;
    }
    ResumeThread(m_thread);
    return true;
}

void SwRunWorker::RequestStop()
{
    m_stop.Request();
}

bool SwRunWorker::Wait(unsigned milliseconds, bool paint)
{
    if (!m_thread)
        return true;
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        // Handles the messages sent to this thread; posted ones stay queued
        // for the window's own loop.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        // Bounded: a window that never validates would repaint for ever.
        for (int i = 0; paint && i < kPaintsPerWake &&
                        PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
             ++i)
            DispatchMessageW(&msg);
        const ULONGLONG spent = GetTickCount64() - start;
        const DWORD left = milliseconds == INFINITE ? INFINITE
                           : spent >= milliseconds  ? 0
                                                    : static_cast<DWORD>(milliseconds - spent);
        const DWORD woke =
            MsgWaitForMultipleObjects(1, &m_thread, FALSE, left, paint ? QS_SENDMESSAGE | QS_PAINT : QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0)
            break;
        if (woke != WAIT_OBJECT_0 + 1)
            return false;
    }
    if (!GetExitCodeThread(m_thread, &m_exitCode))
        m_exitCode = 0;
    CloseHandle(m_thread);
    m_thread = nullptr;
    return true;
}

bool SwRunWorker::IsRunning()
{
    return !Wait(0);
}

unsigned long __stdcall SwRunWorker::Run(void* self)
{
    auto* worker = static_cast<SwRunWorker*>(self);
    RunStop::Scope stop(worker->m_stop);
    if (worker->m_single)
        ExecuteSingleItem(*worker->m_controller, worker->m_itemNo);
    else
        SwExecute(*worker->m_controller);
    return RunStop::Requested() ? kRunStopped : kRunCompleted;
}

void SwRunWorker::SwExecute(CController& controller)
{
    if (RunStop::Pause(5000))
        return;
    for (const auto& sw : controller.Items.Items()) {
        if (RunStop::Requested())
            return;
        const SetupItem& item = sw->Item();
        if (!item.Selected || item.Doned)
            continue;
        sw->ExecuteAll(controller.RoundFlag);
        controller.RoundFlag = 0;
        // A refused item restarts nothing, so the walk goes on.
        if (item.InstallReboot && !sw->SealRefused())
            break;
    }
}

void SwRunWorker::ExecuteSingleItem(CController& controller, int itemNo)
{
    if (RunStop::Pause(1000))
        return;
    for (const auto& sw : controller.Items.Items()) {
        if (RunStop::Requested())
            break;
        if (sw->Item().ItemNo == itemNo)
            sw->ExecuteSingle();
    }
}
