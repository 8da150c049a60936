#include "ui/CTooltipDlg.h"

#include <vector>

#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/EulaCatalog.h"
#include "resource.h"
#include "services/TextCase.h"
#include "ui/AppContext.h"
#include "ui/LinkOpener.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

// In the order of FramePieces::Piece.
const wchar_t* const kFrameFiles[FramePieces::kPieceCount] = {
    L"tooltip_top_left.png",    L"tooltip_top_middle.png", L"tooltip_top_right.png",
    L"tooltip_middle_left.png", L"tooltip_middle_right.png", L"tooltip_down_left.png",
    L"tooltip_down_middle.png", L"tooltip_down_right.png",
};

const wchar_t kSection[] = L"TOOLTIPDLG";

RECT ToRect(const TipBox& box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

} // namespace

CTooltipDlg::CTooltipDlg() : CSkinOverlayDlg(IDD_TOOLTIP_DLG) {}

void CTooltipDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    for (CContourBitmap& piece : m_frame)
        piece.Reset();
    if (!LayeredWindow::SetColorKey(m_hWnd, kColorKey))
        LogError(m_log, L"[OnInitDialog] SetLayeredWindowAttributes failed: %u", ::GetLastError());
    LoadFrame();
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    if (style && m_font.CreateFontIndirect(SkinFont(m_hWnd, style->GetInt(kSection, L"Tip_text_Font_Size")))) {
        for (int id : {IDC_TOOLTIP_TEXT, IDC_TOOLTIP_LINK})
            ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    }
}

void CTooltipDlg::LoadFrame()
{
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    if (!style)
        return;
    for (int i = 0; i < FramePieces::kPieceCount; ++i) {
        m_frame[i].Reset(LoadPngBitmap(style->LayoutFolder() + kFrameFiles[i]));
        m_frame[i].m_hasAlpha = true;
    }
}

unsigned long CTooltipDlg::TipColor(const wchar_t* key) const
{
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    return style ? style->GetColor(kSection, key) : 0;
}

SIZE CTooltipDlg::MeasureOneLine(const std::wstring& text) const
{
    SIZE extent{0, 0};
    CClientDC dc(m_hWnd);
    if (!dc)
        return extent;
    CSelectObject font(dc, m_font ? m_font.Get() : GetFont());
    if (!::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent))
        return SIZE{0, 0};
    return extent;
}

void CTooltipDlg::MoveChild(int id, const TipBox& box) const
{
    ::MoveWindow(GetDlgItem(id), box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

void CTooltipDlg::SetTipText(const std::wstring& text)
{
    int breaks = 0;
    m_text = TipLayout::ConvertLineBreaks(text, &breaks);
    ::SetDlgItemTextW(m_hWnd, IDC_TOOLTIP_TEXT, m_text.c_str());
    const SIZE extent = MeasureOneLine(m_text);
    const int lines = TipLayout::Lines(breaks, extent.cx);
    m_textRect = TipLayout::TextBox(lines, extent.cy);
    m_textHeight = TipLayout::TipHeight(lines, extent.cy);
    m_tipHeight = m_textHeight;
    MoveChild(IDC_TOOLTIP_TEXT, m_textRect);
    // The statics draw without a background: the whole picture goes under the new text.
    Invalidate();
}

void CTooltipDlg::ClearLink()
{
    ::ShowWindow(GetDlgItem(IDC_TOOLTIP_LINK), SW_HIDE);
    m_linkRect = TipBox{};
    m_linkAddress.clear();
}

void CTooltipDlg::SetTipLink(const std::wstring& path, bool withLink)
{
    // The link's part is counted once however often a row asks.
    m_tipHeight = m_textHeight;
    if (!withLink) {
        m_linkRect = TipBox{};
        m_linkAddress.clear();
        return;
    }
    std::vector<EulaEntry> licences;
    if (m_controller)
        licences = EulaCatalog(*m_controller, m_programFolder).GetEulaList(false);
    const std::wstring upperPath = UpperText(path);
    for (const EulaEntry& licence : licences) {
        // A licence without a name belongs to no item.
        if (licence.EulaName.empty() || upperPath.find(UpperText(licence.EulaName)) == std::wstring::npos)
            continue;
        const std::wstring caption = Translate(licence.Description);
        ::SetDlgItemTextW(m_hWnd, IDC_TOOLTIP_LINK, caption.c_str());
        const SIZE extent = MeasureOneLine(caption);
        m_linkRect = TipLayout::LinkBox(m_textRect, extent.cx, extent.cy);
        m_tipHeight += TipLayout::LinkExtra(m_linkRect);
        MoveChild(IDC_TOOLTIP_LINK, m_linkRect);
        ::ShowWindow(GetDlgItem(IDC_TOOLTIP_LINK), SW_SHOW);
        m_linkAddress = licence.FilePath;
        Invalidate();
        return;
    }
    // No licence of this row: nothing of an earlier row's link may stay.
    ClearLink();
    Invalidate();
}

bool CTooltipDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const SIZE size = ClientSize();
    CMemDC canvas(dc, size);
    canvas.SetBkMode(TRANSPARENT);
    ::SelectClipRgn(canvas, nullptr);
    const FramePieces frame(kFrame, kFrame, 1);
    for (const FramePieces::Place& place : frame.Places(size.cx, size.cy))
        m_frame[place.piece].Draw(canvas, place.x, place.y);
    const RECT inner{kFrame, kFrame, size.cx - kFrame, size.cy - kFrame};
    if (inner.right > inner.left && inner.bottom > inner.top)
        canvas.FillSolidRect(inner, TipColor(L"Tip_bg_Color"));
    return true;
}

HBRUSH CTooltipDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    if (type != CTLCOLOR_STATIC)
        return CSkinOverlayDlg::OnCtlColor(dc, child, type);
    const int id = ::GetDlgCtrlID(child);
    if (id == IDC_TOOLTIP_TEXT)
        ::SetTextColor(dc, TipColor(m_hidden ? L"Tip_bg_Color" : L"Tip_text_Color"));
    else if (id == IDC_TOOLTIP_LINK)
        ::SetTextColor(dc, TipColor(m_pressing ? L"Tip_EULA_Color_Select"
                                    : m_hovering ? L"Tip_EULA_Color_Focus"
                                                 : L"Tip_EULA_Color_Normal"));
    else
        return CSkinOverlayDlg::OnCtlColor(dc, child, type);
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

bool CTooltipDlg::OnShowWindow(BOOL show, UINT)
{
    m_hidden = !show;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return false;
}

void CTooltipDlg::RepaintLink() const
{
    const RECT link = ToRect(m_linkRect);
    ::RedrawWindow(m_hWnd, &link, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool CTooltipDlg::OnSetCursor(HWND, UINT hitTest, UINT)
{
    if (hitTest != HTCLIENT)
        return false;
    ::SetCursor(::LoadCursorW(nullptr, m_hovering ? IDC_HAND : IDC_ARROW));
    return true;
}

bool CTooltipDlg::OnMouseMove(UINT, POINT pt)
{
    const bool hovering = m_linkRect.Contains(pt.x, pt.y);
    ::SetCursor(::LoadCursorW(nullptr, hovering ? IDC_HAND : IDC_ARROW));
    if (hovering != m_hovering) {
        m_hovering = hovering;
        RepaintLink();
    }
    return false;
}

bool CTooltipDlg::OnLButtonDown(UINT, POINT)
{
    if (m_hovering)
        m_pressing = true;
    RepaintLink();
    return false;
}

bool CTooltipDlg::OnLButtonUp(UINT, POINT)
{
    if (m_hovering && !m_linkAddress.empty())
        LinkOpener::OpenLink(m_linkAddress);
    m_pressing = false;
    RepaintLink();
    return false;
}
