#pragma once
#include <vector>

// Where the eight pieces of a frame go around a W x H picture: corners of
// a fixed size in the four corners, edge pieces repeated along the sides at
// a fixed step from the corner size on. The pieces themselves may be of
// any size; these offsets do not depend on them.
class FramePieces {
public:
    enum Piece { kTopLeft, kTopMiddle, kTopRight, kMiddleLeft, kMiddleRight, kDownLeft, kDownMiddle, kDownRight };
    static constexpr int kPieceCount = 8;

    struct Place {
        Piece piece;
        int x;
        int y;
        bool operator==(const Place& other) const
        {
            return piece == other.piece && x == other.x && y == other.y;
        }
    };

    // cornerWidth x cornerHeight: the space the corners keep; step: the
    // distance between two copies of an edge piece (at least 1).
    FramePieces(int cornerWidth, int cornerHeight, int step);

    // Corners first, then the top and bottom edges, then the two sides.
    std::vector<Place> Places(int width, int height) const;

private:
    int m_cornerWidth;
    int m_cornerHeight;
    int m_step;
};
