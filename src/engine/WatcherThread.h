#pragma once
#include <functional>

// One watcher thread of a finish detector: it runs a wait that ends when its
// stop event is set. Stop sets the event, waits for the thread and closes
// both handles, so no thread or handle outlives a run.
class WatcherThread {
public:
    WatcherThread() = default;
    ~WatcherThread() { Stop(); }
    WatcherThread(const WatcherThread&) = delete;
    WatcherThread& operator=(const WatcherThread&) = delete;

    // The body gets the stop event (a HANDLE). Returns the thread's handle,
    // valid until Stop returns; null when the thread cannot be made.
    void* Start(std::function<void(void* stopEvent)> body);
    void Stop();

private:
    static unsigned long __stdcall Run(void* self);

    std::function<void(void*)> m_body;
    void* m_thread = nullptr;
    void* m_stop = nullptr;
};
