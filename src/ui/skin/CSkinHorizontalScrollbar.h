#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/CWnd.h"

// The horizontal counterpart of the skinned bar; lists here never show it.
class CSkinHorizontalScrollbar : public CWnd {
public:
    void Attach(HWND list, const std::wstring& imageFolder);
    void UpdateThumbPosition();

    static constexpr int kHeight = 12;
    static constexpr int kArrowWidth = 26;

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    HWND m_list = nullptr;
    std::wstring m_imageFolder;
    int m_thumbLeft = kArrowWidth;
};
