#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

// Keeps a chain of pop-up windows stacked in order while they are shown
// together: one watcher thread per neighbouring pair looks once a second and
// puts a lower window that has come above its upper neighbour back below it.
class ZOrderKeeper {
public:
    static constexpr DWORD kPeriodMs = 1000;

    ZOrderKeeper();
    ~ZOrderKeeper();
    ZOrderKeeper(const ZOrderKeeper&) = delete;
    ZOrderKeeper& operator=(const ZOrderKeeper&) = delete;

    // Appends a window above the ones added before it.
    void Add(HWND window);
    // One watcher per neighbouring pair; nothing with fewer than two windows.
    void Start();
    // Wakes every watcher, waits for it (answering this thread's windows
    // meanwhile: a watcher's restacking is sent to them) and closes it.
    void Stop();
    // Stops and forgets the chain.
    void Clear();
    size_t WatcherCount() const { return m_watchers.size(); }

private:
    struct Watcher;
    static DWORD WINAPI Watch(void* watcher);
    static BOOL CALLBACK Visit(HWND window, LPARAM watcher);

    std::vector<HWND> m_chain;
    std::vector<std::unique_ptr<Watcher>> m_watchers;
};
