#include "ui/framework/LayeredWindow.h"

#include "ui/framework/CPaintDC.h"

void LayeredWindow::AddLayeredStyle(HWND hwnd)
{
    LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED))
        ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

bool LayeredWindow::SetColorKey(HWND hwnd, COLORREF key)
{
    if (!hwnd)
        return false;
    AddLayeredStyle(hwnd);
    return ::SetLayeredWindowAttributes(hwnd, key, 0, LWA_COLORKEY) != FALSE;
}

bool LayeredWindow::SetConstantAlpha(HWND hwnd, BYTE alpha)
{
    if (!hwnd)
        return false;
    AddLayeredStyle(hwnd);
    return ::SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA) != FALSE;
}

bool LayeredWindow::SetPerPixelContent(HWND hwnd, HBITMAP picture, SIZE size)
{
    if (!hwnd || !picture || size.cx <= 0 || size.cy <= 0)
        return false;
    AddLayeredStyle(hwnd);
    CClientDC screen(nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    if (!source)
        return false;
    HGDIOBJ old = ::SelectObject(source, picture);
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    bool done = ::UpdateLayeredWindow(hwnd, screen, nullptr, &size, source, &origin, 0, &blend, ULW_ALPHA) != FALSE;
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return done;
}

BYTE LayeredWindow::PercentToAlpha(int percent)
{
    if (percent <= 0)
        return 0;
    if (percent >= 100)
        return 255;
    return static_cast<BYTE>(percent * 255 / 100);
}
