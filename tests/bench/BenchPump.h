#pragma once
#include <windows.h>

// Runs the thread's waiting messages (paints, posted set-up) and returns.
inline void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
