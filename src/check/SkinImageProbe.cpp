#include "check/SkinImageProbe.h"

#include <windows.h>

#include <gdiplus.h>

namespace {

// GDI+ is started once and stays started until the process ends.
bool StartGdiplus()
{
    static const bool started = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

// Pictures beyond this are refused rather than scanned.
constexpr UINT kMaxSide = 16384;

void ScanPixels(Gdiplus::GpBitmap* bitmap, SkinImageFacts& facts)
{
    Gdiplus::Rect all(0, 0, facts.width, facts.height);
    Gdiplus::BitmapData data{};
    if (Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB,
                                                &data) != Gdiplus::Ok)
        return;
    for (int y = 0; y < facts.height && !(facts.hasMagenta && facts.hasTranslucent); ++y) {
        const auto* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(data.Scan0) +
                                                         static_cast<ptrdiff_t>(y) * data.Stride);
        for (int x = 0; x < facts.width; ++x) {
            facts.hasMagenta = facts.hasMagenta || row[x] == 0xFFFF00FFu;
            facts.hasTranslucent = facts.hasTranslucent || (row[x] >> 24) != 0xFFu;
        }
    }
    Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
    facts.readable = true;
}

} // namespace

SkinImageFacts SkinImageProbe::Read(const std::wstring& path)
{
    SkinImageFacts facts;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    facts.found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!facts.found || !StartGdiplus())
        return facts;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok || !bitmap)
        return facts;
    UINT width = 0;
    UINT height = 0;
    if (Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width) == Gdiplus::Ok &&
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height) == Gdiplus::Ok && width > 0 && height > 0 &&
        width <= kMaxSide && height <= kMaxSide) {
        facts.width = static_cast<int>(width);
        facts.height = static_cast<int>(height);
        ScanPixels(bitmap, facts);
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return facts;
}
