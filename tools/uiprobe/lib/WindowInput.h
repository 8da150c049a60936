#pragma once
#include <windows.h>

namespace uiprobe {

// Drives windows of other processes with posted messages, so that a handler
// that opens a modal window never blocks the caller.
class WindowInput {
public:
    // BM_CLICK to a button: the button notifies its parent as for a real click.
    static bool Click(HWND button);
    // Posts BN_CLICKED for the control id straight to the dialog (works for disabled-looking
    // owner-drawn buttons too, and for message-box buttons).
    static bool Command(HWND dialog, int controlId);
    // Mouse move, button down and up at a point of hwnd's client area, delivered to
    // the deepest visible child under that point, in its own client coordinates.
    static bool ClickAt(HWND hwnd, int x, int y);
    // A real pointer click at a screen point through the system's input queue.
    static bool RealClickAt(int screenX, int screenY);
    // A real drag with the left button through the system's input queue, in
    // steps of at most stepPixels, pausing pauseMs after each so the
    // window's move loop sees every step.
    static bool RealDrag(POINT from, POINT to, int stepPixels = 20, DWORD pauseMs = 15);
    // WM_KEYDOWN and WM_KEYUP of a virtual key (VK_ESCAPE closes a dialog).
    static bool Key(HWND hwnd, UINT virtualKey);
    // WM_CLOSE, as the system menu's Close would.
    static bool Close(HWND hwnd);
};

} // namespace uiprobe
