#pragma once
#include <string>

#include "log/ScopedLogger.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/TipLayout.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/FramePieces.h"
#include "ui/skin/SkinImages.h"

class CController;

// The description tool tip of a list row: the text in a four-pixel frame,
// and under it, for rows that have one, a link to the row's licence. The
// owner sets the text (and link), reads the tip height, then moves and
// shows the window.
class CTooltipDlg : public CSkinOverlayDlg {
public:
    CTooltipDlg();

    void SetTipText(const std::wstring& text);
    // After SetTipText: the link adds to the height.
    void SetTipLink(const std::wstring& path, bool withLink);

    int TipHeight() const { return m_tipHeight; }
    const std::wstring& Text() const { return m_text; }
    const TipBox& TextRect() const { return m_textRect; }
    const TipBox& LinkRect() const { return m_linkRect; }
    const std::wstring& LinkAddress() const { return m_linkAddress; }
    bool Hidden() const { return m_hidden; }

    // Where LayoutCfg.ini and the licence sets lie; the program's folder
    // unless set.
    void SetProgramFolder(const std::wstring& folder) { m_programFolder = folder; }

    static constexpr int kFrame = 4;
    static constexpr COLORREF kColorKey = RGB(255, 0, 255);

protected:
    void OnInitOverlay() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnShowWindow(BOOL show, UINT status) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnSetCursor(HWND, UINT hitTest, UINT) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;

private:
    void LoadFrame();
    // The tip font's extent of a text measured as one line.
    SIZE MeasureOneLine(const std::wstring& text) const;
    void MoveChild(int id, const TipBox& box) const;
    void RepaintLink() const;
    void ClearLink();
    unsigned long TipColor(const wchar_t* key) const;

    ScopedLogger m_log{L"CTooltipDlg"};
    CController* m_controller = nullptr;
    std::wstring m_programFolder;
    std::wstring m_text;
    TipBox m_textRect;
    int m_textHeight = 0; // tip height of the text alone
    int m_tipHeight = 0;
    TipBox m_linkRect;
    std::wstring m_linkAddress;
    bool m_hovering = false;
    bool m_pressing = false;
    bool m_hidden = false;
    CContourBitmap m_frame[FramePieces::kPieceCount];
    CFont m_font;
};
