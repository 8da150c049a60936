#pragma once
#include <windows.h>

#include <string>

namespace uiprobe {

// Reads names and texts of windows that may belong to other processes.
class WindowText {
public:
    static std::wstring ClassName(HWND hwnd);
    // The caption as the system stores it; never sends a message.
    static std::wstring Caption(HWND hwnd);
    // The text as the window reports it (WM_GETTEXT, bounded wait); edit
    // controls of other processes only answer this way. Falls back to Caption.
    static std::wstring Text(HWND hwnd, UINT timeoutMs = 1000);
};

} // namespace uiprobe
