#include <gtest/gtest.h>

#include <algorithm>

#include "ui/skin/FramePieces.h"

namespace {

int Count(const std::vector<FramePieces::Place>& places, FramePieces::Piece piece)
{
    return static_cast<int>(std::count_if(places.begin(), places.end(), [=](auto& p) { return p.piece == piece; }));
}

} // namespace

TEST(FramePieces, CornersAndEdgeCopies)
{
    // The shadow's frame: i = 0, 2, ... while i < W - 328 (and H - 176).
    const auto shadow = FramePieces(164, 88, 2).Places(500, 300);
    const std::vector<FramePieces::Place> corners(shadow.begin(), shadow.begin() + 4);
    EXPECT_EQ(corners, (std::vector<FramePieces::Place>{{FramePieces::kTopLeft, 0, 0},
                                                        {FramePieces::kTopRight, 336, 0},
                                                        {FramePieces::kDownLeft, 0, 212},
                                                        {FramePieces::kDownRight, 336, 212}}));
    EXPECT_EQ(Count(shadow, FramePieces::kTopMiddle), 86);
    EXPECT_EQ(Count(shadow, FramePieces::kMiddleRight), 62);
    EXPECT_EQ(shadow.back(), (FramePieces::Place{FramePieces::kMiddleRight, 336, 88 + 122}));
    // The tool tip's frame: one-pixel steps.
    const auto tip = FramePieces(4, 4, 1).Places(330, 100);
    EXPECT_EQ(Count(tip, FramePieces::kDownMiddle), 322);
    EXPECT_EQ(Count(tip, FramePieces::kMiddleLeft), 92);
    // Smaller than the corners: only they, partly outside; a zero step counts as one.
    EXPECT_EQ(FramePieces(164, 88, 2).Places(100, 50).size(), 4u);
    EXPECT_EQ(FramePieces(4, 4, 0).Places(20, 8).size(), 4u + 2 * 12);
    EXPECT_TRUE(FramePieces(4, 4, 1).Places(0, 10).empty());
}
