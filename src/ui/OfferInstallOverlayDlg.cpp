#include "ui/OfferInstallOverlayDlg.h"

#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/EulaCatalog.h"
#include "resource.h"
#include "ui/CGoogleEulaDlg.h"
#include "ui/AppContext.h"
#include "ui/LinkOpener.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/StyleSheet.h"

namespace {

bool StrictlyInside(const RECT& r, POINT pt)
{
    return pt.x > r.left && pt.x < r.right && pt.y > r.top && pt.y < r.bottom;
}

bool SameLanguage(const std::wstring& language, const wchar_t* name)
{
    return ::CompareStringOrdinal(language.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

} // namespace

CSpecialGoogleMaskDlg::CSpecialGoogleMaskDlg() : CDialogEx(IDD_SPECIALGOOGLEMASK_DLG) {}

CSpecialGoogleMaskDlg::~CSpecialGoogleMaskDlg() = default;

BOOL CSpecialGoogleMaskDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_controller = AppContext::Controller();
    const StyleSheet* style = AppContext::Style();
    if (style) {
        SetBackgroundColor(style->GetColor(L"SPECIALDLG", L"Special_Google_Mask_bg_Color"));
        const std::wstring background = style->LayoutFolder() + L"specialgooglemask_bg.png";
        if (::GetFileAttributesW(background.c_str()) != INVALID_FILE_ATTRIBUTES)
            LoadImageFile(background, m_background);
    }
    m_check.SubclassDlgItem(IDC_OPTIN_CHECK, this);
    m_check.MoveWindow(128, 8, 26, 31, TRUE);
    SkinBox();
    if (m_background)
        m_check.SetBackgroundPiece(CropBitmap(m_background.Get(), 0, 0, 26, 31));
    PlaceTexts();
    if (m_controller)
        m_catalog = EulaCatalog(*m_controller).GetEulaCatalog();
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

int CSpecialGoogleMaskDlg::SmallSize() const
{
    const StyleSheet* style = AppContext::Style();
    const int size = style ? style->GetInt(L"GOOGLEEULADLG", L"Special_GMask_text_Font_Size_S") : 12;
    const std::wstring language = GetLanguageName();
    return SameLanguage(language, L"French") || SameLanguage(language, L"Russian") ? size - 1 : size;
}

void CSpecialGoogleMaskDlg::PlaceTexts()
{
    const StyleSheet* style = AppContext::Style();
    m_bigFont.CreateFontIndirect(SkinFont(m_hWnd, style ? style->GetInt(L"SPECIALDLG", L"Special_GMask_text_Font_Size") : 14));
    LOGFONTW small = SkinFont(m_hWnd, SmallSize());
    m_smallFont.CreateFontIndirect(small);
    small.lfUnderline = TRUE;
    m_linkFont.CreateFontIndirect(small);

    CClientDC dc(m_hWnd);
    // The small texts are measured in the plain small font, as they are laid out in a row.
    CSelectObject selected(dc, m_smallFont);
    auto place = [&](int id, const wchar_t* english, int x, int y, int width) {
        const std::wstring text = Translate(english);
        HWND control = GetDlgItem(id);
        ::SetWindowTextW(control, text.c_str());
        ::MoveWindow(control, x, y, width, 31, TRUE);
        SIZE size{0, 0};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return RECT{x, y, x + size.cx, y + size.cy};
    };
    place(IDC_OPTIN_INCLUDE, L"Include Google Chrome as my default browser", 160, 15, 600);
    const RECT agree = place(IDC_OPTIN_AGREE, L"By installing this application, you agree to the Google Chrome", 131, 40, 600);
    m_links[0] = place(IDC_OPTIN_TERMS, L"Terms of use", agree.right - agree.left + 134, 40, 300);
    const RECT conj = place(IDC_OPTIN_AND, L"and", m_links[0].right + 3, 40, 200);
    m_links[1] = place(IDC_OPTIN_PRIVACY, L"Privacy policy", conj.right + 3, 40, 200);
    for (int id : {IDC_OPTIN_INCLUDE, IDC_OPTIN_AGREE, IDC_OPTIN_TERMS, IDC_OPTIN_AND, IDC_OPTIN_PRIVACY}) {
        const HFONT font = id == IDC_OPTIN_INCLUDE ? m_bigFont.Get()
                           : (id == IDC_OPTIN_TERMS || id == IDC_OPTIN_PRIVACY) ? m_linkFont.Get()
                                                                                 : m_smallFont.Get();
        ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CSpecialGoogleMaskDlg::SkinBox()
{
    const StyleSheet* style = AppContext::Style();
    const std::wstring folder = style ? style->LayoutFolder() : std::wstring();
    const std::wstring look = m_ticked ? L"check_" : L"uncheck_";
    m_check.SetSkin(look + L"n.png", look + L"n.png", look + L"f.png", look + L"d.png", folder);
    m_check.Invalidate();
}

LRESULT CSpecialGoogleMaskDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_DEFERRED_INIT)
        return 0;
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

BOOL CSpecialGoogleMaskDlg::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != IDC_OPTIN_CHECK || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    m_ticked = !m_ticked;
    SkinBox();
    if (m_target)
        ::SendMessageW(m_target, MSG_OFFER_CHECKED, m_ticked ? 1 : 0, 0);
    return TRUE;
}

HBRUSH CSpecialGoogleMaskDlg::OnCtlColor(HDC dc, HWND child, UINT type)
{
    const int id = ::GetDlgCtrlID(child);
    if (id < IDC_OPTIN_INCLUDE || id > IDC_OPTIN_PRIVACY)
        return CDialogEx::OnCtlColor(dc, child, type);
    const StyleSheet* style = AppContext::Style();
    const bool link = id == IDC_OPTIN_TERMS || id == IDC_OPTIN_PRIVACY;
    if (style)
        ::SetTextColor(dc, style->GetColor(L"SPECIALDLG", link ? L"Special_GMask_text_color_Link"
                                                               : L"Special_GMask_text_color_Normal"));
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

bool CSpecialGoogleMaskDlg::OnMouseMove(UINT, POINT pt)
{
    const bool overLink = StrictlyInside(m_links[0], pt) || StrictlyInside(m_links[1], pt);
    ::SetCursor(::LoadCursorW(nullptr, overLink ? IDC_HAND : IDC_ARROW));
    return true;
}

bool CSpecialGoogleMaskDlg::OnLButtonDown(UINT, POINT pt)
{
    if (StrictlyInside(m_links[0], pt)) {
        if (!m_catalog.empty() && !m_catalog.front().FilePath.empty())
            LinkOpener::OpenLink(m_catalog.front().FilePath);
    } else if (StrictlyInside(m_links[1], pt)) {
        LinkOpener::OpenLink(CGoogleEulaDlg::kBrowserPrivacyPage);
    }
    return true;
}
