#pragma once

// A rectangle of the fixed window geometries, apart from RECT so that the
// layout arithmetic runs anywhere.
struct LayoutBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutBox&) const = default;
};
