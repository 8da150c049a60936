#include "TermsOfUse/TermsWindow.h"

#include "TermsOfUse/TermsResource.h"
#include "TermsOfUse/TermsRules.h"

namespace {

HFONT DialogFontWithHeight(HWND dialog, int height, int weight)
{
    LOGFONTW font{};
    HFONT base = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!base || GetObjectW(base, sizeof(font), &font) != sizeof(font))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = -height;
    font.lfWeight = weight;
    return CreateFontIndirectW(&font);
}

COLORREF Darker(COLORREF color)
{
    return RGB(GetRValue(color) * 3 / 4, GetGValue(color) * 3 / 4, GetBValue(color) * 3 / 4);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    COLORREF old = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FrameSolid(HDC dc, RECT rect, COLORREF color, int width)
{
    for (int i = 0; i < width; ++i) {
        FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
        FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
        FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
        FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
        InflateRect(&rect, -1, -1);
    }
}

} // namespace

TermsWindow::TermsWindow(const TermsConfig& config, const std::wstring& text)
    : m_config(config)
    , m_text(TermsRules::EditLineEnds(text))
{
}

TermsWindow::~TermsWindow()
{
    if (m_textFont)
        DeleteObject(m_textFont);
    if (m_titleFont)
        DeleteObject(m_titleFont);
    if (m_panelBrush)
        DeleteObject(m_panelBrush);
}

TermsWindow::Answer TermsWindow::Run(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return kNoWindow;
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TERMS), nullptr, &TermsWindow::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (result == IDC_TERMS_ACCEPT)
        return kAccepted;
    if (result == IDC_TERMS_DECLINE)
        return kDeclined;
    return kNoWindow;
}

INT_PTR CALLBACK TermsWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* self = reinterpret_cast<TermsWindow*>(lParam);
        self->m_hwnd = hwnd;
        self->Init();
        // The focus is set in Init.
        return FALSE;
    }
    auto* self = reinterpret_cast<TermsWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self ? self->Handle(msg, wParam, lParam) : FALSE;
}

INT_PTR TermsWindow::Finish(HWND hwnd, LRESULT result)
{
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void TermsWindow::Init()
{
    SetWindowTextW(m_hwnd, m_config.title.c_str());
    // The system gives dialogs edges of their own; the client area is the whole window.
    SetWindowLongPtrW(m_hwnd, GWL_STYLE,
                      (GetWindowLongPtrW(m_hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME)) |
                          WS_POPUP);
    SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE,
                      GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE) &
                          ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE));
    m_textFont = DialogFontWithHeight(m_hwnd, 15, FW_NORMAL);
    m_titleFont = DialogFontWithHeight(m_hwnd, 20, FW_BOLD);
    m_panelBrush = CreateSolidBrush(m_config.panel);

    // Centred on the work area, in pixels whatever the dialog units are.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(m_hwnd, nullptr, work.left + (work.right - work.left - kWidth) / 2,
                 work.top + (work.bottom - work.top - kHeight) / 2, kWidth, kHeight, SWP_NOZORDER | SWP_FRAMECHANGED);

    HWND text = GetDlgItem(m_hwnd, IDC_TERMS_TEXT);
    const int buttonTop = kHeight - kMargin - kButtonHeight;
    MoveWindow(text, kMargin, kTitleHeight + 12, kWidth - 2 * kMargin, buttonTop - kTitleHeight - 24, TRUE);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont), FALSE);
    SendMessageW(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(8, 8));
    SetWindowTextW(text, m_text.c_str());

    HWND decline = GetDlgItem(m_hwnd, IDC_TERMS_DECLINE);
    HWND accept = GetDlgItem(m_hwnd, IDC_TERMS_ACCEPT);
    const int declineLeft = kWidth - kMargin - kButtonWidth;
    MoveWindow(decline, declineLeft, buttonTop, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(accept, declineLeft - 12 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, TRUE);
    SetWindowTextW(accept, m_config.acceptText.c_str());
    SetWindowTextW(decline, m_config.declineText.c_str());
    SendMessageW(accept, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont), FALSE);
    SendMessageW(decline, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont), FALSE);
    SetFocus(accept);
}

LRESULT TermsWindow::DefaultButton() const
{
    HWND focus = GetFocus();
    int id = focus && GetParent(focus) == m_hwnd ? GetDlgCtrlID(focus) : 0;
    if (id == IDC_TERMS_ACCEPT || id == IDC_TERMS_DECLINE)
        return MAKELRESULT(id, DC_HASDEFID);
    // Enter in the text answers nothing.
    return 0;
}

INT_PTR TermsWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TERMS_ACCEPT:
            EndDialog(m_hwnd, IDC_TERMS_ACCEPT);
            return TRUE;
        case IDC_TERMS_DECLINE:
        case IDCANCEL: // Esc and closing the window
            EndDialog(m_hwnd, IDC_TERMS_DECLINE);
            return TRUE;
        default:
            return FALSE;
        }
    case DM_GETDEFID:
        return Finish(m_hwnd, DefaultButton());
    case WM_NCHITTEST: {
        POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(m_hwnd, &pt);
        return Finish(m_hwnd, pt.y >= 0 && pt.y < kTitleHeight ? HTCAPTION : HTCLIENT);
    }
    case WM_ERASEBKGND:
        return Finish(m_hwnd, TRUE);
    case WM_PAINT:
        Paint();
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, m_config.text);
        SetBkColor(dc, m_config.panel);
        return reinterpret_cast<INT_PTR>(m_panelBrush);
    }
    case WM_DRAWITEM:
        if (lParam) {
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void TermsWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc)
        return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    FillSolid(dc, client, m_config.background);
    FillSolid(dc, RECT{0, 0, client.right, kTitleHeight}, m_config.accent);
    FrameSolid(dc, client, Darker(m_config.accent), 1);
    RECT titleRect{kMargin, 0, client.right - kMargin, kTitleHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_config.titleColor);
    HGDIOBJ old = SelectObject(dc, m_titleFont);
    DrawTextW(dc, m_config.title.c_str(), -1, &titleRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    EndPaint(m_hwnd, &ps);
}

void TermsWindow::DrawButton(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool primary = item.CtlID == IDC_TERMS_ACCEPT;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    COLORREF face = primary ? m_config.accent : m_config.background;
    if (pressed)
        face = Darker(face);
    FillSolid(dc, rect, face);
    // The focused answer wears a bright double edge, so the keyboard's choice shows.
    FrameSolid(dc, rect, focused ? m_config.buttonText : Darker(m_config.accent), focused ? 2 : 1);
    wchar_t text[128] = {};
    GetWindowTextW(item.hwndItem, text, 128);
    if (pressed)
        OffsetRect(&rect, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_config.buttonText);
    HGDIOBJ old = SelectObject(dc, m_textFont);
    DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}
