#pragma once
#include <windows.h>
#include <gdiplus.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/GdiplusImage.h"

// Writes a PNG whose pixels (ARGB, not premultiplied) a function chooses.
inline bool WriteTestPng(const std::wstring& path, int width, int height,
                         const std::function<DWORD(int x, int y)>& argb)
{
    namespace Flat = Gdiplus::DllExports;
    if (!GdiplusImage::StartGdiplus())
        return false;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Flat::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            Flat::GdipBitmapSetPixel(bitmap, x, y, argb(x, y));
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    bool saved = Flat::GdipSaveImageToFile(bitmap, path.c_str(), &png, nullptr) == Gdiplus::Ok;
    Flat::GdipDisposeImage(bitmap);
    return saved;
}

inline bool WriteSolidPng(const std::wstring& path, int width, int height, DWORD argb)
{
    return WriteTestPng(path, width, height, [argb](int, int) { return argb; });
}

// One pixel of a 32-bit bitmap as stored (B, G, R, A), read through GetDIBits.
inline DWORD BitmapPixel(HBITMAP bitmap, int x, int y)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return 0xDEADBEEF;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -std::abs(info.bmHeight);
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    const int height = std::abs(info.bmHeight);
    if (x < 0 || y < 0 || x >= info.bmWidth || y >= height)
        return 0xDEADBEEF;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * height, 0);
    HDC dc = GetDC(nullptr);
    int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return lines == height ? pixels[static_cast<size_t>(y) * info.bmWidth + x] : 0xDEADBEEF;
}
