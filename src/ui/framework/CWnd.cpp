#include "ui/framework/CWnd.h"

#include <vector>

namespace {

// The window property that maps a subclassed handle back to its CWnd.
const wchar_t kOwnerProp[] = L"Dezozi2.CWnd";

} // namespace

CWnd::~CWnd()
{
    // The object is going away: the window must not call into it any more.
    if (m_hWnd && m_superProc)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    return static_cast<CWnd*>(::GetPropW(hwnd, kOwnerProp));
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || m_superProc || FromHandlePermanent(hwnd))
        return false;
    if (!::SetPropW(hwnd, kOwnerProp, this))
        return false;
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWndProc)));
    if (!previous) {
        ::RemovePropW(hwnd, kOwnerProp);
        return false;
    }
    m_superProc = previous;
    m_hWnd = hwnd;
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd* parent)
{
    if (!parent || !parent->m_hWnd)
        return false;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    if (!hwnd)
        return nullptr;
    if (m_superProc && ::IsWindow(hwnd)) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        ::RemovePropW(hwnd, kOwnerProp);
    }
    m_superProc = nullptr;
    m_hWnd = nullptr;
    return hwnd;
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
    return DefWindowProc(msg, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc)
        return ::CallWindowProcW(m_superProc, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd || !wnd->m_superProc)
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg != WM_NCDESTROY)
        return wnd->WindowProc(msg, wParam, lParam);
    // Last message: let the window finish, then detach and tell the object.
    WNDPROC super = wnd->m_superProc;
    LRESULT result = wnd->WindowProc(msg, wParam, lParam);
    if (FromHandlePermanent(hwnd) == wnd) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        ::RemovePropW(hwnd, kOwnerProp);
        wnd->m_superProc = nullptr;
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}
