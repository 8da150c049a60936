#include "ui/skin/ScrollThumb.h"

#include <algorithm>

int ScrollThumb::PageSize(int scrollMax, int divisor)
{
    if (divisor <= 0 || scrollMax < 0)
        return 0;
    return std::min(divisor, scrollMax + 1);
}

int ScrollThumb::ScrollRange(int scrollMax, int page)
{
    return std::max(0, scrollMax - std::max(page, 1) + 1);
}

int ScrollThumb::FromScroll(int scrollPos, int scrollRange) const
{
    // With no range there is nothing to stand for: the thumb rests on top.
    if (scrollRange <= 0 || Travel() <= 0)
        return Limit(kTop);
    double ratio = static_cast<double>(Travel()) / scrollRange;
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

int ScrollThumb::FirstRow(int position, int scrollRange) const
{
    if (scrollRange <= 0 || Travel() <= 0)
        return 0;
    // FromScroll truncates s * travel / range: the smallest s that reaches
    // position + 1 is the ceiling of the inverse.
    const long long numerator = static_cast<long long>(Limit(position) + 1) * scrollRange;
    const long long row = (numerator + Travel() - 1) / Travel();
    return static_cast<int>(std::clamp<long long>(row, 0, scrollRange));
}

int ScrollThumb::DragRows(int position, int scrollPos, int scrollRange) const
{
    if (scrollRange <= 0 || Travel() <= 0)
        return 0;
    return FirstRow(position, scrollRange) - scrollPos;
}

bool ScrollThumb::InThumb(int x, int y, int position) const
{
    return x >= 0 && x < kWidth && y >= position && y < position + m_thumbHeight;
}
