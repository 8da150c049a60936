#include "ui/skin/ScrollThumb.h"

#include <algorithm>

int ScrollThumb::PageSize(int scrollMax, int divisor)
{
    if (divisor <= 0 || scrollMax < 0)
        return 0;
    return static_cast<int>((static_cast<long long>(scrollMax) + divisor) / divisor);
}

int ScrollThumb::FromScroll(int scrollPos, int scrollMax) const
{
    // With no range there is nothing to stand for: the thumb rests on top.
    if (scrollMax <= 0 || Travel() <= 0)
        return Limit(kTop);
    double ratio = static_cast<double>(Travel()) / scrollMax;
    return Limit(static_cast<int>(scrollPos * ratio) - 1);
}

int ScrollThumb::Limit(int position) const
{
    if (m_thumbHeight + position > m_barHeight)
        position = m_barHeight - m_thumbHeight + 1;
    if (position < kTop)
        position = kTop;
    return position;
}

int ScrollThumb::FirstRow(int itemCount, int divisor, int position) const
{
    if (itemCount <= 0 || Travel() <= 0)
        return 0;
    double row = static_cast<double>(itemCount - divisor) * position / Travel() + 0.5;
    if (!(row > 0))
        return 0;
    return static_cast<int>(std::min<double>(row, itemCount - 1));
}

int ScrollThumb::DragRows(int position, int scrollPos, int scrollMax) const
{
    if (scrollMax <= 0 || Travel() <= 0)
        return 0;
    double ratio = static_cast<double>(Travel()) / scrollMax;
    return static_cast<int>((position + 1) / ratio) - scrollPos;
}

bool ScrollThumb::InThumb(int x, int y, int position) const
{
    return x >= 0 && x < kWidth && y >= position && y < position + m_thumbHeight;
}
