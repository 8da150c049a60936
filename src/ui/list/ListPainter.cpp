#include "ui/list/ListPainter.h"

#include "services/FileExists.h"
#include "ui/framework/CMemDC.h"
#include "ui/list/TextFit.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr wchar_t kSection[] = L"LISTDLG";
// Column x ranges of the cells after the name.
constexpr int kColumnLeft[ItemRowTexts::kColumns] = {0, 353, 463, 603, 743};
constexpr int kColumnRight[ItemRowTexts::kColumns] = {352, 462, 602, 742, 829};

CContourBitmap LoadImageAt(const std::wstring& path)
{
    return CContourBitmap(LoadPngBitmap(path));
}

} // namespace

void ListPainter::Load(const std::wstring& folder, const ListKind& kind, HWND dialog, const StyleSheet* style)
{
    m_kind = kind;
    const std::wstring background = folder + (kind.id == ListKindId::Lower ? L"multisublist_bg.png" : L"singlelist_bg.png");
    m_background = LoadImageAt(background);
    if (FileExists(background))
        m_plainBackground.Reset(LoadPngBitmap(background));
    m_header = LoadImageAt(folder + L"listheader.png");
    m_checkN = LoadImageAt(folder + L"check_n.png");
    m_checkF = LoadImageAt(folder + L"check_f.png");
    m_uncheckN = LoadImageAt(folder + L"uncheck_n.png");
    m_uncheckF = LoadImageAt(folder + L"uncheck_f.png");
    m_manualN = LoadImageAt(folder + L"manualInst_n.png");
    m_manualS = LoadImageAt(folder + L"manualInst_s.png");
    m_manualF = LoadImageAt(folder + L"manualInst_f.png");
    if (!style)
        return;
    LOGFONTW font = SkinFont(dialog, style->GetInt(kSection, L"List_text_Font_Size"));
    m_nameFont.Reset(::CreateFontIndirectW(&font));
    font = SkinFont(dialog, style->GetInt(kSection, L"List_Detail_Text_Font_Size"));
    m_detailFont.Reset(::CreateFontIndirectW(&font));
    m_textColor = style->GetColor(kSection, L"List_text_Color");
}

const CContourBitmap& ListPainter::RowImage(const VisibleRow& row) const
{
    if (m_kind.manual)
        return row.ticked ? m_manualS : (row.hot ? m_manualF : m_manualN);
    if (row.ticked)
        return row.hot ? m_checkF : m_checkN;
    return row.hot ? m_uncheckF : m_uncheckN;
}

RECT ListPainter::CellRect(const ListKind& kind, int k, int column, bool heading)
{
    const int top = ListKind::kRowTop + kind.offset + ListKind::kRowHeight * k;
    const int left = column == 0 ? kind.NameLeft(heading) : kColumnLeft[column];
    return RECT{left, top, kColumnRight[column], top + ListKind::kRowHeight};
}

void ListPainter::DrawCell(HDC dc, const std::wstring& text, RECT rect, bool name) const
{
    const auto measure = [dc](const std::wstring& s) {
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &extent);
        return static_cast<int>(extent.cx);
    };
    const std::wstring shown = TextFit::Fit(text, rect.right - rect.left, measure);
    const UINT format = (name ? DT_LEFT : DT_CENTER) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    ::DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &rect, format);
}

void ListPainter::Paint(HDC dc, SIZE client, const std::vector<VisibleRow>& rows) const
{
    const SIZE size = m_background ? m_background.Size() : client;
    CMemDC canvas(dc, size);
    if (!m_background)
        canvas.FillSolidRect(RECT{0, 0, size.cx, size.cy}, RGB(0, 0, 0));
    m_background.Draw(canvas, 0, 0);
    if (m_kind.headers)
        m_header.Draw(canvas, 17, 29);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(m_textColor);
    for (size_t k = 0; k < rows.size(); ++k) {
        const VisibleRow& row = rows[k];
        if (row.cells[0].empty())
            continue;
        const int i = static_cast<int>(k) + 1;
        RowImage(row).Draw(canvas, m_kind.ImageLeft(row.heading), m_kind.offset + 22 + ListKind::kRowHeight * i);
    }
    for (int column = 0; column < ItemRowTexts::kColumns; ++column) {
        CSelectObject font(canvas, column == 0 ? m_nameFont : m_detailFont);
        for (size_t k = 0; k < rows.size(); ++k) {
            const std::wstring& text = rows[k].cells[static_cast<size_t>(column)];
            if (!text.empty())
                DrawCell(canvas, text, CellRect(m_kind, static_cast<int>(k), column, rows[k].heading), column == 0);
        }
    }
}
