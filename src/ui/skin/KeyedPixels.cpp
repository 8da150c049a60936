#include "ui/skin/KeyedPixels.h"

std::vector<KeyedPixels::Run> KeyedPixels::OpaqueRuns(const std::vector<uint32_t>& pixels, int width, int height,
                                                      uint8_t red, uint8_t green, uint8_t blue)
{
    std::vector<Run> runs;
    if (width <= 0 || height <= 0 || pixels.size() / static_cast<size_t>(width) < static_cast<size_t>(height))
        return runs;
    const uint32_t key = (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        int x = 0;
        while (x < width) {
            while (x < width && (row[x] & 0x00FFFFFFu) == key)
                ++x;
            const int left = x;
            while (x < width && (row[x] & 0x00FFFFFFu) != key)
                ++x;
            if (x > left)
                runs.push_back(Run{y, left, x});
        }
    }
    return runs;
}
