#pragma once
#include <windows.h>

#include <gdiplus.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "config/CController.h"
#include "config/SetupCatalog.h"
#include "ui/AppContext.h"
#include "ui/framework/GdiplusImage.h"
#include "ui/skin/StyleSheet.h"

// A layout folder the test writes (Layout.ini, PNG pieces) and a controller
// whose style sheet points at it, installed for the windows to take.
struct TestSkin {
    TestSkin() : dir(L"popups")
    {
        controller.SetProgressRecordPath(dir / L"record.ini");
        controller.GetStyleSheet()->SetLayoutFolder(dir.Path());
        AppContext::SetControllerOverride(&controller);
    }
    ~TestSkin() { AppContext::SetControllerOverride(nullptr); }

    bool Write(const std::wstring& name, const std::string& text) { return TempFolder::WriteFile(dir / name, text); }
    // Pixel (x, y) is argb(x, y): 0xAARRGGBB, straight alpha.
    bool WritePng(const std::wstring& name, int w, int h, const std::function<DWORD(int, int)>& argb)
    {
        namespace Flat = Gdiplus::DllExports;
        std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = argb(static_cast<int>(i % w), static_cast<int>(i / w));
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (!GdiplusImage::StartGdiplus() ||
            Flat::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()),
                                            &bitmap) != Gdiplus::Ok)
            return false;
        const CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const bool saved = Flat::GdipSaveImageToFile(bitmap, (dir / name).c_str(), &png, nullptr) == Gdiplus::Ok;
        Flat::GdipDisposeImage(bitmap);
        return saved;
    }
    bool WritePng(const std::wstring& name, int w, int h, DWORD argb)
    {
        return WritePng(name, w, h, [argb](int, int) { return argb; });
    }

    CController controller;
    TempFolder dir;
};

// A window that keeps every message sent or posted to it.
class MessageRecorder {
public:
    explicit MessageRecorder(DWORD style = 0, RECT place = RECT{0, 0, 10, 10})
    {
        WNDCLASSW wc{0, &MessageRecorder::Proc, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr,
                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr, L"DezTestRecorder"};
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"", style, place.left, place.top, place.right - place.left,
                               place.bottom - place.top, nullptr, nullptr, wc.hInstance, nullptr);
        SetPropW(hwnd, L"DezTestRecorder", this);
    }
    ~MessageRecorder() { DestroyWindow(hwnd); }

    std::vector<MSG> Of(UINT msg) const
    {
        std::vector<MSG> found;
        for (const MSG& m : seen)
            if (m.message == msg)
                found.push_back(m);
        return found;
    }
    int Count(UINT msg) const { return static_cast<int>(Of(msg).size()); }

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

// Runs the thread's messages for up to ms, or until done() holds.
inline void PumpMessages(DWORD ms, const std::function<bool()>& done = nullptr)
{
    const DWORD start = GetTickCount();
    for (MSG msg; !(done && done()) && GetTickCount() - start < ms; Sleep(5)) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

// Messages posted to the thread itself, as a post to no window would be.
inline int TakeThreadMessages()
{
    int n = 0;
    for (MSG msg; PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE);)
        ++n;
    return n;
}

// The layered window's colour key, or CLR_INVALID; its constant alpha, or -1.
inline COLORREF LayeredKey(HWND hwnd)
{
    COLORREF key = CLR_INVALID;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, &key, nullptr, &flags) && (flags & LWA_COLORKEY) ? key : CLR_INVALID;
}
inline int LayeredAlpha(HWND hwnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

inline std::array<LONG, 4> Corners(HWND hwnd, bool inParent = false)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (inParent)
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}
