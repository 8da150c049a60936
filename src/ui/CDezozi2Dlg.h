#pragma once
#include "ui/framework/CDialogEx.h"

class CController;
struct Logger;

// The program's one top-level window: borderless, 1038 x 678, centred on
// the primary screen. This is the window's frame (placement, styles,
// closing, deferred initialisation); the tabs, views and the message
// protocol of the install session are built on top of it here.
class CDezozi2Dlg : public CDialogEx {
public:
    explicit CDezozi2Dlg(CWnd* parent = nullptr);
    ~CDezozi2Dlg() override;

    static constexpr int kWidth = 1038;
    static constexpr int kHeight = 678;
    // The window's rectangle on a primary screen of this size.
    static RECT CentredRect(int screenWidth, int screenHeight);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // Runs inside the message loop after initialisation has posted
    // MSG_DEFERRED_INIT; the start-up of the window's content goes here.
    virtual void OnDeferredInit();

    CController* m_controller = nullptr;
    Logger* m_log = nullptr;

private:
    void PlaceCentred();
};
