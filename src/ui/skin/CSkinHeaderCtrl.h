#pragma once
#include <windows.h>

#include "ui/framework/CWnd.h"

// A skinned list's column header: flat, and disabled once the list is
// skinned (no clicks, no resizing).
class CSkinHeaderCtrl : public CWnd {
protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
};
