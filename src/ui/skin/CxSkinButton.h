#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/CWnd.h"
#include "ui/framework/GdiObject.h"
#include "ui/framework/MouseLeaveTracker.h"

// The message a checked radio button sends the others of its group.
constexpr UINT kMsgUncheckYourself = WM_USER + 256;

// An owner-drawn button painted from four state images over the piece of
// its owner's background it covers; push button, check box or radio button.
class CxSkinButton : public CWnd {
public:
    enum Kind { kPush = 0, kCheck = 2, kRadio = 4 };

    explicit CxSkinButton(CWnd* owner = nullptr) : m_owner(owner) {}
    ~CxSkinButton() override;

    void SetSkin(const std::wstring& normal, const std::wstring& pressed, const std::wstring& over,
                 const std::wstring& disabled, const std::wstring& folder);
    void SetTextFont(LOGFONTW font);
    void SetToolTipText(const std::wstring& text);
    // Replaces the background piece (the button owns it from now on).
    void SetBackgroundPiece(HBITMAP piece) { m_background.Reset(piece); }
    void SetTextColors(COLORREF normal, COLORREF select, COLORREF focus, COLORREF disable);

    int Kind() const { return m_kind; }
    bool Checked() const { return m_checked; }
    bool Hovering() const { return m_hovering; }
    HWND ToolTip() const { return m_toolTip; }
    bool HasFont() const { return static_cast<bool>(m_font); }

    bool m_pressOffset = true;
    int m_textOffsetX = 0;
    int m_textOffsetY = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseLeave() override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;
    bool OnLButtonDblClk(UINT keys, POINT pt) override;
    bool OnKillFocus(HWND next) override;
    bool OnSetFocus(HWND previous) override;
    bool OnKeyDown(UINT key, UINT flags) override;
    bool OnDestroy() override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Step 0 of drawing: while pressed with the capture, the pushed look
    // follows the pointer; true when the state changed (a repaint follows).
    bool FollowPointerWhilePressed();
    void DrawImage(HDC dc, const RECT& rect, HBITMAP image) const;
    void SetCheck(bool checked);
    void UncheckGroup();
    void RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam) const;
    bool PointerOverMe() const;

    CWnd* m_owner;
    bool m_checked = false;
    int m_kind = kPush;
    bool m_hovering = false;
    // The focus came by keyboard (Tab, arrows): the over look shows it.
    bool m_keyboardFocus = false;
    bool m_pressTracking = false;
    HWND m_toolTip = nullptr;
    CBitmap m_normal, m_pressed, m_disabled, m_over;
    CFont m_font;
    CBitmap m_background;
    COLORREF m_colorNormal = 0, m_colorSelect = 0, m_colorFocus = 0, m_colorDisable = 0x808080;
    BLENDFUNCTION m_blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    MouseLeaveTracker m_leave;
};
