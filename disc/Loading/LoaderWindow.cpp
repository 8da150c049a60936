#include "Loading/LoaderWindow.h"

#include <algorithm>

#include <gdiplus.h>

LoaderWindow::LoaderWindow(const std::wstring& picturePath) : m_picturePath(picturePath)
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr) != Gdiplus::Ok) {
        m_gdiplusToken = 0;
        return;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (m_picturePath.empty() ||
        Gdiplus::DllExports::GdipCreateBitmapFromFile(m_picturePath.c_str(), &bitmap) != Gdiplus::Ok)
        return;
    UINT w = 0, h = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
    Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
    if (w == 0 || h == 0) {
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
        return;
    }
    m_picture = bitmap;
    // A picture larger than the screen is shown scaled into it.
    const UINT maxW = static_cast<UINT>(GetSystemMetrics(SM_CXSCREEN));
    const UINT maxH = static_cast<UINT>(GetSystemMetrics(SM_CYSCREEN));
    m_width = w;
    m_height = h;
    if (maxW > 0 && maxH > 0 && (w > maxW || h > maxH)) {
        const double scale = std::min(static_cast<double>(maxW) / w, static_cast<double>(maxH) / h);
        m_width = static_cast<UINT>(w * scale);
        m_height = static_cast<UINT>(h * scale);
    }
}

LoaderWindow::~LoaderWindow()
{
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
    if (m_picture != nullptr)
        Gdiplus::DllExports::GdipDisposeImage(static_cast<Gdiplus::GpBitmap*>(m_picture));
    if (m_gdiplusToken != 0)
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
}

bool LoaderWindow::Create()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32514));  // IDC_WAIT
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - static_cast<int>(m_width)) / 2;
    const int y = work.top + (work.bottom - work.top - static_cast<int>(m_height)) / 2;
    m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"Loading", WS_POPUP, x, y,
                             static_cast<int>(m_width), static_cast<int>(m_height), nullptr, nullptr, instance, this);
    if (m_hwnd == nullptr)
        return false;
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hwnd);
    return true;
}

void LoaderWindow::Run(HANDLE process, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return;
        const DWORD wait = static_cast<DWORD>(deadline - now);
        const DWORD count = process != nullptr ? 1 : 0;
        const DWORD r = MsgWaitForMultipleObjects(count, &process, FALSE, wait, QS_ALLINPUT);
        if (count == 1 && r == WAIT_OBJECT_0)
            return;  // the program is gone: nobody will close us
        if (r == WAIT_FAILED)
            return;
    }
}

LRESULT CALLBACK LoaderWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<LoaderWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_PAINT:
        if (self != nullptr) {
            self->Paint();
            return 0;
        }
        break;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        if (self != nullptr)
            self->m_hwnd = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void LoaderWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (dc == nullptr)
        return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (m_picture != nullptr && Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
        Gdiplus::DllExports::GdipDrawImageRectI(graphics, static_cast<Gdiplus::GpBitmap*>(m_picture), 0, 0,
                                                static_cast<INT>(m_width), static_cast<INT>(m_height));
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    } else {
        RECT r{0, 0, static_cast<LONG>(m_width), static_cast<LONG>(m_height)};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, L"Loading...", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
    EndPaint(m_hwnd, &ps);
}
