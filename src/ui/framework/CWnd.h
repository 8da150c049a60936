#pragma once
#include <windows.h>

#include <string>

// Thin owner of a window handle. A CWnd can subclass its window so that
// every message goes through the virtual WindowProc; derived windows
// override it and hand what they do not handle to DefWindowProc.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The CWnd that subclassed this handle, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Routes the window's messages through WindowProc until WM_NCDESTROY.
    bool SubclassWindow(HWND hwnd);
    // Binds a control of a dialog to this object (as DoDataExchange does).
    bool SubclassDlgItem(int id, const CWnd* parent);
    // Gives the window back its own procedure and forgets the handle.
    HWND UnsubclassWindow();

    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const
    {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    BOOL GetWindowRect(RECT* rect) const { return ::GetWindowRect(m_hWnd, rect); }
    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    BOOL ClientToScreen(RECT* rect) const
    {
        // A zero result is also the answer for a window at the screen's origin.
        ::SetLastError(0);
        int moved = ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
        return moved != 0 || ::GetLastError() == 0;
    }
    BOOL Invalidate(BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) const { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    BOOL SetWindowText(const std::wstring& text) const { return ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL DestroyWindow();

    // Adds and removes style bits; returns the previous style.
    LONG_PTR ModifyStyle(LONG_PTR remove, LONG_PTR add) const;
    LONG_PTR ModifyStyleEx(LONG_PTR remove, LONG_PTR add) const;

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window's own procedure (the one that was there before subclassing).
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone and the handle forgotten.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK StandardWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LONG_PTR ModifyLong(HWND hwnd, int index, LONG_PTR remove, LONG_PTR add);

    WNDPROC m_superProc = nullptr;
};
