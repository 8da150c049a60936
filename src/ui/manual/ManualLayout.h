#pragma once
#include "ui/LayoutBox.h"

// Where things lie in the manuals view (client pixels) and which row the
// pointer is over.
class ManualLayout {
public:
    using Box = LayoutBox;

    static constexpr int kRowHeight = 31;
    static constexpr int kVisibleRows = 18;
    static constexpr Box kRowsArea{15, 17, 836, 575};
    static constexpr int kIconLeft = 19;
    static constexpr int kIconTop = 18;
    static constexpr int kTextRight = 810;
    static constexpr int kHeaderIndent = 17;
    static constexpr int kItemIndent = 36;
    static constexpr int kHighlightLeft = 17;
    static constexpr int kHighlightRight = 824;
    static constexpr int kScrollLeft = 830;
    static constexpr int kScrollTop = 17;
    static constexpr int kScrollWidth = 9;
    static constexpr int kScrollExtra = 3;
    // After a screen change the bar sits lower and is longer.
    static constexpr int kScrollTopReplaced = 52;
    static constexpr int kScrollExtraReplaced = 10;
    static constexpr int kTipLeft = 372;
    static constexpr int kTipRight = 702;
    static constexpr int kFadeStep = 5;

    // The visible row (0 .. 17) under the pointer that may be highlighted,
    // or -1; rowCount and firstVisible bound it to rows that exist.
    static int HoverRow(int x, int y, int firstVisible, int rowCount);
    // Whether the pointer keeps the scroll bar fully shown.
    static bool KeepsScrollShown(int x, int y);
    // How many rows are painted at this scroll position.
    static int PaintedRows(int firstVisible, int rowCount);
    static Box IconPlace(int visibleRow);
    static Box TextRect(int visibleRow, bool header);
    static Box HighlightRect(int visibleRow);
};
