#include <gtest/gtest.h>

#include <algorithm>

#include "ui/skin/FramePieces.h"

namespace {

using Place = FramePieces::Place;

int Count(const std::vector<Place>& places, FramePieces::Piece piece)
{
    return static_cast<int>(
        std::count_if(places.begin(), places.end(), [piece](const Place& p) { return p.piece == piece; }));
}

bool Has(const std::vector<Place>& places, Place wanted)
{
    return std::find(places.begin(), places.end(), wanted) != places.end();
}

} // namespace

TEST(FramePieces, TooltipFrameOnePixelSteps)
{
    const auto places = FramePieces(4, 4, 1).Places(330, 100);
    EXPECT_TRUE(Has(places, {FramePieces::kTopLeft, 0, 0}));
    EXPECT_TRUE(Has(places, {FramePieces::kTopRight, 326, 0}));
    EXPECT_TRUE(Has(places, {FramePieces::kDownLeft, 0, 96}));
    EXPECT_TRUE(Has(places, {FramePieces::kDownRight, 326, 96}));
    // i = 0 .. W - 9 along the top and bottom, 0 .. H - 9 down the sides.
    EXPECT_EQ(Count(places, FramePieces::kTopMiddle), 322);
    EXPECT_EQ(Count(places, FramePieces::kDownMiddle), 322);
    EXPECT_EQ(Count(places, FramePieces::kMiddleLeft), 92);
    EXPECT_EQ(Count(places, FramePieces::kMiddleRight), 92);
    EXPECT_TRUE(Has(places, {FramePieces::kTopMiddle, 4, 0}));
    EXPECT_TRUE(Has(places, {FramePieces::kTopMiddle, 325, 0}));
    EXPECT_FALSE(Has(places, {FramePieces::kTopMiddle, 326, 0}));
    EXPECT_TRUE(Has(places, {FramePieces::kDownMiddle, 325, 96}));
    EXPECT_TRUE(Has(places, {FramePieces::kMiddleLeft, 0, 95}));
    EXPECT_TRUE(Has(places, {FramePieces::kMiddleRight, 326, 4}));
    EXPECT_FALSE(Has(places, {FramePieces::kMiddleRight, 326, 96}));
}

TEST(FramePieces, ShadowFrameTwoPixelStepsAndSmallSizes)
{
    const auto places = FramePieces(164, 88, 2).Places(500, 300);
    EXPECT_TRUE(Has(places, {FramePieces::kTopRight, 336, 0}));
    EXPECT_TRUE(Has(places, {FramePieces::kDownLeft, 0, 212}));
    EXPECT_TRUE(Has(places, {FramePieces::kDownRight, 336, 212}));
    // i = 0, 2, ... while i < 500 - 328 = 172: 86 copies, the last at 164 + 170.
    EXPECT_EQ(Count(places, FramePieces::kTopMiddle), 86);
    EXPECT_TRUE(Has(places, {FramePieces::kTopMiddle, 334, 0}));
    EXPECT_FALSE(Has(places, {FramePieces::kTopMiddle, 165, 0}));
    // i < 300 - 176 = 124: 62 copies down each side.
    EXPECT_EQ(Count(places, FramePieces::kMiddleRight), 62);
    EXPECT_TRUE(Has(places, {FramePieces::kMiddleLeft, 0, 210}));

    // Smaller than the corners: only the corners, partly off the picture.
    const auto small = FramePieces(164, 88, 2).Places(100, 50);
    EXPECT_EQ(small.size(), 4u);
    EXPECT_TRUE(Has(small, {FramePieces::kDownRight, -64, -38}));
    EXPECT_TRUE(FramePieces(4, 4, 1).Places(0, 10).empty());
    // A zero step would never end: it counts as one.
    EXPECT_EQ(Count(FramePieces(4, 4, 0).Places(20, 8), FramePieces::kTopMiddle), 12);
}
