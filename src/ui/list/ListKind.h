#pragma once

// The four kinds of component list and the fixed geometry they share. All
// coordinates are client pixels of the list window.
enum class ListKindId : int { Single = 0, ForcedManual = 1, Upper = 2, Lower = 3 };

struct ListKind {
    ListKindId id = ListKindId::Single;
    bool manual = false; // manual-install buttons instead of tick boxes
    bool split = false;
    int rowsPerPage = 15;
    int offset = 0; // vertical shift of the row area
    bool installButton = true;
    bool headers = true;

    static ListKind Of(int kind);
    bool Automatic() const { return !manual; }
    // Whether an item of this software type belongs in the list.
    bool Keeps(int softwareType) const;
    int RowAreaTop() const { return kRowTop + offset; }
    int RowAreaBottom() const { return RowAreaTop() + rowsPerPage * kRowHeight; }
    int RowAreaHeight() const { return rowsPerPage * kRowHeight; }
    // Top of the Install button.
    int InstallButtonTop() const { return split ? 399 : 545; }
    // The scroll host's top relative to the list window.
    int HostTop() const { return id == ListKindId::Lower ? 35 : 52; }
    // Left edge of the row highlight.
    int HighlightLeft() const { return manual ? 42 : 57; }
    // 0-based visible row under a point of the row area, -1 outside it.
    int VisibleRowAt(int y) const;
    // The tick box (or manual-install button) of a row: x 20-41 for heading
    // rows and manual lists, 30-51 for item rows of automatic lists.
    static bool InHotZone(int x, bool headingOrManual);
    // Where a visible row's tick box or button image goes.
    int ImageLeft(bool headingRow) const { return headingRow || manual ? 15 : 30; }
    // Left edge of the name column (the rest of the columns are fixed).
    int NameLeft(bool headingRow) const { return 51 + (headingRow || manual ? 0 : 15); }

    static constexpr int kRowHeight = 31;
    static constexpr int kRowTop = 53;
    static constexpr int kRowLeft = 15;
    static constexpr int kRowRight = 836;
    static constexpr int kHoverLeft = 53;
    static constexpr int kHoverRight = 829;
    static constexpr int kHighlightRight = 824;
    static constexpr int kHostLeft = 830;
    static constexpr int kHostWidth = 9;
    static constexpr int kOpaqueFromX = 42;
};
