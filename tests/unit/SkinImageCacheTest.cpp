#include <gtest/gtest.h>

#include <windows.h>

#include "TempFolder.h"
#include "TestPng.h"
#include "ui/skin/SkinImageCache.h"
#include "ui/skin/SkinImages.h"

namespace {

// Dates a file's last write back, as a skin on a disc is.
bool Age(const std::wstring& path, ULONGLONG seconds)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{};
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    t.QuadPart -= seconds * 10000000ULL;
    FILETIME then{t.LowPart, t.HighPart};
    const bool set = SetFileTime(file, nullptr, nullptr, &then) != FALSE;
    CloseHandle(file);
    return set;
}

} // namespace

TEST(SkinImageCache, SettledPicturesAreCopiesOfOneDecodingAndChangesAreSeen)
{
    TempFolder folder(L"imagecache");
    SkinImageCache& cache = SkinImageCache::Instance();
    cache.Clear();
    const std::wstring tab = folder / L"tab_n.png";
    ASSERT_TRUE(WriteTestPng(tab, 30, 20, [](int x, int y) { return x < 15 ? 0xFFFF0000u : (y < 10 ? 0x800000FFu : 0u); }));
    ASSERT_TRUE(Age(tab, 3600));

    CBitmap first(LoadPngBitmap(tab));
    CBitmap second(LoadPngBitmap(tab));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_EQ(cache.KeptCount(), 1u);
    // Each caller owns its bitmap: freeing one leaves the other and the kept one whole.
    EXPECT_NE(first.Get(), second.Get());
    first.Reset();
    CBitmap third(LoadPngBitmap(tab));
    for (HBITMAP copy : {second.Get(), third.Get()}) {
        EXPECT_EQ(CBitmap::SizeOf(copy).cx, 30);
        EXPECT_EQ(CBitmap::SizeOf(copy).cy, 20);
        EXPECT_EQ(BitmapPixel(copy, 2, 2), 0xFFFF0000u);
        const DWORD blue = BitmapPixel(copy, 20, 2); // premultiplied, top row first
        EXPECT_EQ(blue >> 24, 0x80u);
        EXPECT_NEAR(static_cast<int>(blue & 0xFF), 128, 1);
        EXPECT_EQ(BitmapPixel(copy, 20, 15), 0u);
    }

    // Rewritten (another time, another size): decoded anew.
    ASSERT_TRUE(WriteSolidPng(tab, 31, 20, 0xFF00FF00u));
    ASSERT_TRUE(Age(tab, 1800));
    CBitmap changed(LoadPngBitmap(tab));
    EXPECT_EQ(CBitmap::SizeOf(changed).cx, 31);
    EXPECT_EQ(BitmapPixel(changed, 2, 2), 0xFF00FF00u);
    EXPECT_EQ(cache.KeptCount(), 1u);

    // A file just written may be rewritten within its time stamp: never kept.
    const std::wstring fresh = folder / L"fresh.png";
    ASSERT_TRUE(WriteSolidPng(fresh, 8, 8, 0xFF0000FFu));
    CBitmap freshOne(LoadPngBitmap(fresh));
    EXPECT_EQ(BitmapPixel(freshOne, 1, 1), 0xFF0000FFu);
    EXPECT_EQ(cache.KeptCount(), 1u);

    // Window-sized pictures are read once anyway: not kept twice.
    const std::wstring large = folder / L"large.png";
    ASSERT_TRUE(WriteSolidPng(large, 300, 260, 0xFF102030u));
    ASSERT_TRUE(Age(large, 3600));
    CBitmap big(LoadPngBitmap(large));
    EXPECT_EQ(BitmapPixel(big, 299, 259), 0xFF102030u);
    EXPECT_EQ(cache.KeptCount(), 1u);

    // Gone from the disc: nothing, even though a copy is kept.
    ASSERT_TRUE(DeleteFileW(tab.c_str()));
    EXPECT_EQ(LoadPngBitmap(tab), nullptr);
    EXPECT_EQ(cache.Load(folder.Path()), nullptr) << "a folder is no picture";
    cache.Clear();
    EXPECT_EQ(cache.KeptCount(), 0u);
}
