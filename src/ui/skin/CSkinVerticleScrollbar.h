#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/CWnd.h"
#include "ui/framework/MouseLeaveTracker.h"

// Messages the bar sends to its list's parent.
constexpr UINT kMsgScrollFirstRow = WM_USER + 1; // wParam: first visible row
constexpr UINT kMsgScrollHover = WM_USER + 2;    // pointer over or off the bar

// The custom-drawn vertical bar that stands in for a skinned list's own.
class CSkinVerticleScrollbar : public CWnd {
public:
    void Attach(HWND list, const std::wstring& imageFolder, int pageDivisor, int thumbHeight);

    void UpdateThumbPosition();
    void LimitThumbPosition();

    int ThumbPosition() const { return m_thumbPosition; }
    bool Hovering() const { return m_hovering; }
    bool Dragging() const { return m_dragging; }

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnLButtonUp(UINT keys, POINT pt) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseLeave() override;

private:
    int BarHeight() const;
    void SendToListParent(UINT msg, WPARAM wParam) const;
    void Repaint() const;
    void Paint(HDC dc, int height) const;

    HWND m_list = nullptr;
    bool m_dragging = false;
    int m_thumbPosition = -1;
    bool m_hovering = false;
    std::wstring m_imageFolder;
    int m_pageDivisor = 15;
    int m_thumbHeight = 150;
    MouseLeaveTracker m_leave;
};
