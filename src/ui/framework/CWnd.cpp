#include "ui/framework/CWnd.h"

#include <vector>

#include "ui/framework/WindowBindings.h"

namespace {

// Signed halves: points left of or above a window are negative.
POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace

CWnd::~CWnd()
{
    // The object is going away: the window must not call into it any more.
    if (m_hWnd && m_subclassed)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    WindowBindings::Binding binding;
    if (!hwnd || !WindowBindings::Find(hwnd, &binding))
        return nullptr;
    return binding.wnd;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    // A window that still passes messages on for an object gone before it
    // is not taken again: our procedure would sit twice in its chain.
    if (!hwnd || m_subclassed || WindowBindings::Find(hwnd, nullptr))
        return false;
    ::SetLastError(0);
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!previous && ::GetLastError() != 0)
        return false;
    if (!WindowBindings::Add(hwnd, this, previous)) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        return false;
    }
    m_previous = previous;
    m_subclassed = true;
    m_hWnd = hwnd;
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd* parent)
{
    if (!parent || !parent->m_hWnd)
        return false;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

void CWnd::Release(HWND hwnd, bool dying)
{
    // Put back only while nobody subclassed after us; otherwise the window
    // keeps our procedure, which from now on only passes messages on.
    const auto ours = reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc);
    if (dying || (::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == ours &&
                  ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous)) == ours))
        WindowBindings::Remove(hwnd);
    else
        WindowBindings::Orphan(hwnd);
    m_subclassed = false;
    m_hWnd = nullptr;
    m_previous = nullptr;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    if (!hwnd)
        return nullptr;
    if (m_subclassed && ::IsWindow(hwnd)) {
        Release(hwnd, false);
    } else {
        if (m_subclassed)
            WindowBindings::Remove(hwnd);
        m_subclassed = false;
        m_hWnd = nullptr;
        m_previous = nullptr;
    }
    return hwnd;
}

SIZE CWnd::ClientSize() const
{
    RECT rect{};
    if (!m_hWnd || !::GetClientRect(m_hWnd, &rect))
        return SIZE{0, 0};
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring CWnd::GetWindowText() const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hwnd = m_hWnd;
    BOOL done = ::DestroyWindow(hwnd);
    // A window that was never subclassed does not see WM_NCDESTROY here.
    if (done && m_hWnd == hwnd)
        m_hWnd = nullptr;
    return done;
}

LONG_PTR CWnd::ModifyLong(HWND hwnd, int index, LONG_PTR remove, LONG_PTR add)
{
    LONG_PTR old = ::GetWindowLongPtrW(hwnd, index);
    LONG_PTR wanted = (old & ~remove) | add;
    if (wanted != old)
        ::SetWindowLongPtrW(hwnd, index, wanted);
    return old;
}

LONG_PTR CWnd::ModifyStyle(LONG_PTR remove, LONG_PTR add) const
{
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add);
}

LONG_PTR CWnd::ModifyStyleEx(LONG_PTR remove, LONG_PTR add) const
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (Dispatch(msg, wParam, lParam, &result))
        return result;
    return DefWindowProc(msg, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_subclassed && m_previous)
        return ::CallWindowProcW(m_previous, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.msg, m_current.wParam, m_current.lParam);
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM:
        if (lParam)
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (lParam && wParam)
            child = ::GetDlgItem(m_hWnd, static_cast<int>(wParam));
        break;
    case WM_NOTIFY:
        if (lParam)
            child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return false;
    }
    if (!child || child == m_hWnd)
        return false;
    CWnd* target = FromHandlePermanent(child);
    return target && target->OnChildNotify(msg, wParam, lParam, result);
}

bool CWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (ReflectToChild(msg, wParam, lParam, result))
        return true;
    *result = 0;
    switch (msg) {
    case WM_PAINT:
        return OnPaint();
    case WM_ERASEBKGND:
        if (!OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))
            return false;
        *result = 1;
        return true;
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_LBUTTONUP:
        return OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
    case WM_KEYUP:
        return OnKeyUp(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
    case WM_SETFOCUS:
        return OnSetFocus(reinterpret_cast<HWND>(wParam));
    case WM_KILLFOCUS:
        return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_SETCURSOR:
        if (!OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
            return false;
        *result = TRUE;
        return true;
    case WM_SHOWWINDOW:
        return OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
    case WM_MOVE:
        return OnMove(PointOf(lParam));
    case WM_MOVING:
        if (!OnMoving(reinterpret_cast<RECT*>(lParam)))
            return false;
        *result = TRUE;
        return true;
    case WM_WINDOWPOSCHANGED:
        return lParam && OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_SIZE:
        return OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_VSCROLL:
        return OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        return OnDestroy();
    case WM_COMMAND:
        return OnCommand(wParam, lParam) != FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                  msg - WM_CTLCOLORMSGBOX);
        if (!brush)
            return false;
        *result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    default:
        return false;
    }
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowBindings::Binding binding;
    if (!WindowBindings::Find(hwnd, &binding))
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    CWnd* wnd = binding.wnd;
    if (!wnd || wnd->m_hWnd != hwnd) {
        LRESULT result = binding.previous ? ::CallWindowProcW(binding.previous, hwnd, msg, wParam, lParam)
                                          : ::DefWindowProcW(hwnd, msg, wParam, lParam);
        if (msg == WM_NCDESTROY)
            WindowBindings::Remove(hwnd);
        return result;
    }
    // Handlers may re-enter (a sent message inside a handler): each keeps
    // its own current message.
    CurrentMessage saved = wnd->m_current;
    wnd->m_current = CurrentMessage{msg, wParam, lParam};
    LRESULT result = wnd->WindowProc(msg, wParam, lParam);
    if (msg != WM_NCDESTROY) {
        wnd->m_current = saved;
        return result;
    }
    // Last message: detach and tell the object.
    wnd->Release(hwnd, true);
    wnd->m_current = saved;
    wnd->PostNcDestroy();
    return result;
}
