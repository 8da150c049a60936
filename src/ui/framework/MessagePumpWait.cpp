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
