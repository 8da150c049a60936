#pragma once
#include <windows.h>

#include <string>

#include "log/ScopedLogger.h"
#include "ui/PopupButtons.h"
#include "ui/PopupFrame.h"
#include "ui/PopupShadow.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"

class CController;

// The program's modal message: a title, a message of any length, one or
// two blue buttons and a close button in the skin's frame, with a drop
// shadow around it. Result 1 for the affirmative button, 2 for the
// negative one, the close button and Esc. A derived pop-up fills the
// overridable steps.
class CPopupDlg : public CDialogEx {
public:
    explicit CPopupDlg(CWnd* parent = nullptr);
    // The message (already translated) and the type at once.
    CPopupDlg(const std::wstring& message, int type, CWnd* parent = nullptr);
    ~CPopupDlg() override;

    // Set before the dialog runs; the message is already translated.
    std::wstring m_message;
    // 0: a notice with one button; anything else: a question with two.
    int m_type = 0;

    CShadowDlg* Shadow() const { return m_shadow.Window(); }

    enum : UINT_PTR { kFollowTimer = 11 };
    static constexpr UINT kFollowPeriodMs = 100;
    // Commands a derived pop-up's own controls may send; the pop-up stays open.
    enum : int { kFirstExtraCommand = 2100, kLastExtraCommand = 2109 };

protected:
    virtual void GetPopupSize(int& width, int& height);
    virtual void LoadExtraImages() {}
    virtual void SetupExtraControls() {}
    virtual void PaintExtra(HDC) {}
    virtual void AfterLayout() {}
    virtual void ExtraCtlColor(HDC, int, HBRUSH&) {}
    virtual void OnPopupMouseMove(UINT, int, int) {}
    virtual void OnPopupButtonDown(UINT, int, int) {}
    virtual void OnPopupCommand(int) {}
    virtual void LayoutPopup();

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;
    bool OnMoving(RECT* proposed) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDestroy() override;

    CController* m_controller = nullptr;
    PopupButtons m_buttons{this};
    PopupFrame m_frame;
    PopupShadow m_shadow;

private:
    void SetUpButtons();
    // The first visible answer button takes the focus.
    void FocusFirstButton();

    ScopedLogger m_log{L"CPopupDlg"};
    CFont m_messageFont;
    CFont m_titleFont;
};
