#include "ui/framework/MessagePumpWait.h"

DWORD WaitPumpingMessages(HANDLE handle, DWORD timeoutMs)
{
    if (!handle)
        return WAIT_FAILED;
    const ULONGLONG start = ::GetTickCount64();
    bool quit = false;
    int quitCode = 0;
    DWORD result;
    for (;;) {
        DWORD left = INFINITE;
        if (timeoutMs != INFINITE) {
            ULONGLONG spent = ::GetTickCount64() - start;
            left = spent >= timeoutMs ? 0 : static_cast<DWORD>(timeoutMs - spent);
        }
        result = ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_ALLINPUT);
        if (result != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (quit)
        ::PostQuitMessage(quitCode);
    return result;
}

namespace {

constexpr int kPaintsPerWake = 64;

} // namespace

void PauseAnswering(DWORD milliseconds)
{
    const ULONGLONG start = ::GetTickCount64();
    for (;;) {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        // Bounded: a window that never validates would repaint for ever.
        for (int i = 0; i < kPaintsPerWake && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT); ++i)
            ::DispatchMessageW(&msg);
        const ULONGLONG spent = ::GetTickCount64() - start;
        if (spent >= milliseconds)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds - spent),
                                    QS_SENDMESSAGE | QS_PAINT);
    }
}
