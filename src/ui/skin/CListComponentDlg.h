#pragma once
#include <windows.h>

#include "ui/framework/CDialogEx.h"
#include "ui/skin/CSkinListCtrl.h"

class CController;

// A narrow pop-up that shows nothing but a skinned vertical bar. Its list
// has no width: it is the scroll model of an owner that draws the rows
// itself and follows the bar through the messages passed on to it.
class CListComponentDlg : public CDialogEx {
public:
    CListComponentDlg();

    // The creator sets these before Create, and the owner window after.
    int m_hostHeight = 0;
    int m_pageDivisor = 0;
    int m_thumbHeight = 150;
    HWND m_ownerWindow = nullptr;

    CSkinListCtrl& List() { return m_list; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    CSkinListCtrl m_list;
    CController* m_controller = nullptr;
};
