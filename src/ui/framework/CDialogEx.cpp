#include "ui/framework/CDialogEx.h"

#include <commctrl.h>

#include "ui/framework/CWinApp.h"
#include "ui/framework/DialogKeyboardFilter.h"

namespace {

// Templates name common controls, and through the manifest even the plain
// buttons come from the common controls' library: register them before
// the first dialog, whoever runs it.
void RegisterCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

} // namespace

CDialogEx::CDialogEx(UINT templateId, CWnd* parent)
    : m_pParentWnd(parent)
    , m_templateId(templateId)
{
}

CDialogEx::CDialogEx(const DLGTEMPLATE* templ, CWnd* parent)
    : m_pParentWnd(parent)
    , m_template(templ)
{
}

CDialogEx::~CDialogEx()
{
    // The derived part is gone, so its WM_DESTROY work could not run any
    // more: owners destroy first (DestroyThenDelete). A window still here is
    // detached before it goes, so the system never calls into a dead object.
    if (m_hWnd && !m_modal) {
        HWND hwnd = m_hWnd;
        UnsubclassWindow();
        DialogKeyboardFilter::Remove(hwnd);
        ::DestroyWindow(hwnd);
    }
    if (m_backgroundBrush)
        ::DeleteObject(m_backgroundBrush);
}

HWND CDialogEx::ParentHandle() const
{
    return m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
}

INT_PTR CDialogEx::DoModal()
{
    if (m_hWnd)
        return -1;
    m_modal = true;
    m_modalResult = -1;
    RegisterCommonControls();
    HINSTANCE instance = AfxGetInstanceHandle();
    INT_PTR result;
    if (m_template)
        result = ::DialogBoxIndirectParamW(instance, m_template, ParentHandle(), &CDialogEx::DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    else
        result = ::DialogBoxParamW(instance, MAKEINTRESOURCEW(m_templateId), ParentHandle(),
                                   &CDialogEx::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool CDialogEx::Create(CWnd* parent)
{
    if (m_hWnd)
        return false;
    if (parent)
        m_pParentWnd = parent;
    m_modal = false;
    m_modalResult = -1;
    RegisterCommonControls();
    HINSTANCE instance = AfxGetInstanceHandle();
    HWND hwnd;
    if (m_template)
        hwnd = ::CreateDialogIndirectParamW(instance, m_template, ParentHandle(), &CDialogEx::DialogProc,
                                            reinterpret_cast<LPARAM>(this));
    else
        hwnd = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(m_templateId), ParentHandle(),
                                    &CDialogEx::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr || m_hWnd != hwnd)
        return false;
    DialogKeyboardFilter::Add(hwnd);
    return true;
}

void CDialogEx::EndDialog(int result)
{
    m_modalResult = result;
    if (!m_hWnd)
        return;
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow();
}

void CDialogEx::SetBackgroundColor(COLORREF color)
{
    HBRUSH brush = ::CreateSolidBrush(color);
    if (!brush)
        return;
    if (m_backgroundBrush)
        ::DeleteObject(m_backgroundBrush);
    m_backgroundBrush = brush;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CDialogEx::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

BOOL CDialogEx::OnCommand(WPARAM wParam, LPARAM)
{
    // Buttons, menus and the keyboard's Enter and Esc all arrive with code 0.
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialogEx::OnOK()
{
    EndDialog(IDOK);
}

void CDialogEx::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialogEx::MakeBorderless()
{
    ModifyStyle(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER | WS_DLGFRAME, WS_POPUP);
    ModifyStyleEx(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE, 0);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool CDialogEx::OnEraseBkgnd(HDC dc)
{
    RECT rect;
    return m_backgroundBrush && ::GetClientRect(m_hWnd, &rect) && ::FillRect(dc, &rect, m_backgroundBrush);
}

HBRUSH CDialogEx::OnCtlColor(HDC, HWND, UINT type)
{
    return type == CTLCOLOR_DLG ? m_backgroundBrush : nullptr;
}

LRESULT CDialogEx::FocusedOwnerDrawButton() const
{
    // Owner-drawn buttons do not tell the dialog manager they are push
    // buttons, so Enter would go to IDOK; the focused one is the default.
    HWND focus = ::GetFocus();
    if (!focus || ::GetParent(focus) != m_hWnd || !::IsWindowVisible(focus) || !::IsWindowEnabled(focus))
        return 0;
    wchar_t className[16] = {};
    ::GetClassNameW(focus, className, 16);
    if (::lstrcmpiW(className, L"Button") != 0 ||
        (::GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW)
        return 0;
    return MAKELRESULT(::GetDlgCtrlID(focus), DC_HASDEFID);
}

LRESULT CDialogEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) // never passed on: the dialog procedure would only see it again
        return OnInitDialog();
    if (msg == DM_GETDEFID) {
        if (LRESULT focused = FocusedOwnerDrawButton())
            return focused;
    }
    if (msg == WM_NCDESTROY)
        DialogKeyboardFilter::Remove(m_hWnd);
    return CWnd::WindowProc(msg, wParam, lParam);
}

INT_PTR CALLBACK CDialogEx::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_INITDIALOG || CWnd::FromHandlePermanent(hwnd))
        return FALSE; // everything else is handled in WindowProc
    auto* dialog = reinterpret_cast<CDialogEx*>(lParam);
    if (!dialog || !dialog->SubclassWindow(hwnd)) {
        // Nobody would ever end it: close it rather than leave it hanging.
        if (dialog && dialog->m_modal)
            ::EndDialog(hwnd, -1);
        else
            ::DestroyWindow(hwnd);
        return FALSE;
    }
    return static_cast<INT_PTR>(dialog->WindowProc(WM_INITDIALOG, wParam, lParam));
}
