#pragma once
#include "ui/CSkinOverlayDlg.h"
#include "ui/skin/CxSkinButton.h"

class CController;

// An invisible sheet (colour key) that carries one skinned "Install Now"
// button; a click posts MSG_VIEW_OK to the target.
class CTransparentViewDlg : public CSkinOverlayDlg {
public:
    CTransparentViewDlg();

    // After Create.
    void SetTarget(HWND target) { m_target = target; }
    CxSkinButton& Button() { return m_btnInstall; }

    static constexpr int kButtonWidth = 142;
    static constexpr int kButtonHeight = 34;

protected:
    void OnInitOverlay() override;
    void DoDataExchange() override;
    void OnOK() override;

private:
    void SkinButton();

    CController* m_controller = nullptr;
    CxSkinButton m_btnInstall{this};
    HWND m_target = nullptr;
};
