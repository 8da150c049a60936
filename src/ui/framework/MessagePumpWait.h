#pragma once
#include <windows.h>

// Waits for a handle while the calling thread goes on dispatching its
// window messages, so that a thread waited for can still send to the
// caller's windows. WAIT_OBJECT_0 when signalled, WAIT_TIMEOUT, or
// WAIT_FAILED; a WM_QUIT met on the way is put back in the queue.
DWORD WaitPumpingMessages(HANDLE handle, DWORD timeoutMs);

// A pause during which the calling thread still answers: messages sent to
// it are handled and its windows repaint. Input and posted messages stay
// queued for the window's own loop, so nothing new starts meanwhile.
void PauseAnswering(DWORD milliseconds);
