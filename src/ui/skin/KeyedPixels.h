#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The parts of a picture that are not its key colour, as runs of pixels per
// row (a window's shape). Pixels are 32-bit BGRA, top row first (0xAARRGGBB
// each); a pixel is the key when its colour is exactly the key's, whatever
// its alpha.
class KeyedPixels {
public:
    struct Run {
        int y;
        int left;
        int right; // one past the last pixel
        bool operator==(const Run& other) const
        {
            return y == other.y && left == other.left && right == other.right;
        }
    };
    // Empty when the buffer is smaller than width x height.
    static std::vector<Run> OpaqueRuns(const std::vector<uint32_t>& pixels, int width, int height, uint8_t red,
                                       uint8_t green, uint8_t blue);
};
