#pragma once
#include <windows.h>

#include <gdiplus.h>

#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestPaths.h"
#include "config/CController.h"
#include "config/SetupCatalog.h"
#include "ui/AppContext.h"
#include "ui/framework/GdiplusImage.h"
#include "ui/skin/StyleSheet.h"

// A layout folder the test writes (Layout.ini, PNG pieces), a controller
// whose style sheet points at it, installed for the windows to take.
class TestSkin {
public:
    TestSkin() : dir(L"popups")
    {
        controller.SetProgressRecordPath(dir / L"record.ini");
        controller.GetStyleSheet()->SetLayoutFolder(dir.Path());
        AppContext::SetControllerOverride(&controller);
    }
    ~TestSkin() { AppContext::SetControllerOverride(nullptr); }
    TestSkin(const TestSkin&) = delete;
    TestSkin& operator=(const TestSkin&) = delete;

    bool Write(const std::wstring& name, const std::string& text) { return TempFolder::WriteFile(dir / name, text); }
    // A PNG of w x h whose pixel (x, y) is argb(x, y) (0xAARRGGBB, straight alpha).
    bool WritePng(const std::wstring& name, int w, int h, const std::function<DWORD(int, int)>& argb)
    {
        if (!GdiplusImage::StartGdiplus())
            return false;
        std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pixels[static_cast<size_t>(y) * w + x] = argb(x, y);
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppARGB,
                                                           reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != 0)
            return false;
        const CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::wstring path = dir / name;
        const bool saved = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, path.c_str(), &png, nullptr) == 0;
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
        return saved;
    }
    bool WriteSolidPng(const std::wstring& name, int w, int h, DWORD argb)
    {
        return WritePng(name, w, h, [argb](int, int) { return argb; });
    }
    // The catalogue's items, read into the controller.
    bool ReadCatalog(const std::string& items)
    {
        return Write(L"Ovcd_tmp.ini", "[SETUP_ITEM]\r\n" + items) &&
               SetupCatalog(controller).GetSetupSettings(dir / L"Ovcd_tmp.ini");
    }

    CController controller;
    TempFolder dir;
};

// A hidden window that keeps every message posted or sent to it.
class MessageRecorder {
public:
    MessageRecorder(DWORD style = 0, DWORD exStyle = 0, RECT place = RECT{0, 0, 10, 10})
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &MessageRecorder::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DezTestRecorder";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(exStyle, wc.lpszClassName, L"", style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                               wc.hInstance, nullptr);
        SetPropW(hwnd, L"DezTestRecorder", this);
    }
    ~MessageRecorder() { DestroyWindow(hwnd); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    int Count(UINT msg) const
    {
        int n = 0;
        for (const MSG& m : seen)
            n += m.message == msg;
        return n;
    }
    const MSG* Last(UINT msg) const
    {
        for (auto it = seen.rbegin(); it != seen.rend(); ++it)
            if (it->message == msg)
                return &*it;
        return nullptr;
    }

    HWND hwnd = nullptr;
    std::vector<MSG> seen;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (auto* self = static_cast<MessageRecorder*>(GetPropW(hwnd, L"DezTestRecorder")))
            self->seen.push_back(MSG{hwnd, msg, wParam, lParam, 0, {}});
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
};

// Runs the thread's messages for a while, or until done() holds.
inline void PumpMessages(DWORD ms, const std::function<bool()>& done = nullptr)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done && done())
            return;
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// Messages posted to the thread itself (a post to no window lands there).
inline int ThreadMessagesWaiting()
{
    int n = 0;
    MSG msg;
    while (PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE))
        ++n;
    return n;
}

inline COLORREF TextColourFor(HWND dialog, HWND child)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 1, 1));
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

// The child's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline SIZE WindowSize(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}
