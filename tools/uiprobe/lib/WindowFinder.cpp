#include "WindowFinder.h"

namespace uiprobe {

namespace {

struct Collect {
    const WindowQuery* query;
    std::vector<HWND>* found;
    bool firstOnly;
};

BOOL CALLBACK CollectOne(HWND hwnd, LPARAM param)
{
    auto* c = reinterpret_cast<Collect*>(param);
    if (c->query->Matches(hwnd)) {
        c->found->push_back(hwnd);
        if (c->firstOnly)
            return FALSE;
    }
    return TRUE;
}

std::vector<HWND> Enumerate(HWND parent, const WindowQuery& query, bool firstOnly)
{
    std::vector<HWND> found;
    Collect c{&query, &found, firstOnly};
    // The result of the enumeration itself carries no information: stopping early also returns FALSE.
    if (parent)
        EnumChildWindows(parent, CollectOne, reinterpret_cast<LPARAM>(&c));
    else
        EnumWindows(CollectOne, reinterpret_cast<LPARAM>(&c));
    return found;
}

template <typename Probe>
bool PollUntil(DWORD timeoutMs, Probe probe)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (probe())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(WindowFinder::kPollMs);
    }
}

} // namespace

std::vector<HWND> WindowFinder::TopLevel(const WindowQuery& query)
{
    return Enumerate(nullptr, query, false);
}

std::vector<HWND> WindowFinder::Children(HWND parent, const WindowQuery& query)
{
    if (!IsWindow(parent))
        return {};
    return Enumerate(parent, query, false);
}

HWND WindowFinder::FirstTopLevel(const WindowQuery& query)
{
    std::vector<HWND> found = Enumerate(nullptr, query, true);
    return found.empty() ? nullptr : found.front();
}

HWND WindowFinder::FirstChild(HWND parent, const WindowQuery& query)
{
    if (!IsWindow(parent))
        return nullptr;
    std::vector<HWND> found = Enumerate(parent, query, true);
    return found.empty() ? nullptr : found.front();
}

HWND WindowFinder::WaitFor(const WindowQuery& query, DWORD timeoutMs)
{
    HWND hwnd = nullptr;
    PollUntil(timeoutMs, [&] { return (hwnd = FirstTopLevel(query)) != nullptr; });
    return hwnd;
}

HWND WindowFinder::WaitForChild(HWND parent, const WindowQuery& query, DWORD timeoutMs)
{
    HWND hwnd = nullptr;
    PollUntil(timeoutMs, [&] { return !IsWindow(parent) || (hwnd = FirstChild(parent, query)) != nullptr; });
    return hwnd;
}

bool WindowFinder::WaitGone(const WindowQuery& query, DWORD timeoutMs)
{
    return PollUntil(timeoutMs, [&] { return FirstTopLevel(query) == nullptr; });
}

bool WindowFinder::WaitDestroyed(HWND hwnd, DWORD timeoutMs)
{
    return PollUntil(timeoutMs, [&] { return !IsWindow(hwnd); });
}

} // namespace uiprobe
