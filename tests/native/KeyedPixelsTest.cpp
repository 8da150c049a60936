#include <gtest/gtest.h>

#include <vector>

#include "ui/skin/KeyedPixels.h"

namespace {
constexpr uint32_t M = 0xFFFF00FFu; // the key, opaque
constexpr uint32_t F = 0xFF131E2Eu; // frame
} // namespace

TEST(KeyedPixels, RunsOfEveryRowAroundTheKey)
{
    // A 4 x 3 frame with a see-through middle; a near-magenta pixel is no key,
    // a transparent magenta one still is.
    const std::vector<uint32_t> pixels{
        F, F,           F,           F, //
        F, M,           0x00FF00FFu, F, //
        F, 0xFFFE00FFu, M,           M, //
    };
    using Run = KeyedPixels::Run;
    EXPECT_EQ(KeyedPixels::OpaqueRuns(pixels, 4, 3, 255, 0, 255),
              (std::vector<Run>{{0, 0, 4}, {1, 0, 1}, {1, 3, 4}, {2, 0, 2}}));
    // Another key colour: red, green, blue from the high end.
    EXPECT_EQ(KeyedPixels::OpaqueRuns({0xFF00FF00u, F}, 2, 1, 0, 255, 0), (std::vector<Run>{{0, 1, 2}}));
    // A buffer too small for the size given, or no size: nothing.
    EXPECT_TRUE(KeyedPixels::OpaqueRuns(pixels, 4, 4, 255, 0, 255).empty());
    EXPECT_TRUE(KeyedPixels::OpaqueRuns(pixels, 0, 3, 255, 0, 255).empty());
    EXPECT_TRUE(KeyedPixels::OpaqueRuns({M, M}, 2, 1, 255, 0, 255).empty());
}
