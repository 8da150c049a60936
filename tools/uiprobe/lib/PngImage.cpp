#include "PngImage.h"

#include <gdiplus.h>

#include <algorithm>

#include "GdiplusSession.h"

namespace uiprobe {

bool PngImage::Load(const std::wstring& path)
{
    m_width = m_height = 0;
    m_argb.clear();
    GdiplusSession gdiplus;
    if (!gdiplus.Ok())
        return false;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok || !bitmap)
        return false;
    UINT width = 0;
    UINT height = 0;
    bool ok = Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width) == Gdiplus::Ok &&
              Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height) == Gdiplus::Ok && width > 0 && height > 0 &&
              width <= 16384 && height <= 16384;
    if (ok) {
        Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data{};
        ok = Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB,
                                                     &data) == Gdiplus::Ok;
        if (ok) {
            m_argb.resize(static_cast<size_t>(width) * height);
            for (UINT y = 0; y < height; ++y) {
                const auto* row = static_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
                std::copy_n(reinterpret_cast<const DWORD*>(row), width, m_argb.begin() + static_cast<ptrdiff_t>(y) * width);
            }
            Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
            m_width = static_cast<int>(width);
            m_height = static_cast<int>(height);
        }
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return ok;
}

COLORREF PngImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    DWORD argb = m_argb[static_cast<size_t>(y) * m_width + x];
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

int PngImage::CountColor(const RECT& area, COLORREF color) const
{
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(m_height, area.bottom); ++y)
        for (int x = std::max(0L, area.left); x < std::min<LONG>(m_width, area.right); ++x)
            count += Pixel(x, y) == color;
    return count;
}

} // namespace uiprobe
