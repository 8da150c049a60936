#pragma once

// Arithmetic of the skinned vertical scroll bar: a bar of height H with a
// thumb of height h at position p (pixels from the bar's top, -1 at the
// top stop, H - h + 1 at the bottom stop).
class ScrollThumb {
public:
    ScrollThumb(int barHeight, int thumbHeight) : m_barHeight(barHeight), m_thumbHeight(thumbHeight) {}

    // Page size for a row maximum and the rows a page shows: a page's rows,
    // so that the list's last position shows the last full page.
    static int PageSize(int scrollMax, int divisor);
    // The list's last scroll position (its first row at the bottom) for a
    // row maximum and page size.
    static int ScrollRange(int scrollMax, int page);
    // Thumb position for the list's scroll position; top without a range.
    int FromScroll(int scrollPos, int scrollRange) const;
    // The position kept inside the bar's stops.
    int Limit(int position) const;
    // The first row a thumb position stands for, within 0 .. range: the
    // smallest scroll position FromScroll puts there, so that a thumb
    // placed from the list stands for the list's row again.
    int FirstRow(int position, int scrollRange) const;
    // Rows the list must scroll so that it follows a dragged thumb.
    int DragRows(int position, int scrollPos, int scrollRange) const;
    // The thumb under the pointer's y while dragging (centred on it).
    int DragPosition(int pointerY) const { return pointerY - m_thumbHeight / 2; }
    bool InThumb(int x, int y, int position) const;

    static constexpr int kTop = -1;
    static constexpr int kWidth = 12;

private:
    // Pixels the thumb can travel, with the two stops' extra pixel each.
    int Travel() const { return m_barHeight - m_thumbHeight + 2; }

    int m_barHeight;
    int m_thumbHeight;
};
