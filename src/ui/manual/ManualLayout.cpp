#include "ui/manual/ManualLayout.h"

#include <algorithm>

int ManualLayout::HoverRow(int x, int y, int firstVisible, int rowCount)
{
    if (x < 43 || x > 829 || y <= kRowsArea.top || y >= kRowsArea.bottom)
        return -1;
    const int row = (y - kRowsArea.top) / kRowHeight;
    if (row >= PaintedRows(firstVisible, rowCount))
        return -1;
    return row;
}

bool ManualLayout::KeepsScrollShown(int x, int y)
{
    return x > 42 && y > kRowsArea.top && y < kRowsArea.bottom;
}

int ManualLayout::PaintedRows(int firstVisible, int rowCount)
{
    if (firstVisible < 0 || firstVisible >= rowCount)
        return 0;
    return std::min(kVisibleRows, rowCount - firstVisible);
}

ManualLayout::Box ManualLayout::IconPlace(int visibleRow)
{
    const int top = kIconTop + kRowHeight * visibleRow;
    return Box{kIconLeft, top, kIconLeft, top};
}

ManualLayout::Box ManualLayout::TextRect(int visibleRow, bool header)
{
    const int shift = header ? kHeaderIndent : kItemIndent;
    const int top = kRowsArea.top + kRowHeight * visibleRow;
    return Box{shift, top, kTextRight + shift, top + kRowHeight};
}

ManualLayout::Box ManualLayout::HighlightRect(int visibleRow)
{
    const int top = kRowsArea.top + kRowHeight * visibleRow;
    return Box{kHighlightLeft, top, kHighlightRight, top + kRowHeight};
}
