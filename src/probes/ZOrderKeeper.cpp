#include "probes/ZOrderKeeper.h"

#include "ui/framework/MessagePumpWait.h"

struct ZOrderKeeper::Watcher {
    struct Entry {
        HWND window = nullptr;
        bool seen = false;
    };
    HANDLE thread = nullptr;
    HANDLE wake = nullptr;
    std::atomic<bool> stop{false};
    Entry lower;
    Entry upper;
    bool relocate = false;

    ~Watcher()
    {
        if (thread)
            ::CloseHandle(thread);
        if (wake)
            ::CloseHandle(wake);
    }
};

ZOrderKeeper::ZOrderKeeper() = default;

ZOrderKeeper::~ZOrderKeeper()
{
    Stop();
}

void ZOrderKeeper::Add(HWND window)
{
    m_chain.push_back(window);
}

void ZOrderKeeper::Start()
{
    for (size_t i = 0; i + 1 < m_chain.size(); ++i) {
        auto watcher = std::make_unique<Watcher>();
        watcher->lower.window = m_chain[i];
        watcher->upper.window = m_chain[i + 1];
        watcher->wake = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!watcher->wake)
            continue;
        watcher->thread = ::CreateThread(nullptr, 0, &ZOrderKeeper::Watch, watcher.get(), CREATE_SUSPENDED, nullptr);
        if (!watcher->thread)
            continue; // that pair stays unwatched
        ::ResumeThread(watcher->thread);
        m_watchers.push_back(std::move(watcher));
    }
}

void ZOrderKeeper::Stop()
{
    // Taken out first: a message handled during the wait may start or stop again.
    std::vector<std::unique_ptr<Watcher>> stopping;
    stopping.swap(m_watchers);
    for (auto& watcher : stopping) {
        watcher->stop = true;
        ::SetEvent(watcher->wake);
    }
    for (auto& watcher : stopping)
        WaitPumpingMessages(watcher->thread, INFINITE);
}

void ZOrderKeeper::Clear()
{
    Stop();
    m_chain.clear();
}

BOOL CALLBACK ZOrderKeeper::Visit(HWND window, LPARAM param)
{
    auto* watcher = reinterpret_cast<Watcher*>(param);
    // Met topmost first: meeting the upper one after the lower means the
    // lower one lies above it.
    if (window == watcher->upper.window) {
        if (watcher->lower.seen)
            watcher->relocate = true;
        watcher->upper.seen = true;
    }
    if (window == watcher->lower.window)
        watcher->lower.seen = true;
    return TRUE;
}

DWORD WINAPI ZOrderKeeper::Watch(void* param)
{
    auto* watcher = static_cast<Watcher*>(param);
    while (!watcher->stop) {
        watcher->relocate = false;
        watcher->lower.seen = false;
        watcher->upper.seen = false;
        ::EnumWindows(&ZOrderKeeper::Visit, reinterpret_cast<LPARAM>(watcher));
        if (watcher->relocate && !watcher->stop) {
            ::OutputDebugStringW(L"Must Relocate Z-Order\n");
            // The keyboard focus cannot be given from another thread; the
            // stacking alone is restored.
            ::SetWindowPos(watcher->lower.window, watcher->upper.window, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        }
        ::WaitForSingleObject(watcher->wake, kPeriodMs);
    }
    return 0;
}
