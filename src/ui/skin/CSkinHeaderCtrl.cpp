#include "ui/skin/CSkinHeaderCtrl.h"

#include <commctrl.h>

#include <vector>

#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"

bool CSkinHeaderCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    SIZE size = ClientSize();
    CMemDC canvas(dc, size);
    canvas.FillSolidRect(RECT{0, 0, size.cx, size.cy}, RGB(74, 82, 107));
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(RGB(255, 255, 255));
    CSelectObject font(canvas, GetFont());
    int count = static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
    for (int i = 0; i < count; ++i) {
        RECT cell{};
        if (!SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&cell)))
            continue;
        wchar_t text[128] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(sizeof(text) / sizeof(text[0]));
        SendMessage(HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        cell.left += 4;
        canvas.DrawText(text, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    return true;
}
