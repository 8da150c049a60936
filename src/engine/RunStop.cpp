#include "engine/RunStop.h"

#include <windows.h>

namespace {

thread_local RunStop* t_bound = nullptr;

} // namespace

RunStop::RunStop() : m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

RunStop::~RunStop()
{
    if (m_event)
        CloseHandle(static_cast<HANDLE>(m_event));
}

void RunStop::Request()
{
    m_requested = true;
    if (m_event)
        SetEvent(static_cast<HANDLE>(m_event));
}

void RunStop::Clear()
{
    m_requested = false;
    if (m_event)
        ResetEvent(static_cast<HANDLE>(m_event));
}

bool RunStop::IsRequested() const
{
    return m_requested;
}

RunStop::Scope::Scope(RunStop& stop) : m_previous(t_bound)
{
    t_bound = &stop;
}

RunStop::Scope::~Scope()
{
    t_bound = m_previous;
}

bool RunStop::Requested()
{
    return t_bound && t_bound->IsRequested();
}

bool RunStop::Pause(unsigned milliseconds)
{
    RunStop* stop = t_bound;
    if (!stop) {
        Sleep(milliseconds);
        return false;
    }
    if (stop->m_event)
        return WaitForSingleObject(static_cast<HANDLE>(stop->m_event), milliseconds) == WAIT_OBJECT_0;
    // No event could be made: the pause runs out, then the request counts.
    Sleep(milliseconds);
    return stop->IsRequested();
}

void* RunStop::Event()
{
    return t_bound ? t_bound->m_event : nullptr;
}
