#pragma once
#include <windows.h>

#include <vector>

// How far up the GDI handle table new objects go. Wine does not count a
// process's GDI objects (GetGuiResources answers 0), but it hands out the
// lowest free slots first: objects left behind push new ones higher.
inline unsigned GdiHighWater()
{
    std::vector<HBRUSH> brushes;
    unsigned highest = 0;
    for (int i = 0; i < 512; ++i) {
        HBRUSH brush = CreateSolidBrush(RGB(i & 0xFF, 1, 2));
        if (!brush)
            break;
        brushes.push_back(brush);
        unsigned slot = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(brush) & 0xFFFF);
        if (slot > highest)
            highest = slot;
    }
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    return highest;
}

// GDI objects of the process where the system counts them, else the
// high-water mark above.
inline unsigned GdiObjectMeasure()
{
    DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return counted ? counted : GdiHighWater();
}
