#include "ui/CSkinOverlayDlg.h"

BOOL CSkinOverlayDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    MakeBorderless();
    OnInitOverlay();
    // A dialog that asks for the default focus gets it even while hidden.
    return FALSE;
}

LRESULT CSkinOverlayDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The dialog's own close would become an Esc; the owner means it.
    if (msg == WM_CLOSE) {
        DestroyWindow();
        return 0;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}
