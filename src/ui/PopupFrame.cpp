#include "ui/PopupFrame.h"

#include "ui/framework/CPaintDC.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

// In the order of FramePieces::Piece.
const wchar_t* const kPieceFiles[FramePieces::kPieceCount] = {
    L"popup_top_left.png",    L"popup_top_middle.png", L"popup_top_right.png",
    L"popup_middle_left.png", L"popup_middle_right.png", L"popup_down_left.png",
    L"popup_down_middle.png", L"popup_down_right.png",
};

} // namespace

void PopupFrame::Load(const std::wstring& folder)
{
    m_folder = folder;
    // The top-right piece once more, as a plain picture for the buttons.
    m_buttonPicture.Reset();
    LoadImageFile(folder + L"popup_top_right.png", m_buttonPicture);
    for (int i = 0; i < FramePieces::kPieceCount; ++i)
        m_pieces[i].Reset(LoadPngBitmap(folder + kPieceFiles[i]));
}

void PopupFrame::Paint(HDC dc, SIZE client, COLORREF panel) const
{
    const FramePieces frame(kCornerWidth, kCornerHeight, kEdgeStep);
    for (const FramePieces::Place& place : frame.Places(client.cx, client.cy))
        m_pieces[place.piece].Draw(dc, place.x, place.y);
    // A pop-up lower than 160 or narrower than 312 has no inner panel; a
    // rectangle with its edges the wrong way round would paint a band over
    // the overlapping corner pieces.
    if (client.cx - kCornerWidth <= kCornerWidth || client.cy - kCornerHeight <= kCornerHeight)
        return;
    CBrush brush(::CreateSolidBrush(panel));
    CPen pen(::CreatePen(PS_SOLID, 1, panel));
    CSelectObject keepBrush(dc, brush);
    CSelectObject keepPen(dc, pen);
    ::Rectangle(dc, kCornerWidth, kCornerHeight, client.cx - kCornerWidth, client.cy - kCornerHeight);
}

void PopupFrame::SkinBlueButton(CxSkinButton& button, const StyleSheet& style, HWND dialog) const
{
    button.SetSkin(L"bluebutton_n.png", L"bluebutton_s.png", L"bluebutton_f.png", L"bluebutton_d.png", m_folder);
    if (m_buttonPicture)
        button.SetBackgroundPiece(CropBitmap(m_buttonPicture, 0, 30, 142, 34));
    button.m_textOffsetX = 0;
    button.m_textOffsetY = 0;
    button.SetTextColors(style.GetColor(L"LISTDLG", L"List_Btn_text_Color_Normal"),
                         style.GetColor(L"LISTDLG", L"List_Btn_text_Color_Select"),
                         style.GetColor(L"LISTDLG", L"List_Btn_text_Color_Focus"),
                         style.GetColor(L"LISTDLG", L"List_Btn_text_Color_Disable"));
    button.SetTextFont(SkinFont(dialog, style.GetInt(L"LISTDLG", L"List_Btn_text_Font_Size")));
}

void PopupFrame::SkinCloseButton(CxSkinButton& button) const
{
    button.SetSkin(L"close_n.png", L"close_s.png", L"close_f.png", L"close_d.png", m_folder);
    if (m_buttonPicture)
        button.SetBackgroundPiece(CropBitmap(m_buttonPicture, 69, 5, 20, 20));
    button.SetWindowText(L"");
}
