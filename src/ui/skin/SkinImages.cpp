#include "ui/skin/SkinImages.h"

#include <cwchar>

#include "services/FileExists.h"
#include "ui/framework/GdiplusImage.h"
#include "ui/skin/SkinImageCache.h"

HBITMAP LoadPngBitmap(const std::wstring& path)
{
    if (path.empty() || !FileExists(path))
        return nullptr;
    // Paths are cut at the system's limit, as the layout's paths always were.
    std::wstring bounded = path.substr(0, MAX_PATH - 1);
    if (!FileExists(bounded))
        return nullptr;
    return SkinImageCache::Instance().Load(bounded);
}

std::vector<uint32_t> BitmapPixels(HBITMAP bitmap, SIZE size)
{
    if (!bitmap || size.cx <= 0 || size.cy <= 0)
        return {};
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != size.cy)
        pixels.clear();
    return pixels;
}

HBITMAP CropBitmap(HBITMAP bitmap, int x, int y, int width, int height)
{
    BITMAP info{};
    if (!bitmap || width <= 0 || height <= 0 || ::GetObjectW(bitmap, sizeof(info), &info) == 0)
        return nullptr;
    int sourceHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (info.bmWidth < width || sourceHeight < height)
        return nullptr;
    HBITMAP crop = CBitmap::CreateDib32(width, height);
    if (!crop) {
        ::OutputDebugStringW(L"\nMemory not enough");
        return nullptr;
    }
    HDC target = ::CreateCompatibleDC(nullptr);
    HDC source = ::CreateCompatibleDC(nullptr);
    bool copied = false;
    if (target && source) {
        HGDIOBJ oldTarget = ::SelectObject(target, crop);
        HGDIOBJ oldSource = ::SelectObject(source, bitmap);
        ::SetStretchBltMode(target, COLORONCOLOR);
        copied = ::StretchBlt(target, 0, 0, width, height, source, x, y, width, height, SRCCOPY) != FALSE;
        ::SelectObject(source, oldSource);
        ::SelectObject(target, oldTarget);
    }
    if (source)
        ::DeleteDC(source);
    if (target)
        ::DeleteDC(target);
    if (!copied) {
        ::DeleteObject(crop);
        return nullptr;
    }
    return crop;
}

bool LoadImageFile(const std::wstring& path, CBitmap& bitmap)
{
    if (!FileExists(path))
        return false;
    GdiplusImage image = GdiplusImage::FromFile(path);
    HBITMAP loaded = image ? image.ToPremultipliedBitmap() : nullptr;
    if (!loaded)
        return false;
    bitmap.Reset(loaded);
    return true;
}

int CContourBitmap::Draw(HDC dc, int x, int y) const
{
    if (!dc || !Get())
        return 0;
    SIZE size = Size();
    HDC source = ::CreateCompatibleDC(dc);
    if (!source)
        return 0;
    HGDIOBJ old = ::SelectObject(source, Get());
    int result;
    if (m_hasAlpha) {
        int oldMode = ::SetBkMode(dc, TRANSPARENT);
        ::SelectClipRgn(source, nullptr);
        result = ::AlphaBlend(dc, x, y, size.cx, size.cy, source, 0, 0, size.cx, size.cy, m_blend);
        ::SetBkMode(dc, oldMode);
    } else {
        result = ::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return result;
}
