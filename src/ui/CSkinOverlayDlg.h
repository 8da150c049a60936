#pragma once
#include "ui/framework/CDialogEx.h"

// An owned pop-up of the skin (tool tip, shadow, mask, highlight, sheets):
// borderless, created modeless with its owner as parent. Its owner moves,
// shows and hides it and ends it with a close message; the keyboard's Enter
// and Esc never end it behind the owner's back. Being created never takes
// the keyboard focus from the window that has it.
class CSkinOverlayDlg : public CDialogEx {
public:
    using CDialogEx::CDialogEx;

protected:
    BOOL OnInitDialog() final;
    // The pop-up's own initialisation, after the framework's.
    virtual void OnInitOverlay() {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
};
