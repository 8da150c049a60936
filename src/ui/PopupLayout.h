#pragma once
#include "ui/LayoutBox.h"
#include <string>

// Arithmetic of the message pop-ups and the video list: the message's
// growth, the places of the buttons, the rows of the video list.
class PopupLayout {
public:
    using Box = LayoutBox;

    // Every two-character sequence backslash-n becomes a line break; breaks
    // counts them.
    static std::wstring ConvertLineBreaks(const std::wstring& text, int& breaks);
    // Height of the message for its breaks and its width and height as one line.
    static int MessageHeight(int breaks, int lineWidth, int lineHeight);
    // The default pop-up size around a message of that height.
    static int DefaultWidth() { return 450; }
    static int DefaultHeight(int messageHeight) { return messageHeight + 105; }
    // Centred on a screen: integer halves.
    static int CentredOrigin(int screen, int size) { return screen / 2 - size / 2; }
    // The message box in the pop-up.
    static Box MessageRect(int messageHeight) { return Box{15, 45, 15 + kMessageWidth, 45 + messageHeight}; }
    // The buttons in a W x H pop-up.
    static Box AffirmativeButton(int width, int height);
    static Box NegativeButton(int width, int height);
    static Box CloseButton(int width);
    // A pop-up being dragged never ends above this: a single step of the drag
    // could otherwise leave its drag band off the screen.
    static int ClampedTop(int currentTop, int proposedTop)
    {
        return currentTop < kTopLimit || proposedTop < kTopLimit ? kTopLimit : proposedTop;
    }

    // Video list: the row under a client point among rowCount rows, or -1.
    static int RowAt(int x, int y, int rowCount);
    // The highlight over a row, and where its text goes.
    static Box RowHighlight(int row) { return Box{8, 37 + kRowHeight * row, 716, 68 + kRowHeight * row}; }
    static Box RowText(int row) { return Box{18, 37 + kRowHeight * row, 717, 68 + kRowHeight * row}; }
    // How many rows are drawn (the list does not scroll).
    static int VisibleRows(int rowCount) { return rowCount < kVisibleRows ? rowCount : kVisibleRows; }

    static constexpr int kMessageWidth = 420;
    static constexpr int kTopLimit = 8;
    static constexpr int kRowHeight = 31;
    static constexpr int kVisibleRows = 4;
    static constexpr int kListWidth = 725;
    static constexpr int kListHeight = 236;
};
