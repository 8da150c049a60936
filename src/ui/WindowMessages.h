#pragma once

// The program's private window messages (WM_USER + N). WM_USER + 1, + 2 and
// + 256 belong to the skinned controls and lists; + 10 is unused.
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned MSG_DEFERRED_INIT = kWmUser + 3;
constexpr unsigned MSG_START_INSTALL = kWmUser + 4;
constexpr unsigned MSG_INSTALLDLG_CLOSE = kWmUser + 5;
constexpr unsigned MSG_MOUSE_ENTER = kWmUser + 6;
constexpr unsigned MSG_MOUSE_LEAVE = kWmUser + 7;
constexpr unsigned MSG_ITEM_BEGIN = kWmUser + 8;
constexpr unsigned MSG_ITEM_END = kWmUser + 9;
constexpr unsigned MSG_PASS_FOCUS = kWmUser + 11;
constexpr unsigned MSG_INSTALL_SINGLE = kWmUser + 12;
constexpr unsigned MSG_VIEW_OK = kWmUser + 13;
constexpr unsigned MSG_RESTART_REQUIRED = kWmUser + 14;
constexpr unsigned MSG_CHECK_INSTALLED = kWmUser + 15;
constexpr unsigned MSG_LIST_HOVER = kWmUser + 16;
constexpr unsigned MSG_QUIT_APP = kWmUser + 17;
constexpr unsigned MSG_OFFER_CHECKED = kWmUser + 18;
constexpr unsigned MSG_INSTALL_TICK = kWmUser + 19;
// Main window -> its views: move your pop-ups by a delta. lParam carries
// (dx, dy) as two signed 16-bit halves (MakeMoveDelta / MoveDeltaX/Y);
// WM_MOVE is not used, as the system sends its own with a position.
constexpr unsigned MSG_MOVE_POPUPS = kWmUser + 20;

constexpr long MakeMoveDelta(int dx, int dy)
{
    return static_cast<long>((static_cast<unsigned>(dy) & 0xFFFFu) << 16 | (static_cast<unsigned>(dx) & 0xFFFFu));
}
constexpr int MoveDeltaX(long long lParam)
{
    return static_cast<short>(static_cast<unsigned long long>(lParam) & 0xFFFFu);
}
constexpr int MoveDeltaY(long long lParam)
{
    return static_cast<short>((static_cast<unsigned long long>(lParam) >> 16) & 0xFFFFu);
}
