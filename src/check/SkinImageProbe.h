#pragma once
#include <string>

#include "ui/skin/SkinVerdict.h"

// Decodes an image file as the program's image loading does (GDI+) and
// reports its size and whether it has magenta or see-through pixels.
class SkinImageProbe {
public:
    static SkinImageFacts Read(const std::wstring& path);
};
