#include "engine/RunStop.h"

#include <windows.h>

namespace {

HANDLE StopEvent()
{
    // Made once for the process and kept to its end.
    static HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return event;
}

} // namespace

void RunStop::Request()
{
    SetEvent(StopEvent());
}

void RunStop::Clear()
{
    ResetEvent(StopEvent());
}

bool RunStop::Requested()
{
    return WaitForSingleObject(StopEvent(), 0) == WAIT_OBJECT_0;
}

bool RunStop::Pause(unsigned milliseconds)
{
    HANDLE event = StopEvent();
    if (!event) {
        Sleep(milliseconds);
        return false;
    }
    return WaitForSingleObject(event, milliseconds) == WAIT_OBJECT_0;
}

void* RunStop::Event()
{
    return StopEvent();
}
