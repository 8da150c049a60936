#include "ui/framework/CDialogEx.h"

#include "ui/framework/CWinApp.h"

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
    // A modeless dialog deleted while open is closed first, so the system
    // never calls into a dead object.
    if (m_hWnd && !m_modal)
        DestroyWindow();
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
    HINSTANCE instance = AfxGetInstanceHandle();
    HWND hwnd;
    if (m_template)
        hwnd = ::CreateDialogIndirectParamW(instance, m_template, ParentHandle(), &CDialogEx::DialogProc,
                                            reinterpret_cast<LPARAM>(this));
    else
        hwnd = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(m_templateId), ParentHandle(),
                                    &CDialogEx::DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && m_hWnd == hwnd;
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

LRESULT CDialogEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        // Never passed on: the dialog procedure would only see it again.
        return OnInitDialog();
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_CTLCOLORDLG:
        if (m_backgroundBrush)
            return reinterpret_cast<LRESULT>(m_backgroundBrush);
        break;
    case WM_ERASEBKGND:
        if (m_backgroundBrush) {
            RECT rect;
            if (::GetClientRect(m_hWnd, &rect) &&
                ::FillRect(reinterpret_cast<HDC>(wParam), &rect, m_backgroundBrush))
                return 1;
        }
        break;
    default:
        break;
    }
    return DefWindowProc(msg, wParam, lParam);
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
