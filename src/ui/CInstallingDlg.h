#pragma once
#include <functional>
#include <memory>

#include "log/ScopedLogger.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/framework/GdiObject.h"
#include "ui/framework/MouseLeaveTracker.h"
#include "ui/skin/CxSkinButton.h"

class CController;
class CPopupDlg;
class CProgressClipDlg;

// The installing view's texts, Cancel button and progress bar: the whole
// view in the overlay look, a strip at its bottom in the bottom-strip look.
class CInstallingDlg : public CSkinOverlayDlg {
public:
    CInstallingDlg();
    ~CInstallingDlg() override;

    void SetProgress(int minutes, int percent);
    // Both texts from the last minutes and percentage.
    void UpdateTexts();
    CProgressClipDlg* ProgressBar() const { return m_progress.get(); }
    bool BackgroundShown() const { return m_showBackground; }
    bool QuestionOpen() const { return m_questionOpen; }
    // Ends an open Cancel question as if nobody answered (result 0).
    void EndQuestion();
    // Called once the Cancel question's handler has returned.
    void SetQuestionClosedHandler(std::function<void()> handler) { m_questionClosed = std::move(handler); }

    enum : UINT_PTR { kRevealTimer = 13 };
    static constexpr UINT kRevealMs = 3000;

protected:
    void OnInitOverlay() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    void OnCancel() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnMouseLeave() override;
    bool OnDestroy() override;

private:
    void LoadImages();
    void BuildControls();
    void SkinCancel();
    void PlaceText(int id, bool remaining);
    void SetText(int id, const std::wstring& text);
    void OnDeferredInit();

    ScopedLogger m_log{L"CInstallingDlg"};
    CController* m_controller = nullptr;
    int m_stripOffset = 0;
    bool m_showBackground = false;
    int m_minutes = 0;
    int m_percent = 0;
    CBitmap m_background;
    CBitmap m_buttonPicture;
    CBitmap m_mask;
    CFont m_textFont;
    CxSkinButton m_cancel{this};
    WindowPtr<CProgressClipDlg> m_progress;
    CPopupDlg* m_question = nullptr;
    bool m_questionOpen = false;
    std::function<void()> m_questionClosed;
    MouseLeaveTracker m_leave;
};
