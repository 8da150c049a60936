#pragma once
#include <windows.h>

#include <vector>

#include "WindowQuery.h"

namespace uiprobe {

// Finds windows of any process on this desktop; every wait is bounded.
class WindowFinder {
public:
    static std::vector<HWND> TopLevel(const WindowQuery& query);
    // All descendants of parent (not only direct children), in Z order.
    static std::vector<HWND> Children(HWND parent, const WindowQuery& query);

    static HWND FirstTopLevel(const WindowQuery& query);
    static HWND FirstChild(HWND parent, const WindowQuery& query);

    // The first matching top-level window, or nullptr once timeoutMs passed.
    static HWND WaitFor(const WindowQuery& query, DWORD timeoutMs);
    static HWND WaitForChild(HWND parent, const WindowQuery& query, DWORD timeoutMs);
    // True once no top-level window matches; false on time-out.
    static bool WaitGone(const WindowQuery& query, DWORD timeoutMs);
    // True once the window no longer exists; false on time-out.
    static bool WaitDestroyed(HWND hwnd, DWORD timeoutMs);

    static constexpr DWORD kPollMs = 40;
};

} // namespace uiprobe
