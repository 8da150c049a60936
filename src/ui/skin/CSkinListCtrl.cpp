#include "ui/skin/CSkinListCtrl.h"

#include <commctrl.h>

#include "ui/framework/CPaintDC.h"
#include "ui/skin/ScrollThumb.h"

namespace {

constexpr int kBarId = 65535;

// Looked up at run time: the 32-bit import library lacks the flat bars.
void DisableFlatScrollBars(HWND list)
{
    HMODULE controls = ::GetModuleHandleW(L"comctl32.dll");
    if (!controls)
        return;
    using Initialize = BOOL(WINAPI*)(HWND);
    using Enable = BOOL(WINAPI*)(HWND, int, UINT);
    auto initialize = reinterpret_cast<Initialize>(
        reinterpret_cast<void*>(::GetProcAddress(controls, "InitializeFlatSB")));
    auto enable = reinterpret_cast<Enable>(
        reinterpret_cast<void*>(::GetProcAddress(controls, "FlatSB_EnableScrollBar")));
    if (initialize && initialize(list) && enable)
        enable(list, SB_BOTH, ESB_DISABLE_BOTH);
}

} // namespace

CSkinListCtrl::~CSkinListCtrl()
{
    // The bars are children of the list's parent and may outlive the list.
    m_vertical.DestroyWindow();
    m_horizontal.DestroyWindow();
}

void CSkinListCtrl::PreSubclassWindow()
{
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (header)
        m_header.SubclassWindow(header);
}

HWND CSkinListCtrl::CreateBar(HWND parent) const
{
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBarId)), nullptr, nullptr);
}

bool CSkinListCtrl::InitSkin()
{
    HWND parent = GetParent();
    if (!m_hWnd || !parent)
        return false;
    DisableFlatScrollBars(m_hWnd);

    if (!m_vertical.m_hWnd && !m_vertical.SubclassWindow(CreateBar(parent)))
        return false;
    if (!m_horizontal.m_hWnd && !m_horizontal.SubclassWindow(CreateBar(parent)))
        return false;
    m_vertical.Attach(m_hWnd, m_imageFolder, m_pageDivisor, m_thumbHeight);
    m_horizontal.Attach(m_hWnd, m_imageFolder);

    RECT rect{};
    GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    m_vertical.MoveWindow(rect.right, rect.top, ScrollThumb::kWidth, rect.bottom - rect.top + 12);
    m_horizontal.MoveWindow(rect.left, rect.bottom, rect.right - rect.left + 1, CSkinHorizontalScrollbar::kHeight);

    UpdateThumbs();
    m_horizontal.ShowWindow(SW_HIDE);
    m_hideNativeBars = true;
    ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (m_header.m_hWnd)
        m_header.EnableWindow(FALSE);
    return true;
}

void CSkinListCtrl::UpdateThumbs()
{
    m_vertical.UpdateThumbPosition();
    m_horizontal.UpdateThumbPosition();
}

bool CSkinListCtrl::OnDestroy()
{
    m_vertical.DestroyWindow();
    m_horizontal.DestroyWindow();
    return false;
}

LRESULT CSkinListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCALCSIZE:
        if (m_hideNativeBars)
            ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0);
        break;
    case WM_PAINT: {
        UpdateThumbs();
        CPaintDC dc(m_hWnd);
        RECT client{};
        GetClientRect(&client);
        CustomListView::CMemDC canvas(dc, client);
        return DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<HDC>(canvas)), 0);
    }
    case WM_ERASEBKGND:
        UpdateThumbs();
        return FALSE;
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_KEYUP: {
        UpdateThumbs();
        LRESULT result = DefWindowProc(msg, wParam, lParam);
        // The default scrolls the list; the thumb follows at once.
        UpdateThumbs();
        return result;
    }
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
