#include "ui/CSpecialMaskDlg.h"

#include "config/CController.h"
#include "resource.h"
#include "ui/AppContext.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/framework/LayeredWindow.h"
#include "ui/skin/StyleSheet.h"

CSpecialMaskDlg::CSpecialMaskDlg() : CSkinOverlayDlg(IDD_SPECIALMASK_DLG) {}

void CSpecialMaskDlg::OnInitOverlay()
{
    m_controller = AppContext::Controller();
    const StyleSheet* style = m_controller ? m_controller->GetStyleSheet() : nullptr;
    if (style)
        m_picture.Reset(LoadPngBitmap(style->LayoutFolder() + L"special_mask.png"));
    LayeredWindow::SetColorKey(m_hWnd, RGB(255, 0, 255));
}

bool CSpecialMaskDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CMemDC canvas(dc, m_picture.Size());
    m_picture.Draw(canvas, 0, 0);
    return true;
}
