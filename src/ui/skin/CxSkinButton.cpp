#include "ui/skin/CxSkinButton.h"

#include <commctrl.h>

#include "services/FileExists.h"
#include "ui/framework/CMemDC.h"
#include "ui/skin/SkinImages.h"

namespace {

HBITMAP LoadState(const std::wstring& folder, const std::wstring& file)
{
    if (file.empty())
        return nullptr;
    std::wstring path = (folder + file).substr(0, MAX_PATH - 1);
    return FileExists(path) ? LoadPngBitmap(path) : nullptr;
}

} // namespace

CxSkinButton::~CxSkinButton()
{
    if (m_toolTip && ::IsWindow(m_toolTip))
        ::DestroyWindow(m_toolTip);
}

void CxSkinButton::PreSubclassWindow()
{
    LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        m_kind = kCheck;
        break;
    case BS_AUTORADIOBUTTON:
        m_kind = kRadio;
        break;
    default:
        m_kind = kPush;
        break;
    }
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void CxSkinButton::SetSkin(const std::wstring& normal, const std::wstring& pressed, const std::wstring& over,
                           const std::wstring& disabled, const std::wstring& folder)
{
    if (!m_font) {
        LOGFONTW font{};
        if (CFont::GetLogFont(GetFont(), &font))
            m_font.CreateFontIndirect(font);
    }
    m_normal.Reset(LoadState(folder, normal));
    m_pressed.Reset(LoadState(folder, pressed));
    m_over.Reset(LoadState(folder, over));
    m_disabled.Reset(LoadState(folder, disabled));
    if (!m_disabled)
        m_disabled.Reset(LoadState(folder, normal));
    if (m_hWnd)
        Invalidate(FALSE);
}

void CxSkinButton::SetTextFont(LOGFONTW font)
{
    m_font.CreateFontIndirect(font);
    if (m_hWnd)
        Invalidate(FALSE);
}

void CxSkinButton::SetTextColors(COLORREF normal, COLORREF select, COLORREF focus, COLORREF disable)
{
    m_colorNormal = normal;
    m_colorSelect = select;
    m_colorFocus = focus;
    m_colorDisable = disable;
}

void CxSkinButton::SetToolTipText(const std::wstring& text)
{
    if (!m_hWnd)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (m_toolTip) {
        ::SendMessageW(m_toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    m_toolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, nullptr, nullptr);
    if (!m_toolTip)
        return;
    ::SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(m_toolTip, TTM_ACTIVATE, TRUE, 0);
}

void CxSkinButton::RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    if (!m_toolTip)
        return;
    MSG relayed{m_hWnd, msg, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    ::GetCursorPos(&relayed.pt);
    ::SendMessageW(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool CxSkinButton::PointerOverMe() const
{
    POINT cursor{};
    return ::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == m_hWnd;
}

bool CxSkinButton::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT* result)
{
    if (msg != WM_DRAWITEM || !lParam)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return true;
}

bool CxSkinButton::FollowPointerWhilePressed()
{
    if (!m_pressTracking || ::GetCapture() != m_hWnd)
        return false;
    bool pushed = (SendMessage(BM_GETSTATE) & BST_PUSHED) != 0;
    bool over = PointerOverMe();
    if (over == pushed)
        return false;
    SendMessage(BM_SETSTATE, over ? TRUE : FALSE);
    return true;
}

void CxSkinButton::DrawImage(HDC dc, const RECT& rect, HBITMAP image) const
{
    SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    CMemDC canvas(dc, rect);
    HDC source = ::CreateCompatibleDC(dc);
    if (!source)
        return;
    HBITMAP under = m_background ? m_background.Get() : image;
    HGDIOBJ old = ::SelectObject(source, under);
    ::BitBlt(canvas, rect.left, rect.top, size.cx, size.cy, source, 0, 0, SRCCOPY);
    ::SelectObject(source, image);
    SIZE imageSize = CBitmap::SizeOf(image);
    ::AlphaBlend(canvas, rect.left, rect.top, size.cx, size.cy, source, 0, 0, imageSize.cx, imageSize.cy, m_blend);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void CxSkinButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (FollowPointerWhilePressed())
        return;
    HDC dc = item.hDC;
    std::wstring text = GetWindowText();
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    RECT textRect = item.rcItem;
    textRect.left += 2;
    textRect.right -= 2;

    HBITMAP image;
    COLORREF color;
    bool keepColorWithoutImage = false;
    if (item.itemState & ODS_DISABLED) {
        image = m_disabled;
        color = m_colorDisable;
    } else if ((item.itemState & ODS_SELECTED) || m_checked) {
        image = m_pressed;
        color = m_colorSelect;
        if (m_pressOffset)
            ::OffsetRect(&textRect, 1, 1);
    } else if ((m_hovering || m_keyboardFocus) && m_over) {
        image = m_over;
        color = m_colorFocus;
    } else {
        image = m_normal;
        color = m_colorNormal;
        keepColorWithoutImage = true;
    }
    if (image) {
        DrawImage(dc, item.rcItem, image);
        ::SetTextColor(dc, color);
    } else {
        ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
        if (!keepColorWithoutImage)
            ::SetTextColor(dc, color);
    }
    if (m_font) {
        CSelectObject font(dc, m_font);
        ::OffsetRect(&textRect, m_textOffsetX, m_textOffsetY);
        ::DrawTextW(dc, text.c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::SetBkMode(dc, oldMode);
}

bool CxSkinButton::OnMouseMove(UINT keys, POINT pt)
{
    RelayToToolTip(WM_MOUSEMOVE, keys, MAKELPARAM(pt.x, pt.y));
    if (::GetFocus() != m_hWnd)
        ::SetFocus(m_hWnd);
    m_keyboardFocus = false;
    if (m_pressTracking && ::GetCapture() == m_hWnd) {
        FollowPointerWhilePressed();
    } else if (!m_hovering && m_leave.Track(m_hWnd)) {
        m_hovering = true;
        Invalidate(FALSE);
    }
    return false;
}

bool CxSkinButton::OnMouseLeave()
{
    m_leave.Left();
    m_hovering = false;
    Invalidate(FALSE);
    return false;
}

bool CxSkinButton::OnLButtonDown(UINT, POINT)
{
    if (m_hovering && m_leave.Cancel(m_hWnd))
        m_hovering = false;
    Default();
    m_pressTracking = true;
    return true;
}

bool CxSkinButton::OnLButtonDblClk(UINT keys, POINT pt)
{
    // A second press: the system's button sees it as one too.
    if (m_hovering && m_leave.Cancel(m_hWnd))
        m_hovering = false;
    DefWindowProc(WM_LBUTTONDOWN, keys, MAKELPARAM(pt.x, pt.y));
    m_pressTracking = true;
    return true;
}

bool CxSkinButton::OnLButtonUp(UINT keys, POINT pt)
{
    if (m_kind != kPush) {
        POINT screen = pt;
        ::ClientToScreen(m_hWnd, &screen);
        if (::WindowFromPoint(screen) == m_hWnd)
            SendMessage(BM_SETCHECK, m_kind == kCheck ? !m_checked : TRUE);
    }
    RelayToToolTip(WM_LBUTTONUP, keys, MAKELPARAM(pt.x, pt.y));
    m_pressTracking = false;
    return false;
}

bool CxSkinButton::OnSetFocus(HWND)
{
    // The pointer gives the focus to the button it is over (and clears
    // this again); any other way to the focus is the keyboard's.
    m_keyboardFocus = !m_hovering;
    Invalidate(FALSE);
    return false;
}

bool CxSkinButton::OnKillFocus(HWND)
{
    if (m_keyboardFocus) {
        m_keyboardFocus = false;
        Invalidate(FALSE);
    }
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        m_pressTracking = false;
    }
    return false;
}

bool CxSkinButton::OnKeyDown(UINT key, UINT)
{
    if (key == VK_SPACE && m_kind == kCheck)
        SendMessage(BM_SETCHECK, !m_checked);
    else if (key == VK_SPACE && m_kind == kRadio)
        SendMessage(BM_SETCHECK, TRUE);
    return false;
}

bool CxSkinButton::OnDestroy()
{
    if (m_toolTip) {
        ::DestroyWindow(m_toolTip);
        m_toolTip = nullptr;
    }
    return false;
}

void CxSkinButton::SetCheck(bool checked)
{
    m_checked = m_kind != kPush && checked;
    if (m_checked && m_kind == kRadio)
        UncheckGroup();
    Invalidate(FALSE);
}

void CxSkinButton::UncheckGroup()
{
    // The group is this button's run of siblings from the last one with
    // WS_GROUP up to the next one with it. Walked by hand: the system's
    // group walk skips hidden and disabled buttons and, under Wine, runs on
    // past the group's end. Sent, not posted: an uncheck still queued from
    // an earlier check would undo a later one.
    auto startsGroup = [](HWND wnd) { return (::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_GROUP) != 0; };
    HWND first = m_hWnd;
    while (!startsGroup(first)) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND next = first; next; next = ::GetWindow(next, GW_HWNDNEXT)) {
        if (next != first && startsGroup(next))
            break;
        if (next != m_hWnd)
            ::SendMessageW(next, kMsgUncheckYourself, 0, 0);
    }
}

LRESULT CxSkinButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case BM_SETCHECK:
        SetCheck(wParam != 0);
        return 0;
    case BM_GETCHECK:
        return m_checked ? BST_CHECKED : BST_UNCHECKED;
    case kMsgUncheckYourself:
        if (m_checked) {
            m_checked = false;
            Invalidate(FALSE);
        }
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
