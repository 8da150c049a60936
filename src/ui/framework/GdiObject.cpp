#include "ui/framework/GdiObject.h"

SIZE CBitmap::SizeOf(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(info), &info) == 0)
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

HBITMAP CBitmap::CreateDib32(int width, int height, void** bits)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits)
        *bits = bitmap ? pixels : nullptr;
    return bitmap;
}

bool CFont::CreateFontIndirect(const LOGFONTW& font)
{
    HFONT created = ::CreateFontIndirectW(&font);
    if (!created)
        return false;
    Reset(created);
    return true;
}

bool CFont::GetLogFont(HFONT font, LOGFONTW* out)
{
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    return out && ::GetObjectW(font, sizeof(*out), out) == sizeof(*out);
}
