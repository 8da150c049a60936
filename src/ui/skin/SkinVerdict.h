#pragma once
#include <string>

#include "ui/skin/SkinManifest.h"

// What the skin check found out about one image file.
struct SkinImageFacts {
    bool found = false;
    bool readable = false;
    int width = 0;
    int height = 0;
    bool hasMagenta = false;     // an opaque pixel of exactly RGB(255, 0, 255)
    bool hasTranslucent = false; // a pixel whose alpha is below 255
};

enum class SkinStatus { Ok, Missing, Unreadable, WrongSize, NoMagenta, Opaque, Unparsable, OutOfRange };

// Judges a layout's image or style value against what its window needs;
// the first problem found is the answer.
class SkinVerdict {
public:
    static SkinStatus ForImage(const SkinImage& need, const SkinImageFacts& facts);
    // value: the text of the key as read, empty when the key is missing.
    static SkinStatus ForKey(SkinValue kind, const std::wstring& value);

    static const wchar_t* StatusText(SkinStatus status);
    // "1038x678 colour-key", "at least 12x1 plain", "any size alpha".
    static std::wstring NeedText(const SkinImage& need);
    static const wchar_t* KindText(SkinValue kind);

private:
    static bool SizeFits(const SkinImage& need, int width, int height);
    // Blanks, an optional sign, decimal digits, blanks; within int.
    static bool ReadWholeInt(const std::wstring& text, long long& value);
};
