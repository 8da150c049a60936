#include "WindowInfo.h"

#include "WindowText.h"

namespace uiprobe {

bool WindowInfo::Read(HWND hwnd, WindowInfo& out)
{
    out = WindowInfo();
    if (!IsWindow(hwnd))
        return false;
    out.hwnd = hwnd;
    out.parent = GetAncestor(hwnd, GA_PARENT);
    if (out.parent == GetDesktopWindow())
        out.parent = nullptr;
    out.className = WindowText::ClassName(hwnd);
    out.text = WindowText::Text(hwnd);
    if (!GetWindowRect(hwnd, &out.rect))
        return false;
    RECT client{};
    if (GetClientRect(hwnd, &client)) {
        POINT topLeft{client.left, client.top};
        POINT bottomRight{client.right, client.bottom};
        ClientToScreen(hwnd, &topLeft);
        ClientToScreen(hwnd, &bottomRight);
        out.clientRect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    }
    out.visible = IsWindowVisible(hwnd) != FALSE;
    out.enabled = IsWindowEnabled(hwnd) != FALSE;
    out.style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    out.exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    out.layered = (out.exStyle & WS_EX_LAYERED) != 0;
    out.threadId = GetWindowThreadProcessId(hwnd, &out.processId);
    out.controlId = (out.style & WS_CHILD) ? GetDlgCtrlID(hwnd) : 0;
    // The window may have gone while we read it.
    return IsWindow(hwnd) != FALSE;
}

} // namespace uiprobe
