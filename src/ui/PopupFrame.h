#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/GdiObject.h"
#include "ui/skin/FramePieces.h"
#include "ui/skin/SkinImages.h"

class CxSkinButton;
class StyleSheet;

// The skin of the message pop-ups: a frame of eight per-pixel-alpha pieces
// around an inner panel, and the picture the pop-ups' buttons cut their
// background pieces from.
class PopupFrame {
public:
    // Frame pieces and button picture from a layout folder; missing files
    // leave their slot empty.
    void Load(const std::wstring& folder);
    // Frame and panel into a context of the pop-up's client size.
    void Paint(HDC dc, SIZE client, COLORREF panel) const;

    // A blue answer button: skin, background piece, "LISTDLG" text colours
    // and the skin font of "List_Btn_text_Font_Size".
    void SkinBlueButton(CxSkinButton& button, const StyleSheet& style, HWND dialog) const;
    void SkinCloseButton(CxSkinButton& button) const;

    bool HasPiece(FramePieces::Piece piece) const { return static_cast<bool>(m_pieces[piece]); }
    HBITMAP ButtonPicture() const { return m_buttonPicture; }

    static constexpr int kCornerWidth = 156;
    static constexpr int kCornerHeight = 80;
    static constexpr int kEdgeStep = 2;

private:
    std::wstring m_folder;
    CContourBitmap m_pieces[FramePieces::kPieceCount];
    CBitmap m_buttonPicture;
};
