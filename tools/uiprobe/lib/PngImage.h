#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace uiprobe {

// An image file decoded into 32-bit pixels, for checking screenshots.
class PngImage {
public:
    bool Load(const std::wstring& path);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixel as a COLORREF (alpha dropped); CLR_INVALID outside the image.
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle have exactly this colour.
    int CountColor(const RECT& area, COLORREF color) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_argb;
};

} // namespace uiprobe
