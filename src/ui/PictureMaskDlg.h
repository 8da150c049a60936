#pragma once
#include "ui/CSkinOverlayDlg.h"
#include "ui/skin/SkinImages.h"

class CController;

// The picture "special_mask.png" laid over the content area on the Special
// tab; its magenta parts let the page beneath show through.
class CSpecialMaskDlg : public CSkinOverlayDlg {
public:
    CSpecialMaskDlg();

    SIZE PictureSize() const { return m_picture.Size(); }

protected:
    void OnInitOverlay() override;
    bool OnPaint() override;

private:
    CController* m_controller = nullptr;
    CContourBitmap m_picture;
};
