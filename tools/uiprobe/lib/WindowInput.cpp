#include "WindowInput.h"

#include <algorithm>
#include <cstdlib>

namespace uiprobe {

namespace {

// The deepest visible, enabled-or-not child of hwnd under the client point.
HWND DeepestChildAt(HWND hwnd, POINT& point)
{
    for (int depth = 0; depth < 32; ++depth) {
        HWND child = ChildWindowFromPointEx(hwnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == hwnd)
            return hwnd;
        MapWindowPoints(hwnd, child, &point, 1);
        hwnd = child;
    }
    return hwnd;
}

} // namespace

bool WindowInput::Click(HWND button)
{
    return IsWindow(button) && PostMessageW(button, BM_CLICK, 0, 0);
}

bool WindowInput::Command(HWND dialog, int controlId)
{
    if (!IsWindow(dialog))
        return false;
    HWND control = GetDlgItem(dialog, controlId);
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool WindowInput::ClickAt(HWND hwnd, int x, int y)
{
    if (!IsWindow(hwnd))
        return false;
    POINT point{x, y};
    HWND target = DeepestChildAt(hwnd, point);
    LPARAM at = MAKELPARAM(point.x, point.y);
    return PostMessageW(target, WM_MOUSEMOVE, 0, at) && PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           PostMessageW(target, WM_LBUTTONUP, 0, at);
}

bool WindowInput::RealClickAt(int screenX, int screenY)
{
    if (!SetCursorPos(screenX, screenY))
        return false;
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool WindowInput::RealDrag(POINT from, POINT to, int stepPixels, DWORD pauseMs)
{
    auto send = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        return SendInput(1, &input, sizeof(INPUT)) == 1;
    };
    if (!SetCursorPos(from.x, from.y) || !send(MOUSEEVENTF_LEFTDOWN))
        return false;
    Sleep(pauseMs);
    const int distance = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    const int steps = std::max(1, (distance + std::max(1, stepPixels) - 1) / std::max(1, stepPixels));
    bool moved = true;
    for (int i = 1; i <= steps && moved; ++i) {
        moved = SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps) &&
                send(MOUSEEVENTF_MOVE);
        Sleep(pauseMs);
    }
    return send(MOUSEEVENTF_LEFTUP) && moved;
}

bool WindowInput::Key(HWND hwnd, UINT virtualKey)
{
    if (!IsWindow(hwnd))
        return false;
    // Repeat count 1 and the scan code; key-up also sets the previous-state and transition bits.
    DWORD scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) & 0xFFu;
    DWORD down = 1u | (scan << 16);
    DWORD up = down | 0xC0000000u;
    return PostMessageW(hwnd, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(down)) &&
           PostMessageW(hwnd, WM_KEYUP, virtualKey, static_cast<LPARAM>(up));
}

bool WindowInput::Close(HWND hwnd)
{
    return IsWindow(hwnd) && PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

} // namespace uiprobe
