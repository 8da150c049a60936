#pragma once
#include <windows.h>

#include <memory>
#include <string>

// Thin owner of a window handle. A CWnd subclasses its window (a later
// subclass stays intact when the object lets go first) and
// decodes each message once into a virtual handler. A handler that returns
// false lets the window's own procedure have the message; WindowProc
// overrides remain for private message protocols.
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
    // Leaves the window to its own procedure and forgets the handle.
    HWND UnsubclassWindow();

    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const
    {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL MoveWindow(const RECT& rect, BOOL repaint = TRUE) const
    {
        return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    BOOL GetWindowRect(RECT* rect) const { return ::GetWindowRect(m_hWnd, rect); }
    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    SIZE ClientSize() const;
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
    BOOL InvalidateRect(const RECT& rect, BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, &rect, erase); }
    BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
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
    HFONT GetFont() const { return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }
    BOOL DestroyWindow();

    // Adds and removes style bits; returns the previous style.
    LONG_PTR ModifyStyle(LONG_PTR remove, LONG_PTR add) const;
    LONG_PTR ModifyStyleEx(LONG_PTR remove, LONG_PTR add) const;

    HWND m_hWnd = nullptr;

protected:
    // Decodes the message into the handlers below; what none handles goes
    // to the window's own procedure.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window's own procedure (the one that was there before subclassing).
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window's own procedure for the message being handled now.
    LRESULT Default();
    // Called right after the handle is bound to this object.
    virtual void PreSubclassWindow() {}
    // Called after the window is gone and the handle forgotten.
    virtual void PostNcDestroy() {}

    // Handlers: true when handled (the window's own procedure is skipped).
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBkgnd(HDC) { return false; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnMouseMove(UINT, POINT) { return false; }
    virtual bool OnMouseLeave() { return false; }
    virtual bool OnMouseWheel(UINT, short, POINT) { return false; }
    virtual bool OnLButtonDown(UINT, POINT) { return false; }
    virtual bool OnLButtonUp(UINT, POINT) { return false; }
    virtual bool OnLButtonDblClk(UINT, POINT) { return false; }
    virtual bool OnKeyDown(UINT, UINT) { return false; }
    virtual bool OnKeyUp(UINT, UINT) { return false; }
    virtual bool OnSetFocus(HWND) { return false; }
    virtual bool OnKillFocus(HWND) { return false; }
    virtual bool OnSetCursor(HWND, UINT, UINT) { return false; }
    virtual bool OnShowWindow(BOOL, UINT) { return false; }
    virtual bool OnMove(POINT) { return false; }
    virtual bool OnMoving(RECT*) { return false; }
    // After a move, size, show or hide (SWP_SHOWWINDOW / SWP_HIDEWINDOW in
    // flags); return false so that WM_MOVE and WM_SIZE still follow.
    virtual bool OnWindowPosChanged(const WINDOWPOS&) { return false; }
    virtual bool OnSize(UINT, int, int) { return false; }
    virtual bool OnVScroll(UINT, int, HWND) { return false; }
    virtual bool OnDestroy() { return false; }
    // Command from a menu, an accelerator or a child (after the child's own
    // object had its chance to handle it).
    virtual BOOL OnCommand(WPARAM, LPARAM) { return FALSE; }
    // WM_CTLCOLOR* that the child's own object did not answer; a brush
    // handles it.
    virtual HBRUSH OnCtlColor(HDC, HWND, UINT) { return nullptr; }

    // A notification the parent reflects to this control's object:
    // WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*, WM_NOTIFY, WM_COMMAND.
    // True when handled; *result is then the parent's answer.
    virtual bool OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

private:
    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Gives the window back to its previous procedure (a dying one needs
    // none) and forgets it.
    void Release(HWND hwnd, bool dying);
    static LONG_PTR ModifyLong(HWND hwnd, int index, LONG_PTR remove, LONG_PTR add);

    bool m_subclassed = false;
    WNDPROC m_previous = nullptr;
    CurrentMessage m_current;
};

// Deletes a window object after destroying its window, so that the window's
// own WM_DESTROY work runs while the whole object still exists.
struct DestroyThenDelete {
    void operator()(CWnd* wnd) const
    {
        if (!wnd)
            return;
        if (wnd->m_hWnd)
            wnd->DestroyWindow();
        delete wnd;
    }
};
template <class T>
using WindowPtr = std::unique_ptr<T, DestroyThenDelete>;
