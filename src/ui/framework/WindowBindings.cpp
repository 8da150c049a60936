#include "ui/framework/WindowBindings.h"

#include <unordered_map>

namespace {

SRWLOCK g_lock = SRWLOCK_INIT;

// Never destroyed: windows may still see messages while statics go.
std::unordered_map<HWND, WindowBindings::Binding>& Map()
{
    static auto* map = new std::unordered_map<HWND, WindowBindings::Binding>();
    return *map;
}

} // namespace

bool WindowBindings::Add(HWND hwnd, CWnd* wnd, WNDPROC previous)
{
    ::AcquireSRWLockExclusive(&g_lock);
    const bool added = Map().emplace(hwnd, Binding{wnd, previous}).second;
    ::ReleaseSRWLockExclusive(&g_lock);
    return added;
}

bool WindowBindings::Find(HWND hwnd, Binding* binding)
{
    ::AcquireSRWLockShared(&g_lock);
    const auto it = Map().find(hwnd);
    const bool found = it != Map().end();
    if (found && binding)
        *binding = it->second;
    ::ReleaseSRWLockShared(&g_lock);
    return found;
}

void WindowBindings::Orphan(HWND hwnd)
{
    ::AcquireSRWLockExclusive(&g_lock);
    const auto it = Map().find(hwnd);
    if (it != Map().end())
        it->second.wnd = nullptr;
    ::ReleaseSRWLockExclusive(&g_lock);
}

void WindowBindings::Remove(HWND hwnd)
{
    ::AcquireSRWLockExclusive(&g_lock);
    Map().erase(hwnd);
    ::ReleaseSRWLockExclusive(&g_lock);
}
