#include "ui/skin/FramePieces.h"

FramePieces::FramePieces(int cornerWidth, int cornerHeight, int step)
    : m_cornerWidth(cornerWidth)
    , m_cornerHeight(cornerHeight)
    , m_step(step < 1 ? 1 : step)
{
}

std::vector<FramePieces::Place> FramePieces::Places(int width, int height) const
{
    std::vector<Place> places;
    if (width <= 0 || height <= 0)
        return places;
    const int right = width - m_cornerWidth;
    const int bottom = height - m_cornerHeight;
    places.push_back({kTopLeft, 0, 0});
    places.push_back({kTopRight, right, 0});
    places.push_back({kDownLeft, 0, bottom});
    places.push_back({kDownRight, right, bottom});
    for (int i = 0; i < width - 2 * m_cornerWidth; i += m_step) {
        places.push_back({kTopMiddle, m_cornerWidth + i, 0});
        places.push_back({kDownMiddle, m_cornerWidth + i, bottom});
    }
    for (int i = 0; i < height - 2 * m_cornerHeight; i += m_step) {
        places.push_back({kMiddleLeft, 0, m_cornerHeight + i});
        places.push_back({kMiddleRight, right, m_cornerHeight + i});
    }
    return places;
}
