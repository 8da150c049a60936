#pragma once
#include <windows.h>

#include <string>

namespace uiprobe {

// What a window must look like to match. Empty fields match anything.
struct WindowQuery {
    std::wstring className;     // exact, case-insensitive
    std::wstring title;         // exact
    std::wstring titleContains; // substring, case-sensitive
    DWORD processId = 0;        // 0: any process
    int controlId = -1;         // children only; -1: any id
    bool visibleOnly = false;

    bool Matches(HWND hwnd) const;
};

} // namespace uiprobe
