#pragma once
#include <string>
#include <vector>

// What a window needs of an image's size.
enum class SkinSize { Any, Exact, AtLeast };
// How a window uses an image's pixels.
enum class SkinPixels { Plain, ColourKey, Alpha, SeeThrough };
// What a Layout.ini value is read as.
enum class SkinValue { Int, Percent, Colour };

struct SkinImage {
    std::wstring file; // relative to the layout folder
    SkinSize size;
    int width;
    int height;
    SkinPixels pixels;
};

struct SkinKey {
    std::wstring section;
    std::wstring key;
    SkinValue kind;
};

struct SkinWindow {
    std::wstring name;
    std::vector<SkinImage> images;
    std::vector<SkinKey> keys;
};

// Every image file and Layout.ini value the windows read from a layout, per
// window, in the order of SkinManifest.inc.
class SkinManifest {
public:
    static const std::vector<SkinWindow>& Windows();
    // File names of the four looks of a skinned control, in the order its
    // skin takes them: normal, selected, focused, disabled.
    static std::vector<std::wstring> StateFiles(const std::wstring& stem);
    // Name of the n-th file of a numbered sequence: prefix, n with at least
    // digits digits (leading zeros), suffix.
    static std::wstring FrameFile(const std::wstring& prefix, int digits, const std::wstring& suffix, int n);
};
