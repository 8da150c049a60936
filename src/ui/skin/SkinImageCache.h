#pragma once
#include <windows.h>

#include <map>
#include <mutex>
#include <string>

#include "ui/framework/GdiObject.h"

// Small skin pictures kept decoded by file, so that a picture asked for
// again (a tab's four looks at every switch, each pop-up's frame pieces) is
// copied instead of decoded anew. A file whose size or time changed, or that
// is younger than a few seconds (its time may not move at a quick rewrite),
// is decoded again. Shared by every thread of the process.
class SkinImageCache {
public:
    static SkinImageCache& Instance();

    // A premultiplied 32-bit bitmap of the PNG, the caller's own; null when
    // the file is missing or unreadable.
    HBITMAP Load(const std::wstring& path);
    size_t KeptCount() const;
    void Clear();

    // Larger pictures (the window backgrounds) are read once anyway.
    static constexpr LONGLONG kMaxKeptPixels = 256 * 256;
    static constexpr ULONGLONG kSettledAge100ns = 3ULL * 10000000ULL;

private:
    struct Stamp {
        ULONGLONG written = 0;
        ULONGLONG size = 0;
        bool operator==(const Stamp& other) const { return written == other.written && size == other.size; }
    };
    struct Entry {
        Stamp stamp;
        CBitmap bitmap;
    };

    mutable std::mutex m_lock;
    std::map<std::wstring, Entry> m_entries;
};
