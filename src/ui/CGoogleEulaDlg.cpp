#include "ui/CGoogleEulaDlg.h"

#include "config/CController.h"
#include "config/CLanguage.h"
#include "config/EulaCatalog.h"
#include "resource.h"
#include "services/TextCase.h"
#include "ui/AppContext.h"
#include "ui/LinkOpener.h"
#include "ui/framework/CPaintDC.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr const wchar_t* kSection = L"GOOGLEEULADLG";

std::wstring StyleKey(int style, const wchar_t* what)
{
    return L"GoogleEula_T" + std::to_wstring(style) + L"_text_Font_" + what;
}

HWND CreateChild(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id)
{
    return ::CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

} // namespace

CGoogleEulaDlg::CGoogleEulaDlg(int offerKind, CWnd* parent) : CPopupDlg(parent), m_offerKind(offerKind)
{
    m_type = 2;
}

CGoogleEulaDlg::~CGoogleEulaDlg() = default;

void CGoogleEulaDlg::GetPopupSize(int& width, int& height)
{
    width = OfferEulaLayout::kPopupWidth;
    height = OfferEulaLayout::PopupHeight(m_offerKind);
}

void CGoogleEulaDlg::LoadExtraImages()
{
    const StyleSheet* style = AppContext::Style();
    if (!style)
        return;
    const std::wstring path = style->LayoutFolder() + OfferEulaLayout::PictureName(m_offerKind);
    m_picture.Reset(LoadPngBitmap(path));
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        LoadImageFile(path, m_picturePlain);
}

void CGoogleEulaDlg::PaintExtra(HDC dc)
{
    m_picture.Draw(dc, 1, 30);
}

void CGoogleEulaDlg::SetupExtraControls()
{
    // The answer buttons stand on the picture's lower edge.
    const int pieceTop = m_picturePlain.Size().cy - 40;
    CreateBackButton();
    if (m_picturePlain) {
        for (CxSkinButton* button : {&m_buttons.ok, &m_buttons.cancel, &m_back})
            button->SetBackgroundPiece(CropBitmap(m_picturePlain.Get(), 20, pieceTop, 142, 34));
    }
    if (!m_firstBox)
        m_firstBox = CreateBox(kFirstBox);
    if (m_offerKind == 3 && !m_secondBox)
        m_secondBox = CreateBox(kSecondBox);
    ::SetWindowTextW(GetDlgItem(IDC_POPUP_TITLE), Translate(L"View End User License Agreements (EULA)").c_str());
    CreateTexts();

    const bool pending = m_controller && !EulaCatalog(*m_controller, m_programFolder).GetEulaList(true).empty();
    // The links open their own offer's licence, ticked or not.
    if (m_controller)
        m_offerLicences = EulaCatalog(*m_controller, m_programFolder).GetOfferLicences();
    if (!pending) {
        LogInfo(m_log, L"[SetupExtraControls] No licence of the offers: nothing to agree to");
        EndDialog(1);
    }
}

void CGoogleEulaDlg::CreateBackButton()
{
    if (m_back.m_hWnd)
        return;
    HWND back = CreateChild(m_hWnd, L"BUTTON", L"", WS_TABSTOP | BS_PUSHBUTTON, kBackButton);
    if (!back || !m_back.SubclassWindow(back)) {
        LogError(m_log, L"[SetupExtraControls] The Back button was not created");
        return;
    }
    m_back.SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
    if (const StyleSheet* style = AppContext::Style())
        m_frame.SkinBlueButton(m_back, *style, m_hWnd);
    m_back.SetWindowText(Translate(L"Back"));
}

HWND CGoogleEulaDlg::CreateBox(int id)
{
    HWND box = CreateChild(m_hWnd, L"BUTTON", L"", WS_TABSTOP | BS_AUTOCHECKBOX, id);
    if (!box)
        LogError(m_log, L"[SetupExtraControls] Check box %d was not created", id);
    else
        ::SetWindowPos(box, nullptr, 0, 0, 15, 15, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return box;
}

LOGFONTW CGoogleEulaDlg::TextFont(const OfferEulaLayout::Style& style) const
{
    const StyleSheet* sheet = AppContext::Style();
    LOGFONTW font{};
    font.lfHeight = sheet ? sheet->GetInt(kSection, StyleKey(style.height, L"Size").c_str()) : 14;
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    font.lfCharSet = GetCharsetForLanguage();
    wcscpy_s(font.lfFaceName, L"Arial");
    return font;
}

void CGoogleEulaDlg::CreateTexts()
{
    if (!m_layout.pieces.empty())
        return;
    CClientDC dc(m_hWnd);
    auto measure = [&](const std::wstring& text, int height, bool bold) {
        CFont font;
        font.CreateFontIndirect(TextFont(OfferEulaLayout::Style{height, bold, false, 0}));
        CSelectObject selected(dc, font);
        SIZE size{0, 0};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return OfferEulaLayout::Extent{size.cx, size.cy};
    };
    auto translate = [](const wchar_t* english) { return Translate(english); };
    // Without a translation library the texts are English.
    std::wstring language = GetLanguageName();
    if (language.empty())
        language = L"English";
    m_layout = OfferEulaLayout::Arrange(m_offerKind, language, translate, measure);

    for (const OfferEulaLayout::Piece& piece : m_layout.pieces) {
        m_fonts.push_back(std::make_unique<CFont>());
        m_fonts.back()->CreateFontIndirect(TextFont(piece.style));
        HWND text = CreateChild(m_hWnd, L"STATIC", piece.text, SS_LEFT | SS_NOPREFIX, piece.id);
        if (!text) {
            LogError(m_log, L"[SetupExtraControls] Text %d was not created", piece.id);
            continue;
        }
        ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.back()->Get()), FALSE);
        ::MoveWindow(text, piece.box.left, piece.box.top, piece.box.right - piece.box.left,
                     piece.box.bottom - piece.box.top, TRUE);
    }
}

const OfferEulaLayout::Piece* CGoogleEulaDlg::PieceOf(int id) const
{
    for (const OfferEulaLayout::Piece& piece : m_layout.pieces) {
        if (piece.id == id)
            return &piece;
    }
    return nullptr;
}

void CGoogleEulaDlg::ExtraCtlColor(HDC dc, int id, HBRUSH& brush)
{
    const OfferEulaLayout::Piece* piece = PieceOf(id);
    if (!piece)
        return;
    const size_t index = static_cast<size_t>(piece - m_layout.pieces.data());
    if (index < m_fonts.size())
        ::SelectObject(dc, m_fonts[index]->Get());
    const StyleSheet* sheet = AppContext::Style();
    if (piece->style.colour != 0 && sheet)
        ::SetTextColor(dc, sheet->GetColor(kSection, StyleKey(piece->style.colour, L"Color").c_str()));
    ::SetBkMode(dc, TRANSPARENT);
    brush = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CGoogleEulaDlg::AfterLayout()
{
    const SIZE client = ClientSize();
    if (m_back.m_hWnd)
        m_back.MoveWindow(client.cx - 450, client.cy - 45, 142, 34, TRUE);
    if (m_firstBox)
        ::MoveWindow(m_firstBox, OfferEulaLayout::kBoxLeft, OfferEulaLayout::FirstBoxTop(m_offerKind), 15, 15, TRUE);
    if (m_secondBox)
        ::MoveWindow(m_secondBox, OfferEulaLayout::kBoxLeft, OfferEulaLayout::kSecondBoxTop, 15, 15, TRUE);
    const bool okHadFocus = ::GetFocus() == m_buttons.ok.m_hWnd;
    m_buttons.ok.EnableWindow(FALSE);
    // A disabled button cannot keep the keyboard: the first box takes it.
    if (okHadFocus && m_firstBox)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_firstBox), TRUE);
}

void CGoogleEulaDlg::OnPopupMouseMove(UINT, int x, int y)
{
    bool overLink = false;
    for (const OfferEulaLayout::Box& link : m_layout.links)
        overLink = overLink || OfferEulaLayout::StrictlyInside(link, x, y);
    ::SetCursor(::LoadCursorW(nullptr, overLink ? IDC_HAND : IDC_ARROW));
}

void CGoogleEulaDlg::OpenLicence(const wchar_t* offer) const
{
    for (const EulaEntry& licence : m_offerLicences) {
        if (UpperText(licence.EulaName).find(offer) == std::wstring::npos)
            continue;
        if (!licence.FilePath.empty())
            LinkOpener::OpenLink(licence.FilePath);
        return;
    }
    LogInfo(m_log, L"[OnPopupButtonDown] No licence of the offer %s", offer);
}

void CGoogleEulaDlg::OnPopupButtonDown(UINT, int x, int y)
{
    if (m_layout.links.size() != 2)
        return;
    const bool first = OfferEulaLayout::StrictlyInside(m_layout.links[0], x, y);
    const bool second = OfferEulaLayout::StrictlyInside(m_layout.links[1], x, y);
    switch (m_offerKind) {
    case 1:
        if (first)
            OpenLicence(kChromeOffer);
        else if (second)
            LinkOpener::OpenLink(kBrowserPrivacyPage);
        break;
    case 2:
        if (first)
            OpenLicence(kToolbarOffer);
        else if (second)
            LinkOpener::OpenLink(kGooglePrivacyPage);
        break;
    case 3:
        if (first) {
            LinkOpener::OpenLink(kToolbarHelpPage);
        } else if (second) {
            OpenLicence(kChromeOffer);
            OpenLicence(kToolbarOffer);
        }
        break;
    default:
        break;
    }
}

bool CGoogleEulaDlg::Ticked(HWND box) const
{
    return box && ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CGoogleEulaDlg::OnPopupCommand(int id)
{
    switch (id) {
    case IDOK:
        if (!m_controller)
            return;
        if (m_offerKind == 1 || m_offerKind == 3) {
            if (!Ticked(m_firstBox))
                m_controller->DeselectOfferItem(kChromeOffer);
        }
        if (m_offerKind == 2 && !Ticked(m_firstBox))
            m_controller->DeselectOfferItem(kToolbarOffer);
        if (m_offerKind == 3 && !Ticked(m_secondBox))
            m_controller->DeselectOfferItem(kToolbarOffer);
        return;
    case kBackButton:
        EndDialog(2);
        return;
    case kFirstBox:
    case kSecondBox: {
        const bool agreed = Ticked(m_firstBox) || (m_offerKind == 3 && Ticked(m_secondBox));
        m_buttons.ok.EnableWindow(agreed ? TRUE : FALSE);
        return;
    }
    default:
        return;
    }
}
