#pragma once

// The stop request of the installation runs: once requested, no new step of
// a run starts, every pause and wait of a run ends at once, and the run's
// thread ends by itself. Cleared when the next run starts.
class RunStop {
public:
    static void Request();
    static void Clear();
    static bool Requested();
    // Sleeps unless a stop comes first; true when it came (or was there).
    static bool Pause(unsigned milliseconds);
    // The manual-reset event behind the request (a HANDLE), for waits on
    // several objects; null only when the system could not make one.
    static void* Event();
};
