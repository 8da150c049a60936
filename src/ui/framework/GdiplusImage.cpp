#include "ui/framework/GdiplusImage.h"

#include <gdiplus.h>

#include <mutex>

#include "ui/framework/GdiObject.h"
#include <utility>

namespace {

namespace Flat = Gdiplus::DllExports;

} // namespace

bool GdiplusImage::StartGdiplus()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        // Never shut down: images may be loaded until the process ends.
        started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    });
    return started;
}

GdiplusImage::~GdiplusImage()
{
    if (m_image)
        Flat::GdipDisposeImage(m_image);
}

GdiplusImage::GdiplusImage(GdiplusImage&& other) noexcept : m_image(std::exchange(other.m_image, nullptr)) {}

GdiplusImage& GdiplusImage::operator=(GdiplusImage&& other) noexcept
{
    if (this != &other) {
        if (m_image)
            Flat::GdipDisposeImage(m_image);
        m_image = std::exchange(other.m_image, nullptr);
    }
    return *this;
}

GdiplusImage GdiplusImage::FromFile(const std::wstring& path)
{
    GdiplusImage image;
    if (path.empty() || !StartGdiplus())
        return image;
    Gdiplus::GpImage* loaded = nullptr;
    if (Flat::GdipLoadImageFromFile(path.c_str(), &loaded) == Gdiplus::Ok)
        image.m_image = loaded;
    return image;
}

SIZE GdiplusImage::Size() const
{
    UINT width = 0;
    UINT height = 0;
    if (!m_image || Flat::GdipGetImageWidth(m_image, &width) != Gdiplus::Ok ||
        Flat::GdipGetImageHeight(m_image, &height) != Gdiplus::Ok)
        return SIZE{0, 0};
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}

HBITMAP GdiplusImage::CopyPremultipliedPixels(SIZE size) const
{
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    if (Flat::GdipGetImageType(m_image, &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeBitmap)
        return nullptr;
    void* bits = nullptr;
    HBITMAP result = CBitmap::CreateDib32(size.cx, size.cy, &bits);
    if (!result)
        return nullptr;
    // GDI+ converts straight into the section's rows: no drawing pass.
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(size.cx);
    data.Height = static_cast<UINT>(size.cy);
    data.Stride = size.cx * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = bits;
    const Gdiplus::GpRect rect(0, 0, size.cx, size.cy);
    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(m_image);
    if (Flat::GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                 PixelFormat32bppPARGB, &data) != Gdiplus::Ok) {
        ::DeleteObject(result);
        return nullptr;
    }
    Flat::GdipBitmapUnlockBits(bitmap, &data);
    return result;
}

HBITMAP GdiplusImage::ToPremultipliedBitmap() const
{
    SIZE size = Size();
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;
    if (HBITMAP copied = CopyPremultipliedPixels(size))
        return copied;
    Gdiplus::GpBitmap* canvas = nullptr;
    if (Flat::GdipCreateBitmapFromScan0(size.cx, size.cy, 0, PixelFormat32bppPARGB, nullptr, &canvas) !=
        Gdiplus::Ok)
        return nullptr;
    HBITMAP result = nullptr;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Flat::GdipGetImageGraphicsContext(canvas, &graphics) == Gdiplus::Ok) {
        bool drawn = Flat::GdipDrawImageRectI(graphics, m_image, 0, 0, size.cx, size.cy) == Gdiplus::Ok;
        Flat::GdipDeleteGraphics(graphics);
        if (drawn && Flat::GdipCreateHBITMAPFromBitmap(canvas, &result, 0) != Gdiplus::Ok)
            result = nullptr;
    }
    Flat::GdipDisposeImage(canvas);
    return result;
}

bool GdiplusImage::DrawTo(HDC dc, const RECT& rect) const
{
    if (!m_image || !dc)
        return false;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Flat::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return false;
    bool drawn = Flat::GdipDrawImageRectI(graphics, m_image, rect.left, rect.top, rect.right - rect.left,
                                          rect.bottom - rect.top) == Gdiplus::Ok;
    Flat::GdipDeleteGraphics(graphics);
    return drawn;
}
