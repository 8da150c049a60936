#pragma once
#include <atomic>

// The stop request of one installation run. The run's thread binds it with a
// Scope; from then on the engine's pauses and waits on that thread end at once
// when it is requested, and no new step starts. A thread without a bound stop
// (an item run directly on the user-interface thread) runs to its end, so a
// stop left over from an earlier run never silences a later one.
class RunStop {
public:
    RunStop();
    ~RunStop();
    RunStop(const RunStop&) = delete;
    RunStop& operator=(const RunStop&) = delete;

    void Request();
    void Clear();
    bool IsRequested() const;

    // Binds a stop to the calling thread for the scope's lifetime.
    class Scope {
    public:
        explicit Scope(RunStop& stop);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        RunStop* m_previous;
    };

    // The calling thread's bound stop: requested yet?
    static bool Requested();
    // Sleeps unless that stop comes first; true when it came (or was there).
    static bool Pause(unsigned milliseconds);
    // Its manual-reset event (a HANDLE) for waits on several objects; null
    // when the thread has no stop bound or the system could not make one.
    static void* Event();

private:
    void* m_event = nullptr;
    std::atomic<bool> m_requested{false};
};
