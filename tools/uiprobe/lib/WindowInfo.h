#pragma once
#include <windows.h>

#include <string>

namespace uiprobe {

// A snapshot of one window's observable state.
struct WindowInfo {
    HWND hwnd = nullptr;
    HWND parent = nullptr;
    std::wstring className;
    std::wstring text;
    RECT rect{};       // screen coordinates
    RECT clientRect{}; // client area, screen coordinates
    bool visible = false;
    bool enabled = false;
    bool layered = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD processId = 0;
    DWORD threadId = 0;
    int controlId = 0;

    // False when the window does not exist (any more).
    static bool Read(HWND hwnd, WindowInfo& out);

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
};

} // namespace uiprobe
