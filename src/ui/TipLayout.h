#pragma once
#include <string>

// A rectangle in the tool tip's client coordinates.
struct TipBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Height() const { return bottom - top; }
    // Edges included: an all-zero box still holds the point (0, 0).
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const TipBox& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// Arithmetic of the description tool tip: its text wraps at about 282
// pixels inside a 330-pixel window with 12-pixel margins, and the licence
// link sits one blank line under the text.
class TipLayout {
public:
    static constexpr int kWrapWidth = 282;
    static constexpr int kMargin = 12;
    static constexpr int kTextRight = 318;
    static constexpr int kLinkWidth = 306;
    static constexpr int kPadding = 24;

    // "@@" and the two characters backslash and n become line breaks;
    // *breaks receives how many there are.
    static std::wstring ConvertLineBreaks(const std::wstring& text, int* breaks);
    // Lines for a text of this width measured as one line, with its breaks.
    static int Lines(int breaks, int oneLineWidth);
    static TipBox TextBox(int lines, int lineHeight);
    // The window height the text needs.
    static int TipHeight(int lines, int lineHeight) { return lines * lineHeight + kPadding; }
    // The link's box under the text for a link text of this one-line width.
    static TipBox LinkBox(const TipBox& text, int oneLineWidth, int lineHeight);
    // What the link adds to the window height.
    static int LinkExtra(const TipBox& link) { return link.Height() + kPadding; }
};
