#include "ui/skin/CListComponentDlg.h"

#include <commctrl.h>

#include "resource.h"
#include "ui/AppContext.h"
#include "ui/skin/StyleSheet.h"

namespace {

constexpr int kRowHeight = 31;

} // namespace

CListComponentDlg::CListComponentDlg() : CDialogEx(IDD_LISTCOMPONENT_DLG) {}

BOOL CListComponentDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    MakeBorderless();
    m_controller = AppContext::Controller();
    if (!m_list.SubclassDlgItem(IDC_LISTCOMPONENT_LIST, this))
        return TRUE;
    // A 1 x 31 image list is what makes every row 31 pixels high; the list
    // destroys it with itself.
    HIMAGELIST rows = ::ImageList_Create(1, kRowHeight, ILC_COLOR32, 1, 0);
    if (rows)
        m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows));
    m_list.MoveWindow(0, 0, 0, m_hostHeight > 2 ? m_hostHeight - 2 : 0);
    StyleSheet* style = AppContext::Style();
    m_list.m_imageFolder = style ? style->LayoutFolder() : std::wstring();
    m_list.m_pageDivisor = m_pageDivisor;
    m_list.m_thumbHeight = m_thumbHeight;
    m_list.InitSkin();
    return TRUE;
}

LRESULT CListComponentDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if ((msg == kMsgScrollFirstRow || msg == kMsgScrollHover) && m_ownerWindow)
        ::PostMessageW(m_ownerWindow, msg, wParam, 0);
    return CDialogEx::WindowProc(msg, wParam, lParam);
}
