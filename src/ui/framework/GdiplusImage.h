#pragma once
#include <windows.h>

#include <string>

namespace Gdiplus {
class GpImage;
}

// Sole owner of one GDI+ image. GDI+ is started once for the process on the
// first load and stays started until the process ends.
class GdiplusImage {
public:
    GdiplusImage() = default;
    ~GdiplusImage();
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;
    GdiplusImage(GdiplusImage&& other) noexcept;
    GdiplusImage& operator=(GdiplusImage&& other) noexcept;

    // Any format GDI+ reads (PNG, BMP, JPEG, GIF).
    static GdiplusImage FromFile(const std::wstring& path);
    static bool StartGdiplus();

    explicit operator bool() const { return m_image != nullptr; }
    SIZE Size() const;
    // The picture drawn into a 32-bit premultiplied bitmap of its size, as a
    // GDI bitmap (null on any failure); the caller owns it.
    HBITMAP ToPremultipliedBitmap() const;
    // Drawn scaled into a rectangle of a context.
    bool DrawTo(HDC dc, const RECT& rect) const;

private:
    // The pixels converted by GDI+ itself; null for what is not a bitmap.
    HBITMAP CopyPremultipliedPixels(SIZE size) const;

    Gdiplus::GpImage* m_image = nullptr;
};
