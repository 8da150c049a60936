#pragma once
#include <windows.h>

#include <vector>

#include "config/EulaEntry.h"
#include "log/ScopedLogger.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/CxSkinButton.h"

class CController;

// The opt-in panel under an offer page: a tick box, the offer's sentence
// and its two licence links. Toggling the box tells the target
// (MSG_OFFER_CHECKED, 1 ticked / 0 unticked).
class CSpecialGoogleMaskDlg : public CDialogEx {
public:
    CSpecialGoogleMaskDlg();
    ~CSpecialGoogleMaskDlg() override;

    void SetTarget(HWND target) { m_target = target; }
    bool Ticked() const { return m_ticked; }
    const RECT& Link(int i) const { return m_links[i == 0 ? 0 : 1]; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    bool OnMouseMove(UINT keys, POINT pt) override;
    bool OnLButtonDown(UINT keys, POINT pt) override;

private:
    void SkinBox();
    void PlaceTexts();
    int SmallSize() const;

    ScopedLogger m_log{L"CSpecialGoogleMaskDlg"};
    CController* m_controller = nullptr;
    CxSkinButton m_check{this};
    bool m_ticked = false;
    CBitmap m_background;
    std::vector<EulaEntry> m_catalog;
    RECT m_links[2]{};
    HWND m_target = nullptr;
    CFont m_bigFont, m_smallFont, m_linkFont;
};
