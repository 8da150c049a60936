#include "ui/skin/SkinImageCache.h"

#include <cstring>

#include "ui/framework/GdiplusImage.h"

namespace {

ULONGLONG Join(DWORD high, DWORD low)
{
    return (static_cast<ULONGLONG>(high) << 32) | low;
}

ULONGLONG NowAsFileTime()
{
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    return Join(now.dwHighDateTime, now.dwLowDateTime);
}

// A new top-down 32-bit section with the same pixels; null for anything
// that is not a 32-bit section.
HBITMAP CopySection(HBITMAP source)
{
    DIBSECTION dib{};
    if (::GetObjectW(source, sizeof(dib), &dib) != static_cast<int>(sizeof(dib)) || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return nullptr;
    const int height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
    void* bits = nullptr;
    HBITMAP copy = CBitmap::CreateDib32(dib.dsBm.bmWidth, height, &bits);
    if (!copy)
        return nullptr;
    ::GdiFlush();
    const size_t row = static_cast<size_t>(dib.dsBm.bmWidthBytes);
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    for (int y = 0; y < height; ++y) {
        const int from = bottomUp ? height - 1 - y : y;
        std::memcpy(static_cast<BYTE*>(bits) + row * static_cast<size_t>(y),
                    static_cast<const BYTE*>(dib.dsBm.bmBits) + row * static_cast<size_t>(from), row);
    }
    return copy;
}

} // namespace

SkinImageCache& SkinImageCache::Instance()
{
    static SkinImageCache cache;
    return cache;
}

HBITMAP SkinImageCache::Load(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    const Stamp stamp{Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
                      Join(data.nFileSizeHigh, data.nFileSizeLow)};
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto found = m_entries.find(path);
        if (found != m_entries.end()) {
            if (found->second.stamp == stamp)
                return CopySection(found->second.bitmap);
            m_entries.erase(found);
        }
    }
    // Decoded outside the lock: other threads' pictures need not wait.
    GdiplusImage image = GdiplusImage::FromFile(path);
    HBITMAP decoded = image ? image.ToPremultipliedBitmap() : nullptr;
    if (!decoded)
        return nullptr;
    const SIZE size = CBitmap::SizeOf(decoded);
    const bool settled = NowAsFileTime() >= stamp.written + kSettledAge100ns;
    if (!settled || static_cast<LONGLONG>(size.cx) * size.cy > kMaxKeptPixels)
        return decoded;
    HBITMAP kept = CopySection(decoded);
    if (!kept)
        return decoded;
    std::lock_guard<std::mutex> guard(m_lock);
    Entry& entry = m_entries[path];
    entry.stamp = stamp;
    entry.bitmap.Reset(kept);
    return decoded;
}

size_t SkinImageCache::KeptCount() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_entries.size();
}

void SkinImageCache::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_entries.clear();
}
