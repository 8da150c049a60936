#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/framework/GdiObject.h"

// A PNG with per-pixel alpha as a premultiplied 32-bit bitmap; null when
// the file is missing or unreadable. The caller owns the bitmap.
HBITMAP LoadPngBitmap(const std::wstring& path);
// A new 32-bit bitmap holding (x, y, width, height) of a bitmap; null when
// the bitmap is missing or smaller than width x height.
HBITMAP CropBitmap(HBITMAP bitmap, int x, int y, int width, int height);
// The 32-bit pixels of a bitmap of that size, top row first, alpha as
// stored; empty when they cannot be read.
std::vector<uint32_t> BitmapPixels(HBITMAP bitmap, SIZE size);
// Loads a BMP or PNG that exists into the bitmap object.
bool LoadImageFile(const std::wstring& path, CBitmap& bitmap);

// A bitmap that draws itself with its per-pixel alpha.
class CContourBitmap : public CBitmap {
public:
    CContourBitmap() = default;
    explicit CContourBitmap(HBITMAP bitmap) : CBitmap(bitmap) {}
    CContourBitmap(CContourBitmap&&) noexcept = default;
    CContourBitmap& operator=(CContourBitmap&&) noexcept = default;
    ~CContourBitmap() override = default;

    // Result of the blit; 0 without a context or a bitmap.
    int Draw(HDC dc, int x, int y) const;

    bool m_hasAlpha = true;
    BLENDFUNCTION m_blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};
