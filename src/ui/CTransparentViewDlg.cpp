#include "ui/CTransparentViewDlg.h"

#include "config/CController.h"
#include "config/CLanguage.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/WindowMessages.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr COLORREF kColorKey = RGB(255, 0, 255);

} // namespace

CTransparentViewDlg::CTransparentViewDlg() : CSkinOverlayDlg(IDD_TRANSPARENTVIEW_DLG) {}

void CTransparentViewDlg::DoDataExchange()
{
    m_btnInstall.SubclassDlgItem(IDOK, this);
}

void CTransparentViewDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    SetBackgroundColor(kColorKey);
    LayeredWindow::SetColorKey(m_hWnd, kColorKey);
    SkinButton();
}

void CTransparentViewDlg::SkinButton()
{
    if (!m_btnInstall.m_hWnd)
        return;
    m_btnInstall.MoveWindow(0, 0, kButtonWidth, kButtonHeight, TRUE);
    StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    if (!style)
        return;
    m_btnInstall.SetSkin(L"blackbutton_n.png", L"blackbutton_s.png", L"blackbutton_f.png", L"blackbutton_d.png",
                         style->LayoutFolder());
    m_btnInstall.m_textOffsetX = 0;
    m_btnInstall.m_textOffsetY = 0;
    m_btnInstall.SetTextColors(style->GetColor(L"SPECIALDLG", L"Special_Btn_text_Color_Normal"),
                               style->GetColor(L"SPECIALDLG", L"Special_Btn_text_Color_Select"),
                               style->GetColor(L"SPECIALDLG", L"Special_Btn_text_Color_Focus"),
                               style->GetColor(L"SPECIALDLG", L"Special_Btn_text_Color_Disable"));
    m_btnInstall.SetTextFont(SkinFont(m_hWnd, style->GetInt(L"LISTDLG", L"List_Btn_text_Font_Size")));
    m_btnInstall.SetWindowText(Translate(L"Install Now"));
}

void CTransparentViewDlg::OnOK()
{
    if (m_target)
        ::PostMessageW(m_target, MSG_VIEW_OK, 0, 0);
}
