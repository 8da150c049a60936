#pragma once
#include <windows.h>

class CWnd;

// Which object subclassed which window, and the procedure it replaced. Kept
// in the process: a window property is a round trip to the window server
// under Wine, paid on every message.
class WindowBindings {
public:
    struct Binding {
        CWnd* wnd = nullptr; // null once the object let go while a later subclass held on
        WNDPROC previous = nullptr;
    };

    static bool Add(HWND hwnd, CWnd* wnd, WNDPROC previous);
    // False when the window has no binding.
    static bool Find(HWND hwnd, Binding* binding);
    // The object lets go; the window keeps passing its messages on.
    static void Orphan(HWND hwnd);
    static void Remove(HWND hwnd);
};
