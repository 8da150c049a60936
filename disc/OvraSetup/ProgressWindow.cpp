#include "OvraSetup/ProgressWindow.h"

#include <windows.h>

#include <commctrl.h>

namespace {

struct State {
    ULONGLONG start = 0;
    unsigned duration = 0;
    HWND progress = nullptr;
    bool cancelled = false;
};

constexpr UINT_PTR kTimer = 1;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_TIMER:
        if (state != nullptr && wParam == kTimer) {
            const ULONGLONG elapsed = GetTickCount64() - state->start;
            if (elapsed >= state->duration) {
                DestroyWindow(hwnd);
                return 0;
            }
            SendMessageW(state->progress, PBM_SETPOS, static_cast<WPARAM>(elapsed * 100 / state->duration), 0);
        }
        return 0;
    case WM_CLOSE:
        if (state != nullptr)
            state->cancelled = true;
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kTimer);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

ProgressWindow::Outcome ProgressWindow::Run(const std::wstring& caption, const std::wstring& text, unsigned durationMs)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return Outcome::NoWindow;

    const int width = 380, height = 130;
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kClassName, caption.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                                width, height, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr)
        return Outcome::NoWindow;
    State state;
    state.start = GetTickCount64();
    state.duration = durationMs == 0 ? 1 : durationMs;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HWND label = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 16, 14, width - 48, 20, hwnd,
                                 nullptr, instance, nullptr);
    if (label != nullptr)
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    state.progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 16, 44, width - 48, 20, hwnd,
                                     nullptr, instance, nullptr);
    SetTimer(hwnd, kTimer, 50, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return state.cancelled ? Outcome::Cancelled : Outcome::Finished;
}
