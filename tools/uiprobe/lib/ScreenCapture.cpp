#include "ScreenCapture.h"

#include <gdiplus.h>

#include <vector>

#include "GdiplusSession.h"

namespace uiprobe {

namespace {

bool PngEncoder(CLSID& clsid)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool EncodePng(HBITMAP bitmap, const std::wstring& pngPath)
{
    GdiplusSession gdiplus;
    if (!gdiplus.Ok())
        return false;
    CLSID png{};
    if (!PngEncoder(png))
        return false;
    Gdiplus::GpBitmap* image = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok || !image)
        return false;
    Gdiplus::Status status = Gdiplus::DllExports::GdipSaveImageToFile(image, pngPath.c_str(), &png, nullptr);
    Gdiplus::DllExports::GdipDisposeImage(image);
    return status == Gdiplus::Ok;
}

} // namespace

bool ScreenCapture::SaveScreen(const std::wstring& pngPath)
{
    RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return SaveRect(screen, pngPath);
}

bool ScreenCapture::SaveWindow(HWND hwnd, const std::wstring& pngPath)
{
    RECT rect{};
    if (!IsWindow(hwnd) || !GetWindowRect(hwnd, &rect))
        return false;
    return SaveRect(rect, pngPath);
}

bool ScreenCapture::SaveRect(const RECT& screenRect, const std::wstring& pngPath)
{
    int width = screenRect.right - screenRect.left;
    int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return false;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return false;
    bool ok = false;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY | CAPTUREBLT) != FALSE;
        SelectObject(memory, old);
        // The bitmap must not be selected into a DC while GDI+ copies it.
        ok = ok && EncodePng(bitmap, pngPath);
        DeleteObject(bitmap);
    }
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

} // namespace uiprobe
