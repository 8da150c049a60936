#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/framework/GdiObject.h"
#include "ui/list/ItemRowTexts.h"
#include "ui/list/ListKind.h"
#include "ui/skin/SkinImages.h"

class StyleSheet;

// Draws a component list: its skin background, the column header strip
// and the visible rows (tick box or manual-install button, five cells cut
// to their columns), off screen, then in one copy.
class ListPainter {
public:
    struct VisibleRow {
        ItemRowTexts::Cells cells;
        bool heading = false;
        bool ticked = false;
        bool hot = false; // the pointer is over its box or button
    };

    void Load(const std::wstring& folder, const ListKind& kind, HWND dialog, const StyleSheet* style);
    void Paint(HDC dc, SIZE client, const std::vector<VisibleRow>& rows) const;
    // The plain background picture (button background pieces), or null.
    HBITMAP PlainBackground() const { return m_plainBackground; }
    // Column rectangles of visible row k.
    static RECT CellRect(const ListKind& kind, int k, int column, bool heading);

private:
    const CContourBitmap& RowImage(const VisibleRow& row) const;
    void DrawCell(HDC dc, const std::wstring& text, RECT rect, bool name) const;

    ListKind m_kind;
    CContourBitmap m_background;
    CBitmap m_plainBackground;
    CContourBitmap m_header;
    CContourBitmap m_checkN, m_checkF, m_uncheckN, m_uncheckF;
    CContourBitmap m_manualN, m_manualS, m_manualF;
    CFont m_nameFont;
    CFont m_detailFont;
    COLORREF m_textColor = 0;
};
